#include "Schedules.h"

#include "OptionTexts.h"

#include <QStringList>

namespace hw {

std::vector<BalanceSeries> balanceSeries(const OptionsResult& result, Currency amount) {
    std::vector<BalanceSeries> all;
    for (int type = 0; type < MortgageTypeCount; ++type) {
        const OptionFigures& figures = result.types[static_cast<std::size_t>(type)];
        if (!figures.affordable || figures.schedule.empty())
            continue;
        BalanceSeries series{type, mortgageTypeName(type), {}};
        series.points.reserve(figures.schedule.size() + 1);
        series.points.emplace_back(0.0, amount.toDouble());
        for (const ScheduleRow& row : figures.schedule)
            series.points.emplace_back(row.month / 12.0, row.balance);
        all.push_back(std::move(series));
    }
    return all;
}

namespace {
// Whole cents of a figure, rounded as its shown form rounds it.
std::int64_t centsOf(double value) {
    const auto cents = static_cast<std::int64_t>(roundedMagnitude(value, 2).value_or(0));
    return value < 0.0 ? -cents : cents;
}
Currency fromCents(std::int64_t cents) {
    return Currency::fromScaled(cents * (Currency::Scale / 100));
}
} // namespace

std::vector<ShownScheduleRow> shownSchedule(int type, const OptionFigures& figures,
                                            Currency amount) {
    const std::vector<ScheduleRow>& rows = figures.schedule;
    std::vector<ShownScheduleRow> shown;
    shown.reserve(rows.size());
    // Repayment less interest is principal, except where a fund premium is in the repayment.
    const bool level = type != TableEndowmentType && type != InterestOnlyEndowmentType;
    const std::int64_t borrowed = amount.scaled() / (Currency::Scale / 100);
    const std::int64_t owedAtEnd = centsOf(figures.finalBalance.value_or(0.0));
    double repaid = 0.0, charged = 0.0, reduced = 0.0;
    std::int64_t repaidBefore = 0, chargedBefore = 0, reducedBefore = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ScheduleRow& row = rows[i];
        repaid += row.repayment;
        charged += row.interest;
        reduced += row.principal;
        const bool last = i + 1 == rows.size();
        // Running totals in cents, the last ones the row's own figures: every
        // figure shown stays within a cent of its exact value, and they add up.
        const std::int64_t repaidSoFar = centsOf(last ? figures.totalPaid : repaid);
        std::int64_t chargedSoFar = centsOf(last && level ? figures.interest : charged);
        std::int64_t reducedSoFar = level ? repaidSoFar - chargedSoFar : centsOf(reduced);
        if (last) {
            // The loan ends where the row says it does.
            reducedSoFar = borrowed - owedAtEnd;
            if (level)
                chargedSoFar = repaidSoFar - reducedSoFar;
        }
        ShownScheduleRow out;
        out.month = row.month;
        out.repayment = fromCents(repaidSoFar - repaidBefore);
        out.interest = fromCents(chargedSoFar - chargedBefore);
        out.principal = fromCents(reducedSoFar - reducedBefore);
        out.balance = fromCents(borrowed - reducedSoFar);
        if (row.fund)
            out.fund = fromCents(centsOf(*row.fund));
        shown.push_back(out);
        repaidBefore = repaidSoFar;
        chargedBefore = chargedSoFar;
        reducedBefore = reducedSoFar;
    }
    return shown;
}

CsvStyle regionalCsv(const Regional& regional) {
    const QChar decimal = regional.decimalSeparator();
    return {decimal == u',' ? QChar(u';') : QChar(u','), decimal};
}

QString scheduleCsv(const std::vector<ShownScheduleRow>& rows, CsvStyle style) {
    const bool withFund = !rows.empty() && rows.front().fund.has_value();
    const auto money = [style](Currency value) {
        const std::uint64_t cents = value.centsMagnitude();
        return QStringLiteral("%1%2%3%4")
            .arg(value.isNegative() && cents != 0 ? QStringLiteral("-") : QString())
            .arg(cents / 100)
            .arg(style.decimal)
            .arg(cents % 100, 2, 10, QChar(u'0'));
    };
    QStringList heads = {QStringLiteral("Month"), QStringLiteral("Repayment"),
                         QStringLiteral("Interest"), QStringLiteral("Principal"),
                         QStringLiteral("Balance")};
    if (withFund)
        heads << QStringLiteral("Fund");
    QString csv = heads.join(style.separator) + QStringLiteral("\r\n");
    for (const ShownScheduleRow& row : rows) {
        QStringList cells = {QString::number(row.month), money(row.repayment), money(row.interest),
                             money(row.principal), money(row.balance)};
        if (withFund)
            cells << money(row.fund.value_or(Currency()));
        csv += cells.join(style.separator) + QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace hw
