// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumericField.h"

#include "base/Message.h"
#include "calc/CaseResults.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace hw {

namespace {
const char* const NotANumberMessage =
    QT_TRANSLATE_NOOP("hw::NumericField", "Please enter a number.");
const char* const TooLargeMessage =
    QT_TRANSLATE_NOOP("hw::NumericField", "This amount is too large.");
const char* const NegativeMessage =
    QT_TRANSLATE_NOOP("hw::NumericField", "Please enter a number of 0 or more.");
const char* const WholeNumberMessage =
    QT_TRANSLATE_NOOP("hw::NumericField", "Please enter a whole number.");
const char* const WholeAmountMessage = QT_TRANSLATE_NOOP(
    "hw::NumericField", "This currency has no decimals: please enter a whole amount.");
const char* const DecimalsMessage = QT_TRANSLATE_NOOP(
    "hw::NumericField", "Please enter an amount with no more decimals than the currency shows.");

// Keys that edit rather than type: Backspace, Delete (U+007F on X11), Enter,
// Escape, and anything held with Ctrl (Ctrl+A, C, X, V, Z arrive as control characters).
bool isEditingKey(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    const QString typed = event->text();
    return typed.isEmpty() || std::all_of(typed.begin(), typed.end(), [](QChar c) {
               return c.category() == QChar::Other_Control;
           });
}
} // namespace

QStringList widestTexts(NumericField::Format format, const Regional& regional) {
    switch (format) {
    case NumericField::Format::Amount: {
        const auto largest = Currency::fromScaled(std::numeric_limits<std::int64_t>::max());
        const auto lowest = Currency::fromScaled(-std::numeric_limits<std::int64_t>::max());
        return {regional.currency(largest), regional.currency(lowest)};
    }
    case NumericField::Format::Percentage:
        return {regional.percent(0.9999)};
    case NumericField::Format::Number:
        return {regional.number(100.0)};
    case NumericField::Format::Count:
        return {regional.locale().toString(12000)};
    }
    return {};
}

bool movesFocusWithinWindow(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

NumericField::NumericField(Format format, const Regional& regional, QWidget* parent)
    : QLineEdit(parent), format_(format), regional_(regional) {
    // Right-aligned whatever the text's own direction: an amount written with an
    // Arabic currency sign would otherwise stand at the left.
    setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    // Text written into the field from outside an editing is its new value.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!editing_)
            readShownValue();
    });
}

void NumericField::readShownValue() {
    amount_ = regional_.toCurrency(text()).valueOr(Currency());
    figure_ =
        regional_
            .toDouble(text(), format_ == Format::Percentage ? Regional::Percent : Regional::Display)
            .valueOr(0.0);
}

void NumericField::show(Currency amount) {
    replaceValue(regional_.currency(amount));
}

void NumericField::replaceValue(const QString& shown) {
    // A value shown from outside replaces the field's whole state: an edit in
    // progress ends, and the value a refusal falls back to is the new one.
    const bool wasEditing = std::exchange(editing_, false);
    setText(shown);
    readShownValue();
    if (wasEditing && hasFocus())
        beginEditing();
}

void NumericField::show(double figure) {
    QString shown;
    switch (format_) {
    case Format::Amount:
        shown = regional_.currency(figure);
        break;
    case Format::Percentage:
        shown = regional_.percent(figure / 100.0);
        break;
    case Format::Number:
        shown = regional_.number(figure);
        break;
    case Format::Count:
        shown = regional_.locale().toString(static_cast<qlonglong>(figure));
        break;
    }
    replaceValue(shown);
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
    return c.isDigit() || c == u'.' || c == regional_.decimalSeparator() ||
           (startValue_ && (c == u'-' || regional_.locale().negativeSign().contains(c)));
}

void NumericField::askAsQuestion(double startValue) {
    startValue_ = startValue;
}

