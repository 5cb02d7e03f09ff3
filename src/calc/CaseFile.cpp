// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseFile.h"

#include "CaseFields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace hw {

namespace {

// The texts of this file, in its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(hw::CaseFile)
};

const char* const FormatName = "hearthwise-case";
// The word the file uses for a purpose.
const char* purposeKey(int purpose) {
    return captions::Purposes[static_cast<std::size_t>(purpose)].fileKey;
}

// An amount as a plain decimal string with four decimals at most: "1234.5".
QString amountText(Currency amount) {
    const std::uint64_t magnitude = amount.magnitudeIn(4);
    QString text = QString::number(magnitude / 10000);
    const std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        text += u'.' + QString::number(fraction).rightJustified(4, u'0');
        while (text.endsWith(u'0'))
            text.chop(1);
    }
    return amount.isNegative() && magnitude != 0 ? u'-' + text : text;
}

// A value of the file as it stands there, to name it in a message.
QString shownValue(const QJsonValue& value) {
    if (value.isString())
        return value.toString();
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

QJsonArray amounts(std::span<const Currency> figures) {
    QJsonArray out;
    for (const Currency figure : figures)
        out.append(amountText(figure));
    return out;
}

// How a What If field reads its figure: an amount in the currency's decimals,
// a number or percentage to two decimals, a whole count.
enum class NumericFigure { Amount, Number, Count };

// Reads the file's figures into the case, stopping at the first that is wrong.
// Fields are named by their page and caption, ranges written in `forms`.
class Reader {
public:
    Reader(int currencyDecimals, const Regional& forms)
        : decimals_(currencyDecimals), forms_(forms) {}

    std::optional<CaseFileError> error;

    // A section of named figures; one left out (or null) is empty.
    QJsonObject object(const QJsonObject& parent, const char* key) {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (!error && !value.isUndefined() && !value.isNull() && !value.isObject())
            error =
                CaseFileError{Texts::tr("Its section \"%1\" is damaged: it must hold named figures "
                                        "in braces, {...}.")
                                  .arg(QLatin1String(key))};
        return value.toObject();
    }
    // A list; one left out (or null) is empty.
    QJsonArray list(const QJsonObject& parent, const char* key, qsizetype most) {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (!error && !value.isUndefined() && !value.isNull() &&
            (!value.isArray() || value.toArray().size() > most))
            error = CaseFileError{Texts::tr("Its section \"%1\" is damaged: it must be a list in "
                                            "brackets, [...], of at most %2 entries.")
                                      .arg(QLatin1String(key), forms_.locale().toString(most))};
        return value.toArray();
    }

    Currency amount(const QJsonValue& value, const QString& field) {
        if (error || value.isUndefined() || value.isNull())
            return {};
        static const QRegularExpression plain(QStringLiteral("^(\\d+)(?:\\.(\\d+))?$"));
        static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
        const QString shown = shownValue(value);
        if (!value.isString()) {
            fail(field, shown, Texts::tr("an amount written in quotes, such as \"1234.50\""));
            return {};
        }
        const QString text = value.toString().trimmed();
        const QRegularExpressionMatch match = plain.match(text);
        if (!match.hasMatch()) {
            fail(field, shown,
                 text.startsWith(u'-') ? Texts::tr("an amount of 0 or more")
                                       : Texts::tr("a plain amount such as \"1234.50\""));
            return {};
        }
        const QString fraction = match.captured(2);
        if (fraction.size() > decimals_ && fraction.mid(decimals_).contains(nonZero)) {
            fail(field, shown, inTheCurrencysDecimals());
            return {};
        }
        const QString units = match.captured(1);
        const auto whole =
            units.size() <= 15 ? Currency::fromUnits(units.toLongLong()) : std::nullopt;
        const auto total =
            whole && fraction.size() <= 4
                ? whole->plus(Currency::fromScaled(fraction.leftJustified(4, u'0').toLongLong()))
                : std::nullopt;
        if (!total) {
            tooLarge(field, shown);
            return {};
        }
        return *total;
    }

    // A number held at the precision its field shows (two decimals), from
    // `least` up to `most`; `range` says so in the message.
    std::optional<double> number(const QJsonValue& value, const QString& field, double least,
                                 double most, const QString& range) {
        if (error || value.isUndefined() || value.isNull())
            return std::nullopt;
        if (!isNumber(value, field))
            return std::nullopt;
        const double number = asShown(value.toDouble());
        if (!std::isfinite(number) || number < least || number > most) {
            fail(field, shownValue(value), range);
            return std::nullopt;
        }
        return number;
    }
    // A percentage below 100 % (99.99 % at most, as a field shows it).
    double percent(const QJsonValue& value, const QString& field) {
        return number(value, field, 0.0, HighestPercent,
                      Texts::tr("a percentage from %1 to %2")
                          .arg(forms_.percent(0.0), forms_.percent(HighestPercent / 100.0)))
            .value_or(0.0);
    }

    // A What If figure, read as its field reads it and checked as its question
    // checks it; one left out (or null) keeps `start`, the window's.
    template <class Value>
    Value whatIf(const QJsonObject& section, const char* key, WhatIfInput input, NumericFigure kind,
                 Value start) {
        const QJsonValue value = section.value(QLatin1String(key));
        const QString field = Texts::tr("What If, %1").arg(whatIfFigureName(input));
        if (error || value.isUndefined() || value.isNull() || !isNumber(value, field))
            return start;
        double figure = value.toDouble();
        if (kind == NumericFigure::Amount) {
            // An amount field refuses a fraction its currency cannot show.
            const double scaled = figure * std::pow(10.0, decimals_);
            if (std::isfinite(scaled) && std::abs(scaled) < 1e15 &&
                std::abs(scaled - std::round(scaled)) > 1e-6) {
                fail(field, shownValue(value), inTheCurrencysDecimals());
                return start;
            }
        } else if (kind == NumericFigure::Number) {
            figure = asShown(figure);
        }
        if (const auto refusal = figureRefusal(input, figure, forms_)) {
            error = CaseFileError{
                Texts::tr("%1 (%2 is \"%3\".)").arg(refusal->message, field, shownValue(value))};
            return start;
        }
        return static_cast<Value>(figure);
    }

    void fail(const QString& field, const QString& value, const QString& expected) {
        if (error)
            return;
        error = CaseFileError{
            value.isEmpty()
                ? Texts::tr("%1 must be %2.").arg(field, expected)
                : Texts::tr("%1 is \"%2\"; it must be %3.").arg(field, value, expected)};
    }
    void tooLarge(const QString& field, const QString& value) {
        if (!error)
            error = CaseFileError{Texts::tr("%1 is \"%2\"; it is too large.").arg(field, value)};
    }

    const Regional& forms() const { return forms_; }

private:
    // A number or percentage as its field holds it: to two decimals.
    static double asShown(double figure) { return std::round(figure * 100.0) / 100.0; }
    // What an amount with more decimals than the currency shows must be instead.
    QString inTheCurrencysDecimals() const {
        return decimals_ == 0 ? Texts::tr("a whole amount (the currency has no decimals)")
                              : Texts::tr("an amount with no more than %1 decimals")
                                    .arg(forms_.locale().toString(decimals_));
    }
    // Whether a figure is written as a number: a rate or term kept as text is said so.
    bool isNumber(const QJsonValue& value, const QString& field) {
        if (value.isDouble())
            return true;
        if (value.isString())
            fail(field, value.toString(), Texts::tr("a number written without quotes"));
        else
            fail(field, shownValue(value), Texts::tr("a number"));
        return false;
    }

    int decimals_;
    const Regional& forms_;
};

// Reads a list of amounts into `out`, naming each by its page and caption.
template <std::size_t N>
void readAmounts(Reader& read, const QJsonObject& parent, const char* key,
                 std::array<Currency, N>& out, const char* title,
                 const std::array<const char*, N>& captionsOf) {
    const QJsonArray list = read.list(parent, key, static_cast<qsizetype>(N));
    for (qsizetype i = 0; i < std::min<qsizetype>(list.size(), N); ++i) {
        const auto at = static_cast<std::size_t>(i);
        out[at] =
            read.amount(list[i], captionsOf[at] ? captions::fieldName(title, captionsOf[at])
                                                : Texts::tr("%1, figure %2")
                                                      .arg(captions::pageName(title))
                                                      .arg(read.forms().locale().toString(i + 1)));
    }
}

// A What If mortgage type, by its word in the file.
int whatIfType(Reader& read, const QJsonObject& section, const char* key) {
    const QString word = section.value(QLatin1String(key)).toString(QStringLiteral("table"));
    if (word != QLatin1String("table") && word != QLatin1String("reducing-balance"))
        read.fail(Texts::tr("What If, %1").arg(Texts::tr("Mortgage type")), word,
                  Texts::tr("\"table\" or \"reducing-balance\""));
    return word == QLatin1String("reducing-balance") ? ReducingBalanceType : TableType;
}

// The What If settings: each figure read and checked as its field and question
// would; one left out keeps the window's start.
void readWhatIf(Reader& read, const QJsonObject& section, WhatIfSettings& w) {
    using enum NumericFigure;
    using enum WhatIfInput;
    w.risePoints = read.whatIf(section, "risePoints", Rise, Number, w.risePoints);
    w.fixedYears = read.whatIf(section, "fixedYears", FixedYears, Number, w.fixedYears);
    w.resetRate = read.whatIf(section, "resetRate", ResetRate, Number, w.resetRate);
    w.extraType = whatIfType(read, section, "extraType");
    w.extra.extraMonthly =
        read.whatIf(section, "extraMonthly", ExtraMonthly, Amount, w.extra.extraMonthly);
    w.extra.lumpSum = read.whatIf(section, "lumpSum", LumpSum, Amount, w.extra.lumpSum);
    w.extra.lumpMonth = read.whatIf(section, "lumpMonth", LumpMonth, Count, w.extra.lumpMonth);
    w.frequencyType = whatIfType(read, section, "frequencyType");
    w.offsetSavings = read.whatIf(section, "offsetSavings", Savings, Amount, w.offsetSavings);
    w.offsetMonthly =
        read.whatIf(section, "offsetMonthly", MonthlySavings, Amount, w.offsetMonthly);
    const QJsonValue loanValue = section.value(QStringLiteral("currentLoan"));
    if (loanValue.isUndefined() || loanValue.isNull())
        return;
    const QJsonObject loan = read.object(section, "currentLoan");
    CurrentLoanAsked current;
    const std::optional<double> none;
    current.balance = read.whatIf(loan, "balance", CurrentBalance, Amount, none);
    current.ratePercent = read.whatIf(loan, "percent", CurrentRate, Number, none);
    current.yearsLeft = read.whatIf(loan, "yearsLeft", YearsLeft, Number, none);
    current.costs = read.whatIf(loan, "costs", Costs, Amount, none);
    w.current = current;
}

// The lender checks' figures, in the order of LenderFigures::Amounts.
const std::array<const char*, 5> LenderKeys = {"propertyTaxYearly", "heatingMonthly",
                                               "condoFeesMonthly", "debtPaymentsMonthly",
                                               "cardBalances"};

// Files written before the lender checks have no country: none is chosen.
void readLender(Reader& read, const QJsonObject& lender, LenderFigures& figures) {
    const QJsonValue countryValue = lender.value(QStringLiteral("country"));
    const QString key =
        countryValue.isUndefined() ? QStringLiteral("none") : countryValue.toString();
    if (const std::optional<LenderCountry> country = lenderCountryFromKey(key))
        figures.country = *country;
    else
        read.fail(Texts::tr("The lender country"),
                  countryValue.isString() ? key : shownValue(countryValue),
                  Texts::tr("one of \"none\", \"au\", \"ca\", \"ie\", \"nz\", \"uk\", \"us\""));
    for (std::size_t i = 0; i < LenderKeys.size(); ++i)
        figures.*LenderFigures::Amounts[i] =
            read.amount(lender.value(QLatin1String(LenderKeys[i])),
                        captions::fieldName(captions::LenderTitle, captions::Lender[i]));
}

} // namespace

