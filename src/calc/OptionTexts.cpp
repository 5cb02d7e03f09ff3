// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionTexts.h"

#include <QCoreApplication>
#include <cmath>

namespace hw {

namespace {

const char* const TypeNames[MortgageTypeCount] = {
    QT_TRANSLATE_NOOP("hw::OptionTexts", "Table"),
    QT_TRANSLATE_NOOP("hw::OptionTexts", "Reducing Balance"),
    QT_TRANSLATE_NOOP("hw::OptionTexts", "Interest Only"),
    QT_TRANSLATE_NOOP("hw::OptionTexts", "Table Endowment"),
    QT_TRANSLATE_NOOP("hw::OptionTexts", "Interest Only Endowment"),
    QT_TRANSLATE_NOOP("hw::OptionTexts", "Revolving Credit with Cash Management"),
    QT_TRANSLATE_NOOP("hw::OptionTexts", "Revolving Credit with Credit Card Management"),
};

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

bool figuresWorkedOut(const OptionFigures& figures) {
    return figures.first.has_value() || figures.years.has_value();
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

// The texts of these functions, in their translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(hw::OptionTexts)
};

QString notAffordableReason(const OptionFigures& figures, const Regional& regional) {
    if (figures.affordable)
        return {};
    switch (figures.obstacle) {
    case Obstacle::RepaymentAboveSpare:
        return Texts::tr("Needs %1 a month; %2 is spare")
            .arg(regional.currency(figures.needed), regional.currency(figures.spareIncome));
    case Obstacle::InterestAboveSpare:
        return Texts::tr("The first month's interest, %1, is more than the %2 spare")
            .arg(regional.currency(figures.needed), regional.currency(figures.spareIncome));
    case Obstacle::FundNeverReachesAmount:
        return Texts::tr("The fund never reaches the amount borrowed at this rate");
    case Obstacle::SpareBelowInterest:
        return Texts::tr("The spare income does not cover the interest");
    case Obstacle::None:
        break;
    }
    return {};
}

ReportContent reportContent(const OptionsResult& result, const ReportCase& reportCase,
                            const Regional& regional) {
    ReportContent report;
    report.purpose = reportCase.purpose;
    report.amountBorrowed = regional.currency(reportCase.amount);
    report.termInYears = reportCase.termText;
    report.interestRate = reportCase.rateText;
    report.spareIncome = reportCase.spareText;
    for (int type = 0; type < MortgageTypeCount; ++type) {
        const OptionFigures& figures = result.types[static_cast<std::size_t>(type)];
        ReportRecord& record = report.records[static_cast<std::size_t>(type)];
        record.mortgageType = mortgageTypeName(type);
        record.affordable = figures.affordable;
        if (!figures.affordable) {
            record.reason = notAffordableReason(figures, regional);
            continue;
        }
        const RowTexts row = rowTexts(type, figures, reportCase.termText, regional);
        record.term = row.term;
        record.first = row.first.value_or(variesText());
        record.last = row.last.value_or(variesText());
        record.paid = row.paid;
        record.interest = row.interest;
        // The results page shows nothing owed at the end unless the type leaves the loan owing.
        record.finalBalance = row.finalBalance.value_or(regional.currency(Currency()));
    }
    report.balances = balanceSeries(result, reportCase.amount);
    return report;
}

std::optional<double> firstRepaymentOf(const OptionFigures& figures) {
    return figures.first;
}

std::optional<double> totalPaidOf(const OptionFigures& figures) {
    return figures.totalPaid;
}

std::array<bool, MortgageTypeCount> lowestOf(const OptionsResult& result, FigureOf figure,
                                             const Regional& regional) {
    std::optional<Currency> lowest;
    std::array<std::optional<Currency>, MortgageTypeCount> shown{};
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const OptionFigures& type = result.types[k];
        const bool repaid = !type.finalBalance || regional.shown(*type.finalBalance).isZero();
        if (const auto value = figure(type); type.affordable && repaid && value) {
            shown[k] = regional.shown(*value);
            if (!lowest || *shown[k] < *lowest)
                lowest = shown[k];
        }
    }
    std::array<bool, MortgageTypeCount> marked{};
    for (std::size_t k = 0; k < shown.size(); ++k)
        marked[k] = shown[k] && shown[k] == lowest;
    return marked;
}

} // namespace hw
