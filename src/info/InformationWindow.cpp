#include "InformationWindow.h"

#include "HelpTopics.h"
#include "base/ScreenRoom.h"
#include "base/Twips.h"
#include "look/Skin.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace hw {

namespace {
// The window's design, in twips.
constexpr int ClientWidth = 8715;
constexpr int ClientHeight = 7515;
constexpr int TextLeft = 360, TextTop = 480, TextWidth = 7935, TextHeight = 6255;
constexpr int ButtonTop = 6840;
constexpr int ButtonHeight = 495;
constexpr int NextPageLeft = 7200;
constexpr int NextPageWidth = 1095;
constexpr int PreviousPageLeft = 6900;
constexpr int PreviousPageWidth = 1400;
const char* const NextPage = "Next Page";
const char* const PreviousPage = "Previous Page";
} // namespace

InformationWindow::InformationWindow(QWidget* owner) : LoadOnShowDialog(owner) {
    setObjectName(QStringLiteral("InformationWindow"));
    const QSize room = screenRoom(this);
    const QSize designed(twips(ClientWidth), twips(ClientHeight));
    lostHeight_ = room.isValid() ? std::max(0, designed.height() - room.height()) : 0;
    setFixedSize(designed.width(), designed.height() - lostHeight_);

    textArea = new QScrollArea(this);
    textArea->setObjectName(QStringLiteral("lblTextArea"));
    textArea->setWidgetResizable(true);
    textArea->setFrameShape(QFrame::NoFrame);
    textArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textArea->setGeometry(
        twipsRect(TextLeft, TextTop, TextWidth, TextHeight).adjusted(0, 0, 0, -lostHeight_));
    lblText = new QLabel(textArea);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setTextFormat(Qt::RichText);
    lblText->setWordWrap(true);
    lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textArea->setWidget(lblText);
    textArea->viewport()->setAutoFillBackground(false);
    lblText->setAutoFillBackground(false);

    cmdExit = new QPushButton(tr("Close"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setGeometry(twipsRect(360, ButtonTop, 1095, ButtonHeight).translated(0, -lostHeight_));
    cmdNext = new QPushButton(this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    placePageButton(NextPageLeft, NextPageWidth, tr(NextPage));
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdNext, &QPushButton::clicked, this, &InformationWindow::goNext);
    setTabOrder(cmdNext, cmdExit);
}

void InformationWindow::loadOnShow() {
    Skin::applyToWindow(this, Skin::Storage::Third);
    Skin::applyTo(cmdExit, Skin::Element::Button);
    Skin::applyTo(cmdNext, Skin::Element::Button);
    placePageButton(NextPageLeft, NextPageWidth, tr(NextPage));
    Page = 0;
    SetText();
    Skin::applyTo(lblText, Skin::Element::Message);
    (cmdNext->isVisible() ? cmdNext : cmdExit)->setFocus();
}

void InformationWindow::SetText() {
    const HelpTopic* topic = helpTopic(Topic);
    if (!topic)
        return;
    if (!topic->hasSecondPage())
        cmdNext->hide();
    if (topic->placement) {
        QRect place = textArea->geometry();
        place.moveTop(twips(topic->placement->top));
        if (topic->placement->height > 0)
            place.setHeight(
                std::max(twips(ButtonHeight), twips(topic->placement->height) - lostHeight_));
        textArea->setGeometry(place);
    }
    const bool second = topic->hasSecondPage() && Page != 0;
    shownPage_ = second ? topic->secondPage : topic->firstPage;
    lblText->setText(pageHtml(shownPage_));
    textArea->verticalScrollBar()->setValue(0);
}

QString InformationWindow::pageHtml(const QString& page) {
    // A line in capitals is the page's heading, lines that begin with "-" a
    // list, every other line a paragraph.
    QString html;
    bool inList = false;
    for (const QString& line : page.split(u'\n')) {
        const QString text = line.trimmed();
        const bool item = text.startsWith(u'-');
        if (inList && !item) {
            html += QStringLiteral("</ul>");
            inList = false;
        }
        if (text.isEmpty())
            continue;
        if (item) {
            if (!inList)
                html += QStringLiteral("<ul style=\"margin-top: 0px; margin-bottom: 8px;\">");
            inList = true;
            html += QStringLiteral("<li>%1</li>").arg(text.mid(1).trimmed().toHtmlEscaped());
        } else if (text == text.toUpper() &&
                   text.contains(QRegularExpression(QStringLiteral("[A-Z]")))) {
            html += QStringLiteral("<h3 style=\"margin-bottom: 6px;\">%1</h3>")
                        .arg(text.toHtmlEscaped());
        } else {
            html += QStringLiteral("<p style=\"margin-top: 0px; margin-bottom: 8px;\">%1</p>")
                        .arg(text.toHtmlEscaped());
        }
    }
    if (inList)
        html += QStringLiteral("</ul>");
    return html;
}

void InformationWindow::placePageButton(int left, int width, const QString& caption) {
    cmdNext->setText(caption);
    cmdNext->ensurePolished();
    QRect place = twipsRect(left, ButtonTop, width, ButtonHeight).translated(0, -lostHeight_);
    // A caption that needs more room (a larger font) widens the button to the left.
    const int needed = cmdNext->sizeHint().width();
    if (needed > place.width())
        place.setLeft(place.right() + 1 - needed);
    cmdNext->setGeometry(place);
}

void InformationWindow::goNext() {
    if (cmdNext->text() == tr(NextPage)) {
        ++Page;
        SetText();
        // Wider, with its right edge where the "Next Page" button had it.
        placePageButton(PreviousPageLeft, PreviousPageWidth, tr(PreviousPage));
    } else {
        --Page;
        SetText();
        placePageButton(NextPageLeft, NextPageWidth, tr(NextPage));
    }
    Skin::applyTo(cmdNext, Skin::Element::Button);
}

} // namespace hw
