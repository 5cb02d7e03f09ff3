// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Regional.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace hw {

namespace {

bool isBlank(QChar c) {
    return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F);
}

// Marks that set the direction of right-to-left text; they carry no value.
bool isDirectionMark(QChar c) {
    const char16_t u = c.unicode();
    return u == 0x200E || u == 0x200F || u == 0x061C || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
}

// The text without blanks and direction marks: what is left carries the value.
QString bare(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c) && !isDirectionMark(c))
            out.append(c);
    return out;
}

bool allDigits(const QString& s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Any decimal digit, Latin or the locale's own, as "0" to "9"; other characters stay.
QString latinDigits(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text.at(i).unicode();
        qsizetype width = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            width = 2;
        }
        if (QChar::category(code) == QChar::Number_DecimalDigit && QChar::digitValue(code) >= 0)
            out.append(QChar(u'0' + QChar::digitValue(code)));
        else
            out.append(text.mid(i, width));
        i += width - 1;
    }
    return out;
}

// Languages whose percentage form puts a space before the sign.
bool spacedPercent(QLocale::Language language) {
    switch (language) {
    case QLocale::German:
    case QLocale::French:
    case QLocale::Spanish:
    case QLocale::Swedish:
    case QLocale::NorwegianBokmal:
    case QLocale::Finnish:
    case QLocale::Czech:
    case QLocale::Russian:
    case QLocale::Polish:
        return true;
    default:
        return false;
    }
}

// Cuts a sample formatted by the locale around its number part, giving the
// prefix and suffix that carry the symbol and the sign.
bool splitAround(const QString& sample, const QString& number, QString& prefix, QString& suffix) {
    const qsizetype at = sample.indexOf(number);
    if (at < 0)
        return false;
    prefix = sample.left(at);
    suffix = sample.mid(at + number.size());
    return true;
}

void addOnce(QStringList& list, const QString& item) {
    if (!item.isEmpty() && !list.contains(item))
        list << item;
}

// Longest first, so that "US$" is taken whole before "$".
void longestFirst(QStringList& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
}

bool dropAtEitherEnd(QString& s, const QStringList& marks) {
    for (const QString& mark : marks) {
        if (s.startsWith(mark)) {
            s.remove(0, mark.size());
            return true;
        }
        if (s.endsWith(mark)) {
            s.chop(mark.size());
            return true;
        }
    }
    return false;
}

} // namespace

