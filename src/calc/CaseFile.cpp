#include "CaseFile.h"

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

QString tr(const char* text) {
    return QCoreApplication::translate("hw::CaseFile", text);
}

const char* const FormatName = "hearthwise-case";
// The purposes by the words the file uses for them, in the order of their buttons.
const char* const PurposeKeys[PurposeCount] = {
    "first-home-buyer",     "first-home-builder",     "home-improvement",    "selling-and-buying",
    "selling-and-building", "additional-real-estate", "additional-building", "refinance",
    "other-loans"};

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

// Reads the file's figures into the case, stopping at the first that is wrong.
class Reader {
public:
    explicit Reader(int currencyDecimals) : decimals_(currencyDecimals) {}

    std::optional<CaseFileError> error;

    Currency amount(const QJsonValue& value, const QString& field) {
        if (error || value.isUndefined() || value.isNull())
            return {};
        static const QRegularExpression plain(QStringLiteral("^(\\d{1,15})(?:\\.(\\d{1,4}))?$"));
        static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
        const QString text = value.isString() ? value.toString().trimmed() : QString();
        const QRegularExpressionMatch match = plain.match(text);
        const QString shown = shownValue(value);
        if (!match.hasMatch()) {
            fail(field, shown,
                 text.startsWith(u'-') ? tr("an amount of 0 or more")
                                       : tr("a plain amount such as \"1234.50\""));
            return {};
        }
        const QString fraction = match.captured(2);
        if (fraction.size() > decimals_ && fraction.mid(decimals_).contains(nonZero)) {
            fail(field, shown,
                 decimals_ == 0 ? tr("a whole amount (the currency has no decimals)")
                                : tr("an amount with no more than %1 decimals").arg(decimals_));
            return {};
        }
        const std::int64_t units = match.captured(1).toLongLong();
        const std::int64_t parts = fraction.leftJustified(4, u'0').toLongLong();
        const auto whole = Currency::fromUnits(units);
        const auto total = whole ? whole->plus(Currency::fromScaled(parts)) : std::nullopt;
        if (!total) {
            fail(field, shown, tr("an amount within the program's range"));
            return {};
        }
        return *total;
    }

    // A number from `least` up to (and with `below`, short of) `most`.
    double number(const QJsonValue& value, const QString& field, double least, double most,
                  bool below, const QString& range) {
        if (error || value.isUndefined() || value.isNull())
            return 0.0;
        // Held at the precision its field shows, and checked as held.
        const double number = std::round(value.toDouble(std::nan("")) * 100.0) / 100.0;
        const bool inRange = value.isDouble() && std::isfinite(number) && number >= least &&
                             (below ? number < most : number <= most);
        if (!inRange) {
            fail(field, shownValue(value), range);
            return 0.0;
        }
        return number;
    }

    template <std::size_t N>
    void amounts(const QJsonValue& value, const QString& field, std::array<Currency, N>& out) {
        if (error || value.isUndefined() || value.isNull())
            return;
        const QJsonArray list = value.toArray();
        if (!value.isArray() || list.size() > static_cast<qsizetype>(N)) {
            fail(field, QString(), tr("a list of at most %1 amounts").arg(N));
            return;
        }
        for (qsizetype i = 0; i < list.size(); ++i)
            out[static_cast<std::size_t>(i)] =
                amount(list[i], QStringLiteral("%1 %2").arg(field).arg(i + 1));
    }

    void fail(const QString& field, const QString& value, const QString& expected) {
        if (error)
            return;
        error = CaseFileError{value.isEmpty()
                                  ? tr("%1 must be %2.").arg(field, expected)
                                  : tr("%1 is \"%2\"; it must be %3.").arg(field, value, expected)};
    }

private:
    int decimals_;
};

} // namespace

