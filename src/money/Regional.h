// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Currency.h"

#include <QFlags>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace hw {

enum class ParseError { None, NotANumber, OutOfRange };

template <class T> struct Parsed {
    T value{};
    ParseError error = ParseError::NotANumber;
    explicit operator bool() const { return error == ParseError::None; }
    T valueOr(T fallback) const { return error == ParseError::None ? value : fallback; }
};

// The size of `value` in units of 10^-decimals, rounded from its exact binary
// value as its shown form rounds it (2.675 is stored just below and gives 267);
// empty when it is not finite or too large for 64 bits.
std::optional<std::uint64_t> roundedMagnitude(double value, int decimals);

// The regional settings the program works in: the system's, or United States
// English where the system names none (the "C" locale, as with LANG unset),
// which would show money without any currency symbol.
QLocale workingLocale(const QLocale& system);

// The user's regional forms of amounts, percentages and numbers, and the
// reading of any of them back into a value. Wraps one QLocale, whatever it is:
// its currency symbol and negative form, the currency's own number of
// decimals (none for the yen), its digit grouping (1,00,000 in India) and its
// own digits (Arabic-Indic, Bengali ...). What is shown reads back to the value
// shown.
class Regional {
public:
    explicit Regional(const QLocale& locale = QLocale());

    const QLocale& locale() const { return locale_; }

    // "$1,234.50", "($1,234.50)", "1.234,50 €", "￥1,235": rounded to the
    // currency's decimals, halves away from zero.
    QString currency(Currency amount) const;
    // The same form for a double, rounded from its exact binary value.
    QString currency(double amount) const;
    // The amount as currency() shows it: rounded to the currency's decimals,
    // halves away from zero (Currency), or from its exact binary value (double);
    // 0 for what no amount can show.
    Currency shown(Currency amount) const;
    Currency shown(double amount) const;
    // A fraction as percent() shows it, in per cent: 0.014896 gives 1.49.
    static double shownPercent(double fraction);
    // A fraction shown as a percentage: 0.08 gives "8.00%" (en_US) or "8,00 %" (de_DE).
    QString percent(double fraction) const;
    // "1,234.50": grouping and two decimals, no symbol.
    QString number(double value) const;
    // The editing form "#0.00" with the locale's decimal separator: "1234.50" or
    // "1234,50"; with `decimals` decimals ("154625" for an amount in yen). Its
    // digits are always 0 to 9, which every keyboard types.
    QString editing(double value, int decimals = 2) const;

    // Readings of a displayed or typed text. The locale's symbol, grouping,
    // digits and negative forms are accepted, and so is the plain editing form
    // typed with either "." or the locale's decimal separator. A trailing
    // percent sign is accepted only where the caller allows it.
    // Typed: the text is what the user typed into a focused field. Where the
    // locale's decimal separator is not ".", a "." is a decimal point unless the
    // text can only be grouping: "650.000" and "1.234.567" are grouped thousands
    // (so is any "." before the locale's decimal separator), "1.5" and "1.50" are
    // decimals.
    enum ReadingOption { Display = 0x0, Percent = 0x1, Typed = 0x2 };
    Q_DECLARE_FLAGS(Reading, ReadingOption)
    Parsed<Currency> toCurrency(const QString& text, Reading reading = Display) const;
    Parsed<double> toDouble(const QString& text, Reading reading = Display) const;
    Parsed<float> toFloat(const QString& text, Reading reading = Display) const;

    // The decimal separator the user may type besides ".".
    QChar decimalSeparator() const { return decimal_; }
    // How many decimals the locale's currency shows: 2 for the dollar, 0 for the yen.
    int currencyDecimals() const { return currencyDecimals_; }

private:
    struct Decimal {
        bool negative = false;
        QString integerDigits;
        QString fractionDigits;
    };
    Parsed<Decimal> parse(const QString& text, Reading reading) const;
    bool readNumber(const QString& body, Reading reading, Decimal& out) const;
    bool split(const QString& body, QChar point, const QString& groupMarks, Decimal& out) const;
    bool groupsValid(const QStringList& groups) const;
    QString formatAmount(bool negative, std::uint64_t magnitude) const;

    QLocale locale_;
    QChar decimal_;
    // The grouping character, none where the locale groups with blanks (blanks are skipped).
    QString groupMark_;
    int leastGroup_ = 3;
    int higherGroup_ = 3;
    int topGroup_ = 3;
    int currencyDecimals_ = 2;
    std::array<QString, 10> digits_;
    QString positivePrefix_, positiveSuffix_, negativePrefix_, negativeSuffix_;
    QStringList symbols_;
    QStringList minusSigns_;
    QStringList percentSigns_;
    QString percentSeparator_;
};

} // namespace hw

Q_DECLARE_OPERATORS_FOR_FLAGS(hw::Regional::Reading)