Regional::Regional(const QLocale& locale) : locale_(locale) {
    locale_.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString decimalText = bare(locale_.decimalPoint());
    decimal_ = decimalText.isEmpty() ? QChar(u'.') : decimalText.at(0);
    const QString groupText = bare(locale_.groupSeparator());
    if (groupText.size() == 1 && groupText.at(0) != decimal_)
        groupMark_ = groupText;
    for (int d = 0; d < 10; ++d)
        digits_[static_cast<std::size_t>(d)] = locale_.toString(d);

    // The grouping pattern, from a long number as the locale writes it: the
    // last group and the groups above it (3 and 3 mostly, 3 and 2 in India).
    if (!groupMark_.isEmpty()) {
        const QStringList groups =
            latinDigits(bare(locale_.toString(Q_INT64_C(1234567890123)))).split(groupMark_);
        if (groups.size() >= 2)
            leastGroup_ = static_cast<int>(groups.last().size());
        if (groups.size() >= 3)
            higherGroup_ = static_cast<int>(groups.at(groups.size() - 2).size());
        else
            higherGroup_ = leastGroup_;
        // Some locales join a short top group to the next: "1234.567" in Spain.
        topGroup_ = higherGroup_;
        for (const qint64 sample : {Q_INT64_C(1234567), Q_INT64_C(12345678)}) {
            const QStringList top = latinDigits(bare(locale_.toString(sample))).split(groupMark_);
            if (top.size() >= 2)
                topGroup_ = std::max(topGroup_, static_cast<int>(top.first().size()));
        }
    }

    // The currency's decimals, and the prefix and suffix around the number.
    const QString positive = locale_.toCurrencyString(1234.0);
    currencyDecimals_ = -1;
    for (int d = 4; d >= 0 && currencyDecimals_ < 0; --d)
        if (splitAround(positive, locale_.toString(1234.0, 'f', d), positivePrefix_,
                        positiveSuffix_))
            currencyDecimals_ = d;
    if (currencyDecimals_ < 0) {
        currencyDecimals_ = 2;
        positivePrefix_ = locale_.currencySymbol() + u' ';
    }
    const QString number = locale_.toString(1234.0, 'f', currencyDecimals_);
    if (!splitAround(locale_.toCurrencyString(-1234.0), number, negativePrefix_, negativeSuffix_) ||
        (negativePrefix_ == positivePrefix_ && negativeSuffix_ == positiveSuffix_))
        negativePrefix_ = locale_.negativeSign() + positivePrefix_;

    addOnce(symbols_, bare(locale_.currencySymbol(QLocale::CurrencySymbol)));
    addOnce(symbols_, bare(locale_.currencySymbol(QLocale::CurrencyIsoCode)));
    addOnce(symbols_, bare(positivePrefix_ + positiveSuffix_));
    addOnce(symbols_, QStringLiteral("$"));
    longestFirst(symbols_);
    addOnce(minusSigns_, bare(locale_.negativeSign()));
    addOnce(minusSigns_, QStringLiteral("-"));
    addOnce(minusSigns_, QString(QChar(0x2212)));
    longestFirst(minusSigns_);
    addOnce(percentSigns_, bare(locale_.percent()));
    addOnce(percentSigns_, QStringLiteral("%"));
    addOnce(percentSigns_, QString(QChar(0x066A)));
    longestFirst(percentSigns_);
    percentSeparator_ = spacedPercent(locale_.language()) ? QString(QChar(0x00A0)) : QString();
}

QString Regional::formatAmount(bool negative, std::uint64_t magnitude) const {
    const std::uint64_t unit = powerOfTen(currencyDecimals_);
    QString text = locale_.toString(static_cast<qulonglong>(magnitude / unit));
    if (currencyDecimals_ > 0) {
        const QString fraction =
            QString::number(magnitude % unit).rightJustified(currencyDecimals_, u'0');
        text += locale_.decimalPoint();
        for (QChar c : fraction)
            text += digits_[static_cast<std::size_t>(c.unicode() - u'0')];
    }
    if (negative && magnitude != 0)
        return negativePrefix_ + text + negativeSuffix_;
    return positivePrefix_ + text + positiveSuffix_;
}

QString Regional::currency(Currency amount) const {
    return formatAmount(amount.isNegative(), amount.magnitudeIn(currencyDecimals_));
}

std::optional<std::uint64_t> roundedMagnitude(double value, int decimals) {
    if (!std::isfinite(value))
        return std::nullopt;
    const QString fixed = QString::number(std::fabs(value), 'f', decimals);
    const qsizetype dot = fixed.indexOf(u'.');
    bool ok = false;
    const quint64 units = (dot < 0 ? fixed : fixed.left(dot)).toULongLong(&ok);
    const std::uint64_t unit = powerOfTen(decimals);
    if (!ok || units > std::numeric_limits<quint64>::max() / unit)
        return std::nullopt;
    const quint64 fraction = dot < 0 ? 0 : fixed.mid(dot + 1).toULongLong();
    return units * unit + fraction;
}

QString Regional::currency(double amount) const {
    if (!std::isfinite(amount))
        return currency(Currency());
    if (const auto magnitude = roundedMagnitude(amount, currencyDecimals_))
        return formatAmount(amount < 0, *magnitude);
    return locale_.toCurrencyString(amount);
}