QByteArray caseFileText(const CaseFileContent& content) {
    const MortgageCase& c = content.value;
    QJsonObject file;
    file[QStringLiteral("format")] = QString::fromLatin1(FormatName);
    file[QStringLiteral("version")] = QStringLiteral("%1.0").arg(CaseFileMajorVersion);
    file[QStringLiteral("purpose")] = QString::fromLatin1(PurposeKeys[c.purpose]);
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
        purposes[QString::fromLatin1(PurposeKeys[p])] =
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
    file[QStringLiteral("rate")] = QJsonObject{{QStringLiteral("percent"), c.ratePercent},
                                               {QStringLiteral("years"), c.termYears}};
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
    if (w.current)
        whatIf[QStringLiteral("currentLoan")] =
            QJsonObject{{QStringLiteral("balance"), w.current->balance},
                        {QStringLiteral("percent"), w.current->ratePercent},
                        {QStringLiteral("yearsLeft"), w.current->yearsLeft},
                        {QStringLiteral("costs"), w.current->costs}};
    file[QStringLiteral("whatIf")] = whatIf;
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

std::variant<CaseFileContent, CaseFileError> readCaseFile(const QByteArray& bytes,
                                                          int currencyDecimals) {
    // A case takes a few kilobytes; anything far larger is something else.
    if (bytes.size() > LargestCaseFile)
        return CaseFileError{tr("It is too large to be a Hearthwise case.")};
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject())
        return CaseFileError{tr("It is not a Hearthwise case, or it is damaged: %1.")
                                 .arg(parsed.error != QJsonParseError::NoError
                                          ? parsed.errorString()
                                          : tr("no case in it"))};
    const QJsonObject file = document.object();
    if (file.value(QStringLiteral("format")).toString() != QLatin1String(FormatName))
        return CaseFileError{tr("It is not a Hearthwise case.")};
    const QString version = file.value(QStringLiteral("version")).toString();
    static const QRegularExpression versionForm(QStringLiteral("^(\\d{1,4})\\.\\d{1,4}$"));
    const QRegularExpressionMatch versionMatch = versionForm.match(version);
    if (!versionMatch.hasMatch())
        return CaseFileError{tr("Its version, \"%1\", is not one Hearthwise knows.").arg(version)};
    if (versionMatch.captured(1).toInt() > CaseFileMajorVersion)
        return CaseFileError{tr("It comes from a newer Hearthwise (version %1): please open it "
                                "there.")
                                 .arg(version)};

    CaseFileContent content;
    MortgageCase& c = content.value;
    Reader read(currencyDecimals);
    const QString purpose = file.value(QStringLiteral("purpose")).toString();
    const auto* key =
        std::find_if(std::begin(PurposeKeys), std::end(PurposeKeys),
                     [&purpose](const char* k) { return purpose == QLatin1String(k); });
    if (!file.contains(QStringLiteral("purpose")))
        c.purpose = FirstHomeBuyer;
    else if (key == std::end(PurposeKeys))
        read.fail(tr("The purpose"), purpose, tr("one of the nine purposes"));
    else
        c.purpose = static_cast<int>(key - std::begin(PurposeKeys));
    read.amounts(file.value(QStringLiteral("assets")), tr("Assets"), c.assets);
    read.amounts(file.value(QStringLiteral("liabilities")), tr("Liabilities"), c.liabilities);
    const QJsonArray income = file.value(QStringLiteral("income")).toArray();
    if (income.size() > 3)
        read.fail(tr("Income"), QString(), tr("a list of at most 3 rows"));
    for (qsizetype row = 0; row < std::min<qsizetype>(income.size(), 3); ++row) {
        const QJsonObject line = income[row].toObject();
        const QString name = tr("Income row %1").arg(row + 1);
        c.income[static_cast<std::size_t>(row)] = {
            read.amount(line.value(QStringLiteral("gross")), name),
            read.number(line.value(QStringLiteral("taxPercent")), name + tr(", tax rate"), 0.0,
                        100.0, true, tr("a percentage of 0 or more and less than 100"))};
    }
    const QJsonObject budget = file.value(QStringLiteral("budget")).toObject();
    const QString period =
        budget.value(QStringLiteral("period")).toString(QStringLiteral("fortnightly"));
    if (period != QLatin1String("fortnightly") && period != QLatin1String("monthly"))
        read.fail(tr("The budget period"), period, tr("\"fortnightly\" or \"monthly\""));
    c.fortnightlyBudget = period == QLatin1String("fortnightly");
    read.amounts(budget.value(QStringLiteral("amounts")), tr("Budget"), c.budget);
    const QJsonObject purposes = file.value(QStringLiteral("purposeFigures")).toObject();
    for (int p = 0; p < PurposeCount; ++p) {
        const QJsonObject figures = purposes.value(QString::fromLatin1(PurposeKeys[p])).toObject();
        const QString name = QString::fromLatin1(PurposeKeys[p]);
        PurposeFigures& out = c.purposes[static_cast<std::size_t>(p)];
        read.amounts(figures.value(QStringLiteral("first")), name, out.first);
        read.amounts(figures.value(QStringLiteral("second")), name + tr(", second part"),
                     out.second);
    }
    const QJsonObject fees = file.value(QStringLiteral("fees")).toObject();
    c.valuationFee = read.amount(fees.value(QStringLiteral("valuation")), tr("The valuation fee"));
    c.legalFee = read.amount(fees.value(QStringLiteral("legal")), tr("The legal fee"));
    const QJsonObject charges = file.value(QStringLiteral("bankCharges")).toObject();
    const QString mode = charges.value(QStringLiteral("mode")).toString(QStringLiteral("percent"));
    if (mode != QLatin1String("percent") && mode != QLatin1String("fixed-amount"))
        read.fail(tr("The bank charges' mode"), mode, tr("\"percent\" or \"fixed-amount\""));
    c.chargesMode =
        mode == QLatin1String("percent") ? ChargesMode::Percent : ChargesMode::FixedAmount;
    c.chargesPercent =
        read.number(charges.value(QStringLiteral("percent")), tr("The bank charges' percentage"),
                    0.0, 100.0, true, tr("a percentage of 0 or more and less than 100"));
    c.chargesAmount =
        read.amount(charges.value(QStringLiteral("amount")), tr("The bank charges' amount"));
    const QJsonObject rate = file.value(QStringLiteral("rate")).toObject();
    c.ratePercent = read.number(rate.value(QStringLiteral("percent")), tr("The interest rate"), 0.0,
                                100.0, true, tr("a percentage of 0 or more and less than 100"));
    // A term of 0 is one not given yet, as a new case starts.
    const QJsonValue years = rate.value(QStringLiteral("years"));
    c.termYears =
        read.number(years, tr("The term in years"), 0.0, 100.0, false, tr("between 0.1 and 100"));
    if (c.termYears > 0.0 && c.termYears < 0.1)
        read.fail(tr("The term in years"), shownValue(years), tr("between 0.1 and 100"));
    const QJsonObject whatIf = file.value(QStringLiteral("whatIf")).toObject();
    WhatIfSettings& w = content.whatIf;
    if (whatIf.contains(QStringLiteral("risePoints")))
        w.risePoints =
            read.number(whatIf.value(QStringLiteral("risePoints")), tr("The What If rise"), 0.0,
                        LargestRise, false, tr("between 0 and 10 points"));
    if (whatIf.contains(QStringLiteral("fixedYears")))
        w.fixedYears =
            read.number(whatIf.value(QStringLiteral("fixedYears")), tr("The What If fixed years"),
                        0.0, 100.0, false, tr("between 0 and 100"));
    if (whatIf.contains(QStringLiteral("resetRate")))
        w.resetRate =
            read.number(whatIf.value(QStringLiteral("resetRate")), tr("The What If new rate"), 0.0,
                        100.0, true, tr("a percentage of 0 or more and less than 100"));
    w.extraType =
        whatIf.value(QStringLiteral("extraType")).toString() == QLatin1String("reducing-balance")
            ? ReducingBalanceType
            : TableType;
    if (whatIf.contains(QStringLiteral("extraMonthly")))
        w.extra.extraMonthly = read.number(whatIf.value(QStringLiteral("extraMonthly")),
                                           tr("The What If extra each month"), 0.0, 1e15, false,
                                           tr("an amount of 0 or more"));
    if (whatIf.contains(QStringLiteral("lumpSum")))
        w.extra.lumpSum =
            read.number(whatIf.value(QStringLiteral("lumpSum")), tr("The What If lump sum"), 0.0,
                        1e15, false, tr("an amount of 0 or more"));
    if (whatIf.contains(QStringLiteral("lumpMonth")))
        w.extra.lumpMonth = static_cast<int>(read.number(whatIf.value(QStringLiteral("lumpMonth")),
                                                         tr("The What If month"), 1.0, 1200.0,
                                                         false, tr("a month from 1 to 1200")));
    w.frequencyType = whatIf.value(QStringLiteral("frequencyType")).toString() ==
                              QLatin1String("reducing-balance")
                          ? ReducingBalanceType
                          : TableType;
    const QString anAmount = tr("an amount of 0 or more");
    if (whatIf.contains(QStringLiteral("offsetSavings")))
        w.offsetSavings = read.number(whatIf.value(QStringLiteral("offsetSavings")),
                                      tr("The What If offset savings"), 0.0, 1e15, false, anAmount);
    if (whatIf.contains(QStringLiteral("offsetMonthly")))
        w.offsetMonthly =
            read.number(whatIf.value(QStringLiteral("offsetMonthly")),
                        tr("The What If savings each month"), 0.0, 1e15, false, anAmount);
    if (whatIf.contains(QStringLiteral("currentLoan"))) {
        const QJsonObject loan = whatIf.value(QStringLiteral("currentLoan")).toObject();
        CurrentLoan current;
        current.balance = read.number(loan.value(QStringLiteral("balance")),
                                      tr("The current loan's balance"), 0.0, 1e15, false, anAmount);
        current.ratePercent =
            read.number(loan.value(QStringLiteral("percent")), tr("The current loan's rate"), 0.0,
                        99.99, false, tr("a percentage from 0 to 99.99"));
        current.yearsLeft = read.number(loan.value(QStringLiteral("yearsLeft")),
                                        tr("The current loan's years left"), 0.1, 100.0, false,
                                        tr("a number of years from 0.1 to 100"));
        current.costs = read.number(loan.value(QStringLiteral("costs")),
                                    tr("The costs of switching"), 0.0, 1e15, false, anAmount);
        w.current = current;
    }
    if (read.error)
        return *read.error;
    return content;
}

std::variant<CaseFileContent, CaseFileError> readCaseFileAt(const QString& path,
                                                            int currencyDecimals) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CaseFileError{file.errorString() + u'.'};
    return readCaseFile(file.read(LargestCaseFile + 1), currencyDecimals);
}

QString caseFileRefusal(const QString& path, const CaseFileError& error) {
    return tr("%1 could not be opened. %2").arg(QDir::toNativeSeparators(path), error.what);
}

} // namespace hw