void NumericField::keyPressEvent(QKeyEvent* event) {
    if (!isEditingKey(event)) {
        const QString typed = event->text();
        if (!std::all_of(typed.begin(), typed.end(), [this](QChar c) { return accepts(c); })) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumericField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (refusing_)
        return;
    // A field that has the focus is always being edited, however the focus came.
    beginEditing();
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

void NumericField::dropEvent(QDropEvent* event) {
    // Dropped text is edited text: it is read when the field is committed.
    if (!hasFocus() && !isReadOnly())
        setFocus(Qt::OtherFocusReason);
    QLineEdit::dropEvent(event);
}

void NumericField::beginEditing() {
    if (editing_)
        return;
    entryText_ = text();
    editing_ = true;
    toEditingForm();
}

void NumericField::takeFocus() {
    if (QWidget* current = window()->focusWidget(); current && current != this) {
        // Without an active window Qt moves the focus silently; end the other edit as leaving it
        // would.
        if (auto* other = qobject_cast<NumericField*>(current); other && other->isEditing())
            other->commit();
    }
    setFocus(Qt::OtherFocusReason);
    beginEditing();
}

void NumericField::toEditingForm() {
    const auto value = regional_.toDouble(
        text(), format_ == Format::Percentage ? Regional::Percent : Regional::Display);
    if (value)
        setText(regional_.editing(value.value, editingDecimals()));
    setCursorPosition(0);
    selectAll();
}

int NumericField::editingDecimals() const {
    // Amounts are edited in the currency's own decimals: none for the yen.
    return format_ == Format::Amount  ? regional_.currencyDecimals()
           : format_ == Format::Count ? 0
                                      : 2;
}

void NumericField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (refusing_ || !movesFocusWithinWindow(event->reason()))
        return;
    commit();
}

bool NumericField::commit() {
    if (!editing_ || refusing_)
        return true;
    if (!toDisplayForm())
        return false;
    editing_ = false;
    readShownValue();
    emit committed();
    return true;
}

bool NumericField::toDisplayForm() {
    if (text().trimmed().isEmpty())
        setText(startValue_ ? regional_.editing(*startValue_, editingDecimals())
                            : QStringLiteral("0"));
    const Regional::Reading reading =
        Regional::Typed | (format_ == Format::Percentage ? Regional::Percent : Regional::Display);
    if (format_ == Format::Amount) {
        const auto amount = regional_.toCurrency(text(), reading);
        if (!amount) {
            refuse(amount.error == ParseError::OutOfRange ? TooLargeMessage : NotANumberMessage);
            return false;
        }
        if (amount.value < Currency()) {
            refuse(NegativeMessage);
            return false;
        }
        // A fraction the currency cannot show would be rounded away unseen.
        if (amount.value.magnitudeIn(Currency::Decimals) %
                powerOfTen(Currency::Decimals - regional_.currencyDecimals()) !=
            0) {
            refuse(regional_.currencyDecimals() == 0 ? WholeAmountMessage : DecimalsMessage);
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
    if (value.value < 0.0) {
        refuse(NegativeMessage);
        return false;
    }
    // "-0" reads as a negative zero; it is shown as a plain 0.
    const double shown = value.value == 0.0 ? 0.0 : value.value;
    if (format_ == Format::Count) {
        if (shown != std::floor(shown)) {
            refuse(WholeNumberMessage);
            return false;
        }
        setText(regional_.locale().toString(static_cast<qlonglong>(shown)));
        return true;
    }
    setText(format_ == Format::Percentage ? regional_.percent(shown / 100.0)
                                          : regional_.number(shown));
    return true;
}

void NumericField::refuse(const char* message) {
    // The field gets back the value it had when its editing began, and keeps the focus.
    refusing_ = true;
    setText(entryText_);
    ShowMessage(tr(message), MsgOkOnly);
    setFocus(Qt::OtherFocusReason);
    toEditingForm();
    refusing_ = false;
}

} // namespace hw