Currency Regional::shown(Currency amount) const {
    const auto magnitude = static_cast<std::int64_t>(amount.magnitudeIn(currencyDecimals_));
    const auto unit = static_cast<std::int64_t>(powerOfTen(Currency::Decimals - currencyDecimals_));
    return Currency::fromScaled((amount.isNegative() ? -magnitude : magnitude) * unit);
}

Currency Regional::shown(double amount) const {
    const auto magnitude = roundedMagnitude(amount, currencyDecimals_);
    const std::uint64_t unit = powerOfTen(Currency::Decimals - currencyDecimals_);
    if (!magnitude ||
        *magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) / unit)
        return Currency();
    const auto scaled = static_cast<std::int64_t>(*magnitude * unit);
    return Currency::fromScaled(amount < 0 ? -scaled : scaled);
}

double Regional::shownPercent(double fraction) {
    // The two decimals percent() writes, read back as the number they are.
    return QString::number(fraction * 100.0, 'f', 2).toDouble();
}

QString Regional::percent(double fraction) const {
    return locale_.toString(fraction * 100.0, 'f', 2) + percentSeparator_ + locale_.percent();
}

QString Regional::number(double value) const {
    return locale_.toString(value, 'f', 2);
}

QString Regional::editing(double value, int decimals) const {
    QString text = QString::number(value, 'f', decimals);
    // A negative value that rounds to zero is shown as a plain zero.
    if (text.startsWith(u'-') && text.mid(1).toDouble() == 0.0)
        text.remove(0, 1);
    text.replace(u'.', decimal_);
    return text;
}

bool Regional::groupsValid(const QStringList& groups) const {
    // The last group as the locale groups, those above it alike (the locale's
    // own size, or the last group's size as most of the world writes them),
    // and a first group that is not empty and does not start with 0.
    const qsizetype count = groups.size();
    if (count < 2)
        return true;
    const QString& first = groups.first();
    if (first.isEmpty() || first.startsWith(u'0') || groups.last().size() != leastGroup_)
        return false;
    const auto middleOf = [&](int size) {
        for (qsizetype i = 1; i + 1 < count; ++i)
            if (groups.at(i).size() != size)
                return false;
        return first.size() <= std::max(size, topGroup_);
    };
    return middleOf(higherGroup_) || middleOf(leastGroup_);
}

bool Regional::split(const QString& body, QChar point, const QString& groupMarks,
                     Decimal& out) const {
    const qsizetype at = point.isNull() ? -1 : body.indexOf(point);
    const QString integer = at < 0 ? body : body.left(at);
    const QString fraction = at < 0 ? QString() : body.mid(at + 1);
    if (!allDigits(fraction))
        return false;
    QString marked = integer;
    for (QChar mark : groupMarks)
        marked.replace(mark, u',');
    const QStringList groups = marked.split(u',');
    for (const QString& group : groups)
        if (!allDigits(group))
            return false;
    if (!groupsValid(groups))
        return false;
    out.integerDigits = groups.join(QString());
    out.fractionDigits = fraction;
    return !(out.integerDigits.isEmpty() && out.fractionDigits.isEmpty());
}

bool Regional::readNumber(const QString& body, Reading reading, Decimal& out) const {
    const bool typed = reading.testFlag(Typed);
    if (decimal_ == u'.' || !typed || body.contains(decimal_))
        // The locale's own form; "." also serves as the decimal point when it is not grouping.
        return split(body, decimal_, groupMark_ + (decimal_ != u'.' && typed ? "." : ""), out) ||
               split(body, u'.', groupMark_, out);
    // Typed without the locale's separator: a "." is a decimal point unless
    // the figures around it can only be grouped thousands.
    const qsizetype points = body.count(u'.');
    if (points >= 2)
        return split(body, QChar(), groupMark_ + u'.', out);
    return (points == 1 && split(body, QChar(), groupMark_ + u'.', out)) ||
           split(body, u'.', groupMark_, out);
}

