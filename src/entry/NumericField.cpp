#include "NumericField.h"

#include "shell/Message.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>

namespace hw {

namespace {
const QString NotANumberMessage = QStringLiteral("Please enter a number.");
const QString TooLargeMessage = QStringLiteral("This amount is too large.");
} // namespace

bool movesFocusWithinWindow(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

NumericField::NumericField(Format format, const Regional& regional, QWidget* parent)
    : QLineEdit(parent), format_(format), regional_(regional) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void NumericField::setKind(Kind kind, Tone tone) {
    kind_ = kind;
    const bool display = kind == Kind::Display;
    setReadOnly(display);
    // Display fields still answer a click, but the Tab key passes them by.
    setFocusPolicy(display ? Qt::ClickFocus : Qt::StrongFocus);
    setProperty("display", display);
    setProperty("tone", tone == Tone::Total  ? QStringLiteral("total")
                        : tone == Tone::Debt ? QStringLiteral("debt")
                                             : QStringLiteral("normal"));
    style()->unpolish(this);
    style()->polish(this);
}

bool NumericField::accepts(QChar c) const {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == regional_.decimalSeparator() ||
           c == QChar(8);
}

void NumericField::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Keys that make no character (Delete, arrows, Home, End) keep their usual meaning.
    if (!typed.isEmpty()) {
        for (QChar c : typed) {
            if (!accepts(c)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumericField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (refusing_ || !movesFocusWithinWindow(event->reason()))
        return;
    entryText_ = text();
    toEditingForm();
    // The click that brought the focus places the caret when it ends; select again then.
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void NumericField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_) {
        selectOnRelease_ = false;
        setCursorPosition(0);
        selectAll();
    }
}

void NumericField::toEditingForm() {
    const auto value = regional_.toDouble(
        text(), format_ == Format::Percentage ? Regional::Percent : Regional::Display);
    if (value)
        setText(regional_.editing(value.value));
    setCursorPosition(0);
    selectAll();
}

void NumericField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (refusing_ || !movesFocusWithinWindow(event->reason()))
        return;
    if (toDisplayForm())
        emit left();
}

bool NumericField::toDisplayForm() {
    if (text().trimmed().isEmpty())
        setText(QStringLiteral("0"));
    const int reading =
        Regional::Typed | (format_ == Format::Percentage ? Regional::Percent : Regional::Display);
    if (format_ == Format::Amount) {
        const auto amount = regional_.toCurrency(text(), reading);
        if (!amount) {
            refuse(amount.error == ParseError::OutOfRange ? TooLargeMessage : NotANumberMessage);
            return false;
        }
        setText(regional_.currency(amount.value));
        return true;
    }
    const auto value = regional_.toDouble(text(), reading);
    // Amounts in percentages and terms stay within what a Currency can hold.
    if (!value || std::abs(value.value) > 9.0e14) {
        refuse(value.error == ParseError::NotANumber ? NotANumberMessage : TooLargeMessage);
        return false;
    }
    setText(format_ == Format::Percentage ? regional_.percent(value.value / 100.0)
                                          : regional_.number(value.value));
    return true;
}

void NumericField::refuse(const QString& message) {
    // The field gets back the value it had when it gained the focus, and keeps the focus.
    refusing_ = true;
    setText(entryText_);
    ShowMessage(message, MsgOkOnly);
    setFocus(Qt::OtherFocusReason);
    toEditingForm();
    refusing_ = false;
}

} // namespace hw
