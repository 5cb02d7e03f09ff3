// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBox.h"

#include "Message.h"
#include "ScreenRoom.h"
#include "Twips.h"
#include "look/Skin.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>

namespace hw {

namespace {
// The designed layout, in twips.
constexpr int Margin = 240;
constexpr int MessageWidth = 2775;
constexpr int MessageHeight = 735;
constexpr int ButtonTop = 1080;
constexpr int ButtonWidth = 975;
constexpr int ButtonHeight = 495;
constexpr int SecondButtonLeft = 2040;
} // namespace

MessageBox::MessageBox(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("MessageBox"));
    setWindowTitle(tr("Hearthwise"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setModal(true);
    Skin::applyToWindow(this, Skin::Storage::Third);

    iconLabel_ = new QLabel(this);
    iconLabel_->setObjectName(QStringLiteral("lblIcon"));
    messageLabel_ = new QLabel(this);
    messageLabel_->setObjectName(QStringLiteral("lblMessage"));
    messageLabel_->setWordWrap(true);
    messageLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    messageLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Skin::applyTo(messageLabel_, Skin::Element::Message);

    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmdButton%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { answer(i); });
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    buttons_[0]->setDefault(true);
}

int MessageBox::ask(const QString& text, int style) {
    if ((style & MsgButtons) == MsgDefault)
        style |= MsgOkOnly;
    style_ = style & MsgButtons;
    messageLabel_->setText(text);
    messageLabel_->setToolTip(QString());
    showIcon(style);
    arrange(style_);
    if (messageLabel_->text() != text)
        messageLabel_->setToolTip(text);
    exec();
    const int answer = buttonIndex_;
    clicked_ = false;
    return answer;
}

void MessageBox::showIcon(int style) {
    const int buttons = style & MsgButtons;
    const QStyle::StandardPixmap kind = buttons != MsgOkOnly     ? QStyle::SP_MessageBoxQuestion
                                        : style & MsgInformation ? QStyle::SP_MessageBoxInformation
                                                                 : QStyle::SP_MessageBoxWarning;
    const int side = this->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    iconLabel_->setPixmap(this->style()
                              ->standardIcon(kind, nullptr, this)
                              .pixmap(QSize(side, side), devicePixelRatioF()));
    iconLabel_->setFixedSize(side, side);
    iconLabel_->setAccessibleName(kind == QStyle::SP_MessageBoxQuestion      ? tr("Question")
                                  : kind == QStyle::SP_MessageBoxInformation ? tr("Information")
                                                                             : tr("Warning"));
}

int MessageBox::widestWord(const QString& text) const {
    const QFontMetrics metrics = messageLabel_->fontMetrics();
    int widest = 0;
    for (const QString& word :
         text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

QString MessageBox::fitted(const QString& text, int widest) const {
    const QFontMetrics metrics = messageLabel_->fontMetrics();
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        QStringList words = line.split(QLatin1Char(' '));
        for (QString& word : words)
            if (metrics.horizontalAdvance(word) > widest)
                word = metrics.elidedText(word, Qt::ElideMiddle, widest);
        line = words.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n'));
}

void MessageBox::arrange(int style) {
    const int buttons = style == MsgOkOnly ? 1 : style == MsgYesNo ? 2 : 3;
    for (int i = 0; i < 3; ++i)
        buttons_[static_cast<std::size_t>(i)]->setVisible(i < buttons);
    if (style == MsgOkOnly) {
        buttons_[0]->setText(tr("OK"));
    } else if (style == MsgSaveDontSaveCancel) {
        buttons_[0]->setText(tr("&Save"));
        buttons_[1]->setText(tr("Do&n't Save"));
        buttons_[2]->setText(tr("&Cancel"));
    } else {
        buttons_[0]->setText(tr("&Yes"));
        buttons_[1]->setText(tr("&No"));
        buttons_[2]->setText(tr("&Cancel"));
    }

    // The buttons alike, and as large as the largest caption needs: none is clipped.
    // Measured in the skin's font, so the window is styled first.
    ensurePolished();
    messageLabel_->ensurePolished();
    QSize buttonSize(twips(ButtonWidth), twips(ButtonHeight));
    for (int i = 0; i < buttons; ++i)
        buttonSize = buttonSize.expandedTo(buttons_[static_cast<std::size_t>(i)]->sizeHint());
    const int margin = twips(Margin);
    // The icon stands left of the text, as in the desktop's own message boxes.
    const int textLeft = margin + iconLabel_->width() + margin / 2;
    iconLabel_->move(margin, margin);
    // The message area keeps its designed width (or the width of three buttons
    // side by side) unless a long text would need many lines or a long word
    // (a path) would not fit on one; it grows downwards to show the whole text.
    int messageWidth = twips(MessageWidth);
    if (buttons == 3)
        messageWidth = std::max(messageWidth, 3 * buttonSize.width() + margin);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const int widest =
        std::max(messageWidth,
                 (screen ? screen->availableGeometry().width() * 4 / 5 : 800) - textLeft - margin);
    const QString text = messageLabel_->text();
    messageWidth = std::max(messageWidth, std::min(widest, widestWord(text) + 2));
    messageLabel_->setText(fitted(text, messageWidth));
    int messageHeight = std::max(twips(MessageHeight), messageLabel_->heightForWidth(messageWidth));
    if (messageHeight > 4 * fontMetrics().lineSpacing()) {
        messageWidth = std::min(widest, messageWidth * 8 / 5);
        messageHeight = std::max(twips(MessageHeight), messageLabel_->heightForWidth(messageWidth));
    }
    messageLabel_->setGeometry(textLeft, margin, messageWidth, messageHeight);

    const int clientWidth = textLeft + messageWidth + margin;
    const int buttonTop = std::max(twips(ButtonTop), margin + messageHeight + twips(105));
    for (QPushButton* button : buttons_)
        button->resize(buttonSize);
    if (style == MsgOkOnly) {
        buttons_[0]->move((clientWidth - buttonSize.width()) / 2, buttonTop);
    } else if (buttons == 3) {
        // Three alike, spread over the width.
        const int gap =
            std::max(margin / 2, (clientWidth - 2 * margin - 3 * buttonSize.width()) / 2);
        for (int i = 0; i < 3; ++i)
            buttons_[static_cast<std::size_t>(i)]->move(margin + i * (buttonSize.width() + gap),
                                                        buttonTop);
        setFixedSize(std::max(clientWidth, 2 * margin + 3 * buttonSize.width() + 2 * gap),
                     buttonTop + buttonSize.height() + margin);
        return;
    } else {
        buttons_[0]->move(margin, buttonTop);
        buttons_[1]->move(
            twips(SecondButtonLeft) + (clientWidth - twips(MessageWidth + 2 * Margin)), buttonTop);
    }
    setFixedSize(clientWidth, buttonTop + buttonSize.height() + margin);
}

void MessageBox::showEvent(QShowEvent* event) {
    placeOverOwner();
    QDialog::showEvent(event);
}

void MessageBox::placeOverOwner() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    QRect over = owner ? owner->frameGeometry() : QRect();
    if (!over.isValid())
        over = available;
    // The owner's decoration stands for the box's own, which is not known before it is shown.
    const QMargins decoration = owner ? QMargins(owner->geometry().left() - over.left(),
                                                 owner->geometry().top() - over.top(),
                                                 over.right() - owner->geometry().right(),
                                                 over.bottom() - owner->geometry().bottom())
                                      : QMargins();
    const QSize frame = size().grownBy(decoration);
    move(placeWithin(frame, over, available) + QPoint(decoration.left(), decoration.top()));
}

void MessageBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        QApplication::beep();
        for (QPushButton* button : buttons_)
            Skin::applyTo(button, Skin::Element::Button);
    }
    QDialog::changeEvent(event);
}

void MessageBox::answer(int index) {
    clicked_ = true;
    buttonIndex_ = index;
    done(index == 0 ? QDialog::Accepted : QDialog::Rejected);
}

void MessageBox::reject() {
    answer(style_ == MsgYesNoCancel || style_ == MsgSaveDontSaveCancel ? AnswerCancel
           : style_ == MsgYesNo                                        ? AnswerNo
                                                                       : AnswerOk);
}

} // namespace hw
