#pragma once

#include "Currency.h"

#include <QLocale>
#include <QString>

namespace hw {

enum class ParseError { None, NotANumber, OutOfRange };

template <class T> struct Parsed {
    T value{};
    ParseError error = ParseError::NotANumber;
    explicit operator bool() const { return error == ParseError::None; }
    T valueOr(T fallback) const { return error == ParseError::None ? value : fallback; }
};

// The regional settings the program works in: the system's, or United States
// English where the system names none (the "C" locale, as with LANG unset),
// which would show money without any currency symbol.
QLocale workingLocale(const QLocale& system);

// The user's regional forms of amounts, percentages and numbers, and the
// reading of any of them back into a value. Wraps one QLocale.
class Regional {
public:
    explicit Regional(const QLocale& locale = QLocale());

    const QLocale& locale() const { return locale_; }

    // "$1,234.50", "($1,234.50)", "1.234,50 €": rounded to the cent, halves away from zero.
    QString currency(Currency amount) const;
    // The same form for a double, rounded to the cent from its exact binary value.
    QString currency(double amount) const;
    // A fraction shown as a percentage: 0.08 gives "8.00%" (en_US) or "8,00 %" (de_DE).
    QString percent(double fraction) const;
    // "1,234.50": grouping and two decimals, no symbol.
    QString number(double value) const;
    // The editing form "#0.00" with the locale's decimal separator: "1234.50" or "1234,50".
    QString editing(double value) const;

    // Readings of a displayed or typed text. The locale's symbol, grouping and
    // negative forms are accepted, and so is the plain editing form typed with
    // either "." or the locale's decimal separator. A trailing percent sign is
    // accepted only where the caller allows it.
    // Typed: the text is what the user typed into a focused field, so a "." is
    // a decimal point even where the locale groups digits with it.
    enum Reading { Display = 0, Percent = 1, Typed = 2 };
    Parsed<Currency> toCurrency(const QString& text, int reading = Display) const;
    Parsed<double> toDouble(const QString& text, int reading = Display) const;
    Parsed<float> toFloat(const QString& text, int reading = Display) const;

    // The decimal separator the user may type besides ".".
    QChar decimalSeparator() const { return decimal_; }

private:
    struct Decimal {
        bool negative = false;
        QString integerDigits;
        QString fractionDigits;
    };
    Parsed<Decimal> parse(const QString& text, int reading) const;
    bool splitGrouped(const QString& body, Decimal& out) const;
    bool splitPlain(const QString& body, Decimal& out) const;
    QString formatCents(bool negative, quint64 cents) const;

    QLocale locale_;
    QChar decimal_;
    QChar group_;
    QString positivePrefix_, positiveSuffix_, negativePrefix_, negativeSuffix_;
    QString percentSeparator_;
};

} // namespace hw