Parsed<Regional::Decimal> Regional::parse(const QString& text, Reading reading) const {
    Parsed<Decimal> result;
    QString s = bare(text);
    if (reading.testFlag(Percent))
        dropAtEitherEnd(s, percentSigns_);

    bool negative = false;
    if (s.size() >= 2 && s.startsWith(u'(') && s.endsWith(u')')) {
        negative = true;
        s = s.mid(1, s.size() - 2);
    }
    // The sign may stand on either side of the symbol: "-$5.00", "$-5.00", "5,00 €-".
    dropAtEitherEnd(s, symbols_);
    if (dropAtEitherEnd(s, minusSigns_)) {
        if (negative)
            return result; // "(-5)" is not a form any locale writes
        negative = true;
        dropAtEitherEnd(s, symbols_);
    }
    if (s.startsWith(u'+'))
        s.remove(0, 1);

    Decimal decimal;
    if (!readNumber(latinDigits(s), reading, decimal))
        return result;
    decimal.negative = negative;
    result.value = decimal;
    result.error = ParseError::None;
    return result;
}

Parsed<Currency> Regional::toCurrency(const QString& text, Reading reading) const {
    Parsed<Currency> result;
    const Parsed<Decimal> decimal = parse(text, reading);
    if (!decimal)
        return result;
    const QString& intDigits = decimal.value.integerDigits;
    const QString& fracDigits = decimal.value.fractionDigits;

    // Whole units, then four decimals; any further digits round the last one, halves to even.
    std::int64_t units = 0;
    for (QChar c : intDigits) {
        if (__builtin_mul_overflow(units, 10, &units) ||
            __builtin_add_overflow(units, c.unicode() - u'0', &units)) {
            result.error = ParseError::OutOfRange;
            return result;
        }
    }
    std::int64_t fraction = 0;
    for (int i = 0; i < 4; ++i)
        fraction = fraction * 10 + (i < fracDigits.size() ? fracDigits.at(i).unicode() - u'0' : 0);
    if (fracDigits.size() > 4) {
        const QString rest = fracDigits.mid(4);
        const int first = rest.at(0).unicode() - u'0';
        const QString further = rest.mid(1);
        const bool beyondHalf =
            std::any_of(further.begin(), further.end(), [](QChar c) { return c != u'0'; });
        if (first > 5 || (first == 5 && (beyondHalf || fraction % 2 == 1)))
            ++fraction;
    }
    std::int64_t scaled = 0;
    if (__builtin_mul_overflow(units, Currency::Scale, &scaled) ||
        __builtin_add_overflow(scaled, fraction, &scaled)) {
        result.error = ParseError::OutOfRange;
        return result;
    }
    result.value = Currency::fromScaled(decimal.value.negative ? -scaled : scaled);
    result.error = ParseError::None;
    return result;
}

Parsed<double> Regional::toDouble(const QString& text, Reading reading) const {
    Parsed<double> result;
    const Parsed<Decimal> decimal = parse(text, reading);
    if (!decimal)
        return result;
    const QString plain = (decimal.value.negative ? QStringLiteral("-") : QString()) +
                          (decimal.value.integerDigits.isEmpty() ? QStringLiteral("0")
                                                                 : decimal.value.integerDigits) +
                          u'.' + decimal.value.fractionDigits + u'0';
    bool ok = false;
    const double value = plain.toDouble(&ok); // QString::toDouble always reads the C locale
    if (!ok || !std::isfinite(value)) {
        result.error = ParseError::OutOfRange;
        return result;
    }
    result.value = value;
    result.error = ParseError::None;
    return result;
}

Parsed<float> Regional::toFloat(const QString& text, Reading reading) const {
    Parsed<float> result;
    const Parsed<double> wide = toDouble(text, reading);
    result.error = wide.error;
    if (!wide)
        return result;
    if (std::fabs(wide.value) > static_cast<double>(std::numeric_limits<float>::max())) {
        result.error = ParseError::OutOfRange;
        return result;
    }
    result.value = static_cast<float>(wide.value);
    return result;
}

QLocale workingLocale(const QLocale& system) {
    if (system.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return system;
}

} // namespace hw
