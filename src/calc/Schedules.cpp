// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
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
// Counts of the currency's smallest shown unit (a cent, a yen).
class Units {
public:
    explicit Units(int decimals)
        : decimals_(decimals),
          scale_(static_cast<std::int64_t>(powerOfTen(Currency::Decimals - decimals))) {}
    // A figure in whole units, rounded as its shown form rounds it.
    std::int64_t of(double value) const {
        const auto units =
            static_cast<std::int64_t>(roundedMagnitude(value, decimals_).value_or(0));
        return value < 0.0 ? -units : units;
    }
    std::int64_t of(Currency amount) const {
        const auto units = static_cast<std::int64_t>(amount.magnitudeIn(decimals_));
        return amount.isNegative() ? -units : units;
    }
    Currency money(std::int64_t units) const { return Currency::fromScaled(units * scale_); }

private:
    int decimals_;
    std::int64_t scale_;
};
} // namespace

std::vector<ShownScheduleRow> shownSchedule(int type, const OptionFigures& figures, Currency amount,
                                            int decimals) {
    const Units units(decimals);
    const std::vector<ScheduleRow>& rows = figures.schedule;
    std::vector<ShownScheduleRow> shown;
    shown.reserve(rows.size());
    // Repayment less principal is interest, except where a fund premium is in the repayment.
    const bool withoutPremium = type != TableEndowmentType && type != InterestOnlyEndowmentType;
    const std::int64_t borrowed = units.of(amount);
    const std::int64_t owedAtEnd = units.of(figures.finalBalance.value_or(0.0));
    double charged = 0.0, reduced = 0.0;
    std::int64_t repaidBefore = 0, chargedBefore = 0, reducedBefore = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ScheduleRow& row = rows[i];
        charged += row.interest;
        reduced += row.principal;
        const bool last = i + 1 == rows.size();
        // Each repayment its own figure, the last what is left of the total;
        // what the loan falls by from running totals, so that every balance
        // stays within a cent of the exact one.
        const std::int64_t repaidSoFar =
            last ? units.of(figures.totalPaid) : repaidBefore + units.of(row.repayment);
        std::int64_t reducedSoFar = units.of(reduced);
        std::int64_t chargedSoFar = withoutPremium ? repaidSoFar - reducedSoFar : units.of(charged);
        if (last) {
            // The loan ends where the row says it does.
            reducedSoFar = borrowed - owedAtEnd;
            if (withoutPremium)
                chargedSoFar = repaidSoFar - reducedSoFar;
        }
        ShownScheduleRow out;
        out.month = row.month;
        out.repayment = units.money(repaidSoFar - repaidBefore);
        out.interest = units.money(chargedSoFar - chargedBefore);
        out.principal = units.money(reducedSoFar - reducedBefore);
        out.balance = units.money(borrowed - reducedSoFar);
        if (row.fund)
            out.fund = units.money(units.of(*row.fund));
        shown.push_back(out);
        repaidBefore = repaidSoFar;
        chargedBefore = chargedSoFar;
        reducedBefore = reducedSoFar;
    }
    return shown;
}

CsvStyle regionalCsv(const Regional& regional) {
    const QChar decimal = regional.decimalSeparator();
    return {decimal == u',' ? QChar(u';') : QChar(u','), decimal, regional.currencyDecimals()};
}

QString scheduleCsv(const std::vector<ShownScheduleRow>& rows, CsvStyle style) {
    const bool withFund = !rows.empty() && rows.front().fund.has_value();
    const std::uint64_t scale = powerOfTen(style.decimals);
    const auto money = [style, scale](Currency value) {
        const std::uint64_t units = value.magnitudeIn(style.decimals);
        const QString sign = value.isNegative() && units != 0 ? QStringLiteral("-") : QString();
        if (style.decimals == 0)
            return sign + QString::number(units);
        return QStringLiteral("%1%2%3%4")
            .arg(sign)
            .arg(units / scale)
            .arg(style.decimal)
            .arg(units % scale, style.decimals, 10, QChar(u'0'));
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
