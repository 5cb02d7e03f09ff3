#pragma once

#include "MortgageOptions.h"
#include "Schedules.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace hw {

// The caption of a mortgage type's button, by type index.
QString mortgageTypeName(int type);
// Revolving credit has no fixed repayment: the page and the report say so in both repayment cells.
QString variesText();

// What the results page writes into one row. A cell left empty is not written:
// it keeps its text ("Variant", "$0.00" or an earlier figure).
struct RowTexts {
    QString term;
    std::optional<QString> first;
    std::optional<QString> last;
    QString paid;
    QString interest;
    std::optional<QString> finalBalance;
};

// The row of an affordable type: money in the user's currency form, computed
// years with two decimals, the entered term text for the first three types.
RowTexts rowTexts(int type, const OptionFigures& figures, const QString& termText,
                  const Regional& regional);

// Money in the report's fixed form "$"#,##0.00, whatever the user's locale.
QString dollars(double value);
QString dollars(Currency amount);

// One detail record of the report "Mortgage Options".
struct ReportRecord {
    QString mortgageType;
    bool affordable = false;
    QString term;
    QString first;
    QString last;
    QString paid;
    QString interest;
};

// What the report shows: the three header values and one record per type, in type order.
struct ReportContent {
    QString amountBorrowed;
    QString termInYears;
    QString interestRate;
    std::array<ReportRecord, MortgageTypeCount> records;
    // The balances over time, for the report's optional chart page.
    std::vector<BalanceSeries> balances;
    // The What If answers in sentences, for the report's optional page.
    QStringList whatIf;
};

ReportContent reportContent(const OptionsResult& result, Currency amount, const QString& rateText,
                            const QString& termText, const Regional& regional);

} // namespace hw
