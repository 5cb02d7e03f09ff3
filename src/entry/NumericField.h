// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "money/Regional.h"

#include <QLineEdit>
#include <optional>

namespace hw {

// A short numeric entry field. While it has the focus it is being edited: it
// shows the plain editing form, everything selected when the focus arrives,
// and takes only digits, the decimal separator and the editing keys (Delete,
// Backspace, arrows, the clipboard and undo shortcuts). Committing it (leaving
// it, or an action about to read it) shows its value again as an amount, a
// percentage or a number. Text that is not a number, or is negative, is
// refused with one message, and the field gets back the value it had.
class NumericField : public QLineEdit {
    Q_OBJECT
public:
    // Number: two decimals ("25.00" years); Count: whole numbers ("12", a month).
    enum class Format { Amount, Percentage, Number, Count };
    // Display fields show computed or copied values: grey, read-only, not a tab stop.
    enum class Kind { Input, Display };
    // What a display field shows: a total (in bold), a copied debt or another figure.
    enum class Tone { Normal, Total, Debt };

    NumericField(Format format, const Regional& regional, QWidget* parent = nullptr);

    Format format() const { return format_; }
    void setKind(Kind kind, Tone tone = Tone::Normal);
    bool isDisplay() const { return kind_ == Kind::Display; }

    // The value the field shows, as the calculations read it: its amount, or
    // its percentage (in per cent), years or count. While the field is being
    // edited, the value it had when the editing began.
    Currency amount() const { return amount_; }
    double figure() const { return figure_; }
    // Shows a value in the field's own form (an amount rounded to the currency's
    // decimals, a percentage in per cent, a number to two decimals). It
    // replaces what the field held: an edit in progress ends, and a field that
    // has the focus is ready for typing over the new value.
    void show(Currency amount);
    void show(double figure);

    // The character filter for typed text: digits, ".", the locale's decimal
    // separator, and for a question's field the minus sign.
    bool accepts(QChar c) const;
    // A field of a question asked of the case (What If): a minus sign typed is
    // kept, so that a negative figure is refused rather than silently made
    // positive, and a field left empty takes `startValue` again.
    void askAsQuestion(double startValue);

    // Whether the field shows its editing form, waiting to be committed.
    bool isEditing() const { return editing_; }
    // Ends the editing as leaving the field does: the value is shown in its
    // display form and true is answered; refused text gets its message, the
    // value the field had comes back, the field keeps the focus and false is
    // answered. A field not being edited answers true at once.
    bool commit();
    // Puts the field into its editing form with all of it selected, unless it is already there.
    void beginEditing();
    // Gives the field the focus and its editing form, whether or not the
    // window is active yet (after a message box, the window manager may
    // activate the main window only later).
    void takeFocus();

signals:
    // After the field has been committed and reformatted (not after a refusal).
    void committed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void toEditingForm();
    void replaceValue(const QString& shown);
    int editingDecimals() const;
    bool toDisplayForm();
    void refuse(const char* message);
    // Takes the value of what the field now shows.
    void readShownValue();

    Format format_;
    const Regional& regional_;
    Kind kind_ = Kind::Input;
    Currency amount_;
    double figure_ = 0.0;
    QString entryText_;
    bool editing_ = false;
    bool refusing_ = false;
    bool selectOnRelease_ = false;
    std::optional<double> startValue_; // for a question's field
};

// The widest texts a field of `format` shows: the largest amount either way,
// 99.99 %, 100.
QStringList widestTexts(NumericField::Format format, const Regional& regional);

// Whether a focus change is one the user made inside the window, as opposed to
// another window or a pop-up menu taking the focus for a while.
bool movesFocusWithinWindow(Qt::FocusReason reason);

} // namespace hw
