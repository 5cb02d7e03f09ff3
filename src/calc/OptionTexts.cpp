#include "OptionTexts.h"

#include <QCoreApplication>
#include <cmath>

namespace hw {

namespace {

const char* const TypeNames[MortgageTypeCount] = {
    "Table",
    "Reducing Balance",
    "Interest Only",
    "Table Endowment",
    "Interest Only Endowment",
    "Revolving Credit with Cash Managment",
    "Revolving Credit with Credit Card Managment",
};

QString groupedDollars(bool negative, const QString& units, const QString& cents) {
    QString grouped = units;
    for (qsizetype at = grouped.size() - 3; at > 0; at -= 3)
        grouped.insert(at, u',');
    const bool showMinus =
        negative && (units != QLatin1String("0") || cents != QLatin1String("00"));
    return (showMinus ? QStringLiteral("-$") : QStringLiteral("$")) + grouped + u'.' + cents;
}

// The computed years with two decimals; the entered term for the types that keep it.
QString shownTerm(const OptionFigures& figures, const QString& termText, const Regional& regional) {
    return figures.years ? regional.number(*figures.years) : termText;
}

} // namespace

QString variesText() {
    return QCoreApplication::translate("hw::OptionTexts", "Variant");
}

QString mortgageTypeName(int type) {
    if (type < 0 || type >= MortgageTypeCount)
        return {};
    return QCoreApplication::translate("hw::OptionTexts", TypeNames[type]);
}

RowTexts rowTexts(int type, const OptionFigures& figures, const QString& termText,
                  const Regional& regional) {
    const auto money = [&regional](std::optional<double> value) -> std::optional<QString> {
        if (!value)
            return std::nullopt;
        return regional.currency(*value);
    };
    RowTexts row;
    row.term = shownTerm(figures, termText, regional);
    row.first = money(figures.first);
    // The Table row repeats its first repayment's text as its last.
    row.last = type == TableType ? row.first : money(figures.last);
    row.paid = regional.currency(figures.totalPaid);
    row.interest = regional.currency(figures.interest);
    row.finalBalance = money(figures.finalBalance);
    return row;
}

QString dollars(double value) {
    if (!std::isfinite(value))
        value = 0.0;
    // Rounds the exact binary value to the cent.
    const QString fixed = QString::number(std::fabs(value), 'f', 2);
    const qsizetype dot = fixed.indexOf(u'.');
    return groupedDollars(value < 0.0, fixed.left(dot), fixed.mid(dot + 1));
}

QString dollars(Currency amount) {
    const std::uint64_t cents = amount.centsMagnitude();
    return groupedDollars(amount.isNegative(), QString::number(cents / 100),
                          QString::number(cents % 100).rightJustified(2, u'0'));
}

ReportContent reportContent(const OptionsResult& result, Currency amount, const QString& rateText,
                            const QString& termText, const Regional& regional) {
    ReportContent report;
    report.amountBorrowed = dollars(amount);
    report.termInYears = termText;
    report.interestRate = rateText;
    for (int type = 0; type < MortgageTypeCount; ++type) {
        const OptionFigures& figures = result.types[static_cast<std::size_t>(type)];
        ReportRecord& record = report.records[static_cast<std::size_t>(type)];
        record.mortgageType = mortgageTypeName(type);
        record.affordable = figures.affordable;
        if (!figures.affordable)
            continue;
        const auto money = [](std::optional<double> value) {
            return value ? dollars(*value) : variesText();
        };
        record.term = shownTerm(figures, termText, regional);
        record.first = money(figures.first);
        record.last = money(figures.last);
        record.paid = dollars(figures.totalPaid);
        record.interest = dollars(figures.interest);
    }
    report.balances = balanceSeries(result, amount);
    return report;
}

} // namespace hw