QByteArray caseFileText(const CaseFileContent& content) {
    const MortgageCase& c = content.value;
    QJsonObject file;
    file[QStringLiteral("format")] = QString::fromLatin1(FormatName);
    file[QStringLiteral("version")] = QStringLiteral("%1.0").arg(CaseFileMajorVersion);
    file[QStringLiteral("purpose")] = QString::fromLatin1(purposeKey(c.purpose));
    file[QStringLiteral("assets")] = amounts(c.assets);
    file[QStringLiteral("liabilities")] = amounts(c.liabilities);
    QJsonArray income;
    for (const IncomeFigures& row : c.income)
        income.append(QJsonObject{{QStringLiteral("gross"), amountText(row.gross)},
                                  {QStringLiteral("taxPercent"), row.taxPercent}});
    file[QStringLiteral("income")] = income;
    file[QStringLiteral("budget")] =
        QJsonObject{{QStringLiteral("period"), c.fortnightlyBudget ? QStringLiteral("fortnightly")
                                                                   : QStringLiteral("monthly")},
                    {QStringLiteral("amounts"), amounts(c.budget)}};
    QJsonObject purposes;
    for (int p = 0; p < PurposeCount; ++p) {
        const PurposeFigures& figures = c.purposes[static_cast<std::size_t>(p)];
        purposes[QString::fromLatin1(purposeKey(p))] =
            QJsonObject{{QStringLiteral("first"), amounts(figures.first)},
                        {QStringLiteral("second"), amounts(figures.second)}};
    }
    file[QStringLiteral("purposeFigures")] = purposes;
    file[QStringLiteral("fees")] =
        QJsonObject{{QStringLiteral("valuation"), amountText(c.valuationFee)},
                    {QStringLiteral("legal"), amountText(c.legalFee)}};
    file[QStringLiteral("bankCharges")] =
        QJsonObject{{QStringLiteral("mode"), c.chargesMode == ChargesMode::Percent
                                                 ? QStringLiteral("percent")
                                                 : QStringLiteral("fixed-amount")},
                    {QStringLiteral("percent"), c.chargesPercent},
                    {QStringLiteral("amount"), amountText(c.chargesAmount)}};
    file[QStringLiteral("rate")] =
        QJsonObject{{QStringLiteral("percent"), c.ratePercent},
                    {QStringLiteral("years"), c.termYears},
                    {QStringLiteral("compounding"), c.compounding == Compounding::HalfYearly
                                                        ? QStringLiteral("half-yearly")
                                                        : QStringLiteral("monthly")}};
    QJsonObject lender{{QStringLiteral("country"), lenderCountryKey(c.lender.country)}};
    for (std::size_t i = 0; i < LenderFigures::Amounts.size(); ++i)
        lender[QLatin1String(LenderKeys[i])] = amountText(c.lender.*LenderFigures::Amounts[i]);
    file[QStringLiteral("lender")] = lender;
    const WhatIfSettings& w = content.whatIf;
    QJsonObject whatIf{{QStringLiteral("risePoints"), w.risePoints},
                       {QStringLiteral("fixedYears"), w.fixedYears},
                       {QStringLiteral("extraType"), w.extraType == ReducingBalanceType
                                                         ? QStringLiteral("reducing-balance")
                                                         : QStringLiteral("table")},
                       {QStringLiteral("extraMonthly"), w.extra.extraMonthly},
                       {QStringLiteral("lumpSum"), w.extra.lumpSum},
                       {QStringLiteral("lumpMonth"), w.extra.lumpMonth}};
    if (w.resetRate)
        whatIf[QStringLiteral("resetRate")] = *w.resetRate;
    whatIf[QStringLiteral("frequencyType")] = w.frequencyType == ReducingBalanceType
                                                  ? QStringLiteral("reducing-balance")
                                                  : QStringLiteral("table");
    whatIf[QStringLiteral("offsetSavings")] = w.offsetSavings;
    whatIf[QStringLiteral("offsetMonthly")] = w.offsetMonthly;
    if (w.current) {
        // Only the figures asked: the others start as the window suggests them.
        QJsonObject loan;
        const auto put = [&loan](const char* key, const std::optional<double>& figure) {
            if (figure)
                loan[QLatin1String(key)] = *figure;
        };
        put("balance", w.current->balance);
        put("percent", w.current->ratePercent);
        put("yearsLeft", w.current->yearsLeft);
        put("costs", w.current->costs);
        whatIf[QStringLiteral("currentLoan")] = loan;
    }
    file[QStringLiteral("whatIf")] = whatIf;
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

std::variant<CaseFileContent, CaseFileError>
readCaseFile(const QByteArray& bytes, int currencyDecimals, const Regional& forms) {
    // A case takes a few kilobytes; anything far larger is something else.
    if (bytes.size() > LargestCaseFile)
        return CaseFileError{Texts::tr("It is too large to be a Hearthwise case.")};
    if (bytes.trimmed().isEmpty())
        return CaseFileError{Texts::tr("It is empty.")};
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject())
        return CaseFileError{Texts::tr("It is not a Hearthwise case, or it is damaged: %1.")
                                 .arg(parsed.error != QJsonParseError::NoError
                                          ? parsed.errorString()
                                          : Texts::tr("no case in it"))};
    const QJsonObject file = document.object();
    if (file.value(QStringLiteral("format")).toString() != QLatin1String(FormatName))
        return CaseFileError{Texts::tr("It is not a Hearthwise case.")};
    const QString version = file.value(QStringLiteral("version")).toString();
    static const QRegularExpression versionForm(QStringLiteral("^(\\d{1,4})\\.\\d{1,4}$"));
    const QRegularExpressionMatch versionMatch = versionForm.match(version);
    if (!versionMatch.hasMatch())
        return CaseFileError{
            Texts::tr("Its version, \"%1\", is not one Hearthwise knows.").arg(version)};
    if (versionMatch.captured(1).toInt() > CaseFileMajorVersion)
        return CaseFileError{
            Texts::tr("It comes from a newer Hearthwise (version %1): please open it "
                      "there.")
                .arg(version)};

    CaseFileContent content;
    MortgageCase& c = content.value;
    Reader read(currencyDecimals, forms);
    const QString purpose = file.value(QStringLiteral("purpose")).toString();
    const auto* key = std::find_if(captions::Purposes.begin(), captions::Purposes.end(),
                                   [&purpose](const captions::PurposeCaptions& p) {
                                       return purpose == QLatin1String(p.fileKey);
                                   });
    if (!file.contains(QStringLiteral("purpose")))
        c.purpose = FirstHomeBuyer;
    else if (key == captions::Purposes.end())
        read.fail(Texts::tr("The purpose"), purpose, Texts::tr("one of the nine purposes"));
    else
        c.purpose = static_cast<int>(key - captions::Purposes.begin());
    readAmounts(read, file, "assets", c.assets, captions::AssetsTitle, captions::Assets);
    readAmounts(read, file, "liabilities", c.liabilities, captions::LiabilitiesTitle,
                captions::Liabilities);
    const QJsonArray income = read.list(file, "income", 3);
    for (qsizetype row = 0; row < std::min<qsizetype>(income.size(), 3); ++row) {
        const auto at = static_cast<std::size_t>(row);
        if (!income[row].isObject() && !income[row].isNull())
            read.fail(Texts::tr("Income, row %1").arg(forms.locale().toString(row + 1)), QString(),
                      Texts::tr("named figures in braces, {...}"));
        const QJsonObject line = income[row].toObject();
        const QString name = captions::fieldName(captions::IncomeTitle, captions::Income[at]);
        c.income[at] = {
            read.amount(line.value(QStringLiteral("gross")), name),
            read.percent(line.value(QStringLiteral("taxPercent")), captions::taxRateName(at))};
    }
    const QJsonObject budget = read.object(file, "budget");
    const QString period =
        budget.value(QStringLiteral("period")).toString(QStringLiteral("fortnightly"));
    if (period != QLatin1String("fortnightly") && period != QLatin1String("monthly"))
        read.fail(Texts::tr("The budget period"), period,
                  Texts::tr("\"fortnightly\" or \"monthly\""));
    c.fortnightlyBudget = period == QLatin1String("fortnightly");
    readAmounts(read, budget, "amounts", c.budget, captions::BudgetTitle, captions::Budget);
    const QJsonObject purposes = read.object(file, "purposeFigures");
    for (int p = 0; p < PurposeCount; ++p) {
        const auto at = static_cast<std::size_t>(p);
        const QJsonObject figures = read.object(purposes, purposeKey(p));
        const captions::PurposeCaptions& page = captions::Purposes[at];
        readAmounts(read, figures, "first", c.purposes[at].first, page.title, page.first);
        readAmounts(read, figures, "second", c.purposes[at].second, page.title, page.second);
    }
    const QJsonObject fees = read.object(file, "fees");
    c.valuationFee =
        read.amount(fees.value(QStringLiteral("valuation")),
                    captions::fieldName(captions::ChargesTitle, captions::ValuationFee));
    c.legalFee = read.amount(fees.value(QStringLiteral("legal")),
                             captions::fieldName(captions::ChargesTitle, captions::LegalFee));
    const QJsonObject charges = read.object(file, "bankCharges");
    const QString mode = charges.value(QStringLiteral("mode")).toString(QStringLiteral("percent"));
    if (mode != QLatin1String("percent") && mode != QLatin1String("fixed-amount"))
        read.fail(Texts::tr("The bank charges' mode"), mode,
                  Texts::tr("\"percent\" or \"fixed-amount\""));
    c.chargesMode =
        mode == QLatin1String("percent") ? ChargesMode::Percent : ChargesMode::FixedAmount;
    const QString bankCharges = captions::fieldName(captions::ChargesTitle, captions::BankCharges);
    c.chargesPercent = read.percent(charges.value(QStringLiteral("percent")), bankCharges);
    c.chargesAmount = read.amount(charges.value(QStringLiteral("amount")), bankCharges);
    const QJsonObject rate = read.object(file, "rate");
    c.ratePercent = read.percent(rate.value(QStringLiteral("percent")),
                                 captions::fieldName(captions::RateTitle, captions::InterestRate));
    // A term of 0 is one not given yet, as a new case starts.
    const QJsonValue years = rate.value(QStringLiteral("years"));
    const QString term = captions::fieldName(captions::RateTitle, captions::Term);
    const QString termRange = Texts::tr("between %1 and %2")
                                  .arg(forms.locale().toString(ShortestTermYears),
                                       forms.locale().toString(LongestTermYears));
    c.termYears = read.number(years, term, 0.0, LongestTermYears, termRange).value_or(0.0);
    if (c.termYears > 0.0 && !withinTermLimits(c.termYears))
        read.fail(term, shownValue(years), termRange);
    // Files written before the rate had its compounding compound monthly.
    const QJsonValue compoundingValue = rate.value(QStringLiteral("compounding"));
    const QString compounding =
        compoundingValue.isUndefined() ? QStringLiteral("monthly") : compoundingValue.toString();
    if (compounding != QLatin1String("monthly") && compounding != QLatin1String("half-yearly"))
        read.fail(Texts::tr("The rate's compounding"), compounding,
                  Texts::tr("\"monthly\" or \"half-yearly\""));
    c.compounding = compounding == QLatin1String("half-yearly") ? Compounding::HalfYearly
                                                                : Compounding::Monthly;
    readLender(read, read.object(file, "lender"), c.lender);
    readWhatIf(read, read.object(file, "whatIf"), content.whatIf);
    if (read.error)
        return *read.error;
    return content;
}

std::variant<CaseFileContent, CaseFileError>
readCaseFileAt(const QString& path, int currencyDecimals, const Regional& forms) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CaseFileError{file.errorString() + u'.'};
    return readCaseFile(file.read(LargestCaseFile + 1), currencyDecimals, forms);
}

QString caseFileRefusal(const QString& path, const CaseFileError& error) {
    return Texts::tr("%1 could not be opened. %2").arg(QDir::toNativeSeparators(path), error.what);
}

} // namespace hw
