// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
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
const char* const NextPage = QT_TRANSLATE_NOOP("hw::InformationWindow", "Next Page");
const char* const PreviousPage = QT_TRANSLATE_NOOP("hw::InformationWindow", "Previous Page");
} // namespace

InformationWindow::InformationWindow(QWidget* owner) : LoadOnShowDialog(owner) {
    setObjectName(QStringLiteral("InformationWindow"));
    const QSize room = screenRoom(this);
    const QSize designed(twips(ClientWidth), twips(ClientHeight));
    lostHeight_ = room.isValid() ? std::max(0, designed.height() - room.height()) : 0;
    setFixedSize(designed.width(), designed.height() - lostHeight_);

    textArea_ = new QScrollArea(this);
    textArea_->setObjectName(QStringLiteral("lblTextArea"));
    // The window shows no title; a screen reader still names it and its text.
    setAccessibleName(tr("Tell Me More"));
    textArea_->setAccessibleName(tr("Help text"));
    textArea_->setWidgetResizable(true);
    textArea_->setFrameShape(QFrame::NoFrame);
    textArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textArea_->setGeometry(
        twipsRect(TextLeft, TextTop, TextWidth, TextHeight).adjusted(0, 0, 0, -lostHeight_));
    textLabel_ = new QLabel(textArea_);
    textLabel_->setObjectName(QStringLiteral("lblText"));
    textLabel_->setTextFormat(Qt::RichText);
    textLabel_->setWordWrap(true);
    textLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textArea_->setWidget(textLabel_);
    textArea_->viewport()->setAutoFillBackground(false);
    textLabel_->setAutoFillBackground(false);

    exitButton_ = new QPushButton(tr("Close"), this);
    exitButton_->setObjectName(QStringLiteral("cmdExit"));
    exitButton_->setGeometry(
        twipsRect(360, ButtonTop, 1095, ButtonHeight).translated(0, -lostHeight_));
    pageButton_ = new QPushButton(this);
    pageButton_->setObjectName(QStringLiteral("cmdNext"));
    placePageButton(NextPageLeft, NextPageWidth, tr(NextPage));
    connect(exitButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(pageButton_, &QPushButton::clicked, this, &InformationWindow::goNext);
    setTabOrder(pageButton_, exitButton_);
}

void InformationWindow::loadOnShow() {
    Skin::applyToWindow(this, Skin::Storage::Third);
    Skin::applyTo(exitButton_, Skin::Element::Button);
    Skin::applyTo(pageButton_, Skin::Element::Button);
    placePageButton(NextPageLeft, NextPageWidth, tr(NextPage));
    page_ = 0;
    showCurrentPage();
    Skin::applyTo(textLabel_, Skin::Element::Message);
    (pageButton_->isVisible() ? pageButton_ : exitButton_)->setFocus();
}

void InformationWindow::showCurrentPage() {
    const HelpTopic* topic = helpTopic(topic_);
    if (!topic)
        return;
    if (!topic->hasSecondPage())
        pageButton_->hide();
    if (topic->placement) {
        QRect place = textArea_->geometry();
        place.moveTop(twips(topic->placement->top));
        if (topic->placement->height > 0)
            place.setHeight(
                std::max(twips(ButtonHeight), twips(topic->placement->height) - lostHeight_));
        textArea_->setGeometry(place);
    }
    const bool second = topic->hasSecondPage() && page_ != 0;
    shownPage_ = second ? topic->secondPage : topic->firstPage;
    textLabel_->setText(pageHtml(shownPage_));
    textArea_->verticalScrollBar()->setValue(0);
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
    pageButton_->setText(caption);
    pageButton_->ensurePolished();
    QRect place = twipsRect(left, ButtonTop, width, ButtonHeight).translated(0, -lostHeight_);
    // A caption that needs more room (a larger font) widens the button to the left.
    const int needed = pageButton_->sizeHint().width();
    if (needed > place.width())
        place.setLeft(place.right() + 1 - needed);
    pageButton_->setGeometry(place);
}

void InformationWindow::goNext() {
    if (pageButton_->text() == tr(NextPage)) {
        ++page_;
        showCurrentPage();
        // Wider, with its right edge where the "Next Page" button had it.
        placePageButton(PreviousPageLeft, PreviousPageWidth, tr(PreviousPage));
    } else {
        --page_;
        showCurrentPage();
        placePageButton(NextPageLeft, NextPageWidth, tr(NextPage));
    }
    Skin::applyTo(pageButton_, Skin::Element::Button);
}

QPushButton* tellMeMoreButton(QWidget* window, int topic) {
    auto* more = new QPushButton(InformationWindow::tr("Tell Me &More"), window);
    more->setObjectName(QStringLiteral("cmdMore"));
    Skin::applyTo(more, Skin::Element::Button);
    QObject::connect(more, &QPushButton::clicked, window, [window, topic] {
        InformationWindow help(window);
        help.setTopic(topic);
        help.exec();
    });
    return more;
}

} // namespace hw
