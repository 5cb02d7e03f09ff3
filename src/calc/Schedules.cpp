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

QString scheduleCsv(const std::vector<ScheduleRow>& rows) {
    const bool withFund = !rows.empty() && rows.front().fund.has_value();
    const auto money = [](double value) {
        const QString text = QString::number(value, 'f', 2);
        return text == QLatin1String("-0.00") ? QStringLiteral("0.00") : text;
    };
    QString csv = QStringLiteral("Month,Repayment,Interest,Principal,Balance");
    csv += withFund ? QStringLiteral(",Fund\r\n") : QStringLiteral("\r\n");
    for (const ScheduleRow& row : rows) {
        QStringList cells = {QString::number(row.month), money(row.repayment), money(row.interest),
                             money(row.principal), money(row.balance)};
        if (withFund)
            cells << money(row.fund.value_or(0.0));
        csv += cells.join(u',') + QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace hw
