#include "Regional.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace hw {

namespace {

bool isBlank(QChar c) {
    return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F);
}

QString withoutBlanks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c))
            out.append(c);
    return out;
}

bool allDigits(const QString& s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
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
void splitAround(const QString& sample, const QString& number, QString& prefix, QString& suffix) {
    const qsizetype at = sample.indexOf(number);
    if (at < 0) {
        prefix.clear();
        suffix.clear();
        return;
    }
    prefix = sample.left(at);
    suffix = sample.mid(at + number.size());
}

} // namespace

Regional::Regional(const QLocale& locale) : locale_(locale) {
    locale_.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString decimalText = locale_.decimalPoint();
    decimal_ = decimalText.isEmpty() ? QChar(u'.') : decimalText.at(0);
    const QString groupText = locale_.groupSeparator();
    group_ = groupText.isEmpty() ? QChar() : groupText.at(0);

    const QString number = locale_.toString(1234.5, 'f', 2);
    splitAround(locale_.toCurrencyString(1234.5), number, positivePrefix_, positiveSuffix_);
    splitAround(locale_.toCurrencyString(-1234.5), number, negativePrefix_, negativeSuffix_);
    if (negativePrefix_.isEmpty() && negativeSuffix_.isEmpty())
        negativePrefix_ = locale_.negativeSign() + positivePrefix_;
    percentSeparator_ = spacedPercent(locale_.language()) ? QString(QChar(0x00A0)) : QString();
}

QString Regional::formatCents(bool negative, quint64 cents) const {
    const QString units = locale_.toString(static_cast<qulonglong>(cents / 100));
    const quint64 fraction = cents % 100;
    const QString digits =
        units + decimal_ + QString::number(fraction).rightJustified(2, QChar(u'0'));
    if (negative && cents != 0)
        return negativePrefix_ + digits + negativeSuffix_;
    return positivePrefix_ + digits + positiveSuffix_;
}

QString Regional::currency(Currency amount) const {
    return formatCents(amount.isNegative(), amount.centsMagnitude());
}

QString Regional::currency(double amount) const {
    if (!std::isfinite(amount))
        return locale_.toCurrencyString(0.0);
    // Rounds the exact binary value to the cent: 2.675 is stored just below and shows 2.67.
    const QString fixed = QString::number(std::fabs(amount), 'f', 2);
    const qsizetype dot = fixed.indexOf(u'.');
    bool ok = false;
    const quint64 units = fixed.left(dot).toULongLong(&ok);
    if (!ok || units > std::numeric_limits<quint64>::max() / 100)
        return locale_.toCurrencyString(amount, QString(), 2);
    const quint64 cents = units * 100 + fixed.mid(dot + 1).toULongLong();
    return formatCents(amount < 0, cents);
}

QString Regional::percent(double fraction) const {
    return locale_.toString(fraction * 100.0, 'f', 2) + percentSeparator_ + locale_.percent();
}

QString Regional::number(double value) const {
    return locale_.toString(value, 'f', 2);
}

QString Regional::editing(double value) const {
    QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    text.replace(u'.', decimal_);
    return text;
}

bool Regional::splitGrouped(const QString& body, Decimal& out) const {
    const qsizetype point = body.indexOf(decimal_);
    const QString integer = point < 0 ? body : body.left(point);
    const QString fraction = point < 0 ? QString() : body.mid(point + 1);
    if (!allDigits(fraction))
        return false;
    QString digits;
    if (!group_.isNull() && !isBlank(group_) && integer.contains(group_)) {
        const QStringList groups = integer.split(group_);
        for (qsizetype i = 0; i < groups.size(); ++i) {
            const QString& g = groups.at(i);
            const bool sizeOk = i == 0 ? (g.size() >= 1 && g.size() <= 3) : g.size() == 3;
            if (!sizeOk || !allDigits(g))
                return false;
            digits += g;
        }
    } else {
        if (!allDigits(integer))
            return false;
        digits = integer;
    }
    if (digits.isEmpty() && fraction.isEmpty())
        return false;
    out.integerDigits = digits;
    out.fractionDigits = fraction;
    return true;
}

bool Regional::splitPlain(const QString& body, Decimal& out) const {
    // The editing form as typed: digits with at most one "." or locale decimal separator.
    qsizetype point = -1;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        if (c == u'.' || c == decimal_) {
            if (point >= 0)
                return false;
            point = i;
        } else if (c < u'0' || c > u'9') {
            return false;
        }
    }
    out.integerDigits = point < 0 ? body : body.left(point);
    out.fractionDigits = point < 0 ? QString() : body.mid(point + 1);
    return !(out.integerDigits.isEmpty() && out.fractionDigits.isEmpty());
}

Parsed<Regional::Decimal> Regional::parse(const QString& text, int reading) const {
    const bool allowPercent = (reading & Percent) != 0;
    Parsed<Decimal> result;
    QString s = withoutBlanks(text);
    if (allowPercent && s.endsWith(locale_.percent()))
        s.chop(locale_.percent().size());
    if (allowPercent && s.endsWith(u'%'))
        s.chop(1);

    bool negative = false;
    if (s.size() >= 2 && s.startsWith(u'(') && s.endsWith(u')')) {
        negative = true;
        s = s.mid(1, s.size() - 2);
    }
    const QString symbol = withoutBlanks(locale_.currencySymbol());
    const auto dropSymbol = [&] {
        for (const QString& sym : {symbol, QStringLiteral("$")}) {
            if (sym.isEmpty())
                continue;
            if (s.startsWith(sym)) {
                s.remove(0, sym.size());
                return;
            }
            if (s.endsWith(sym)) {
                s.chop(sym.size());
                return;
            }
        }
    };
    const auto dropSign = [&] {
        for (const QChar minus : {QChar(u'-'), QChar(0x2212)}) {
            if (s.startsWith(minus)) {
                s.remove(0, 1);
                return true;
            }
            if (s.endsWith(minus)) {
                s.chop(1);
                return true;
            }
        }
        return false;
    };
    // The sign may stand on either side of the symbol: "-$5.00", "$-5.00", "5,00 €-".
    dropSymbol();
    if (dropSign()) {
        if (negative)
            return result; // "(-5)" is not a form any locale writes
        negative = true;
        dropSymbol();
    }
    if (s.startsWith(u'+'))
        s.remove(0, 1);

    Decimal decimal;
    const bool read = (reading & Typed) != 0 ? (splitPlain(s, decimal) || splitGrouped(s, decimal))
                                             : (splitGrouped(s, decimal) || splitPlain(s, decimal));
    if (!read)
        return result;
    decimal.negative = negative;
    result.value = decimal;
    result.error = ParseError::None;
    return result;
}

Parsed<Currency> Regional::toCurrency(const QString& text, int reading) const {
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

Parsed<double> Regional::toDouble(const QString& text, int reading) const {
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

Parsed<float> Regional::toFloat(const QString& text, int reading) const {
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
