#pragma once

#include "money/Regional.h"

#include <QLineEdit>

namespace hw {

// A short numeric entry field. While it has the focus it shows the plain
// editing form with everything selected and takes only digits, the decimal
// separator and Backspace; when it loses the focus it shows its value again as
// an amount, a percentage or a number. Text that is not a number is refused
// with a message, and the field gets back the value it had.
class NumericField : public QLineEdit {
    Q_OBJECT
public:
    enum class Format { Amount, Percentage, Number };
    // Display fields show computed or copied values: grey, read-only, not a tab stop.
    enum class Kind { Input, Display };
    // Text colour of a display field: totals dark red, copied debts blue.
    enum class Tone { Normal, Total, Debt };

    NumericField(Format format, const Regional& regional, QWidget* parent = nullptr);

    Format format() const { return format_; }
    void setKind(Kind kind, Tone tone = Tone::Normal);
    bool isDisplay() const { return kind_ == Kind::Display; }

    // The character filter: digits, ".", the locale's decimal separator and Backspace.
    bool accepts(QChar c) const;

signals:
    // After the field has been left and reformatted (not after a refusal).
    void left();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void toEditingForm();
    bool toDisplayForm();
    void refuse(const QString& message);

    Format format_;
    const Regional& regional_;
    Kind kind_ = Kind::Input;
    QString entryText_;
    bool refusing_ = false;
    bool selectOnRelease_ = false;
};

// Whether a focus change is one the user made inside the window, as opposed to
// another window or a pop-up menu taking the focus for a while.
bool movesFocusWithinWindow(Qt::FocusReason reason);

} // namespace hw
