// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/MortgageOptions.h"
#include "store/WholeFile.h"

#include <QDialog>
#include <QString>
#include <vector>

class QPushButton;
class QTableWidget;

namespace hw {

// One offer in the comparison: the case's name and figures and its seven types.
struct Offer {
    QString name; // the case's file name, or "This case"
    OptionsInput input;
    OptionsResult result;
    bool whole = true;    // false: the case stops short of its results
    QString lenderChecks; // "Canada: 6 of 7 pass"
};

// "Compare": the case on the screen beside up to three saved cases, as one
// table: for each offer its amount, rate, term, spare income and how many
// types pass its lender country's checks, and for each
// type the first repayment, the total paid, the interest and whether it is
// affordable; the lowest figure of each row among the affordable offers is
// marked. It prints and saves as PDF like the report.
class CompareWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int MostSavedCases = 3;

    // `thisCase` is the case on the screen; saved cases are looked for in `folder` first.
    CompareWindow(QWidget* parent, const Regional& regional, const Offer& thisCase,
                  const QString& folder);

    // Adds the saved cases of `paths` (after those already added, up to three);
    // a file that cannot be read is said so once and left out.
    void addCases(const QStringList& paths);
    const std::vector<Offer>& offers() const { return offers_; }
    // The comparison as HTML, for printing and for saving as PDF.
    QString html() const;
    WriteOutcome saveAsPdf(const QString& path) const;

private:
    QTableWidget* offersTable_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* pdfButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    void showOffers();

    const Regional& regional_;
    QString folder_;
    std::vector<Offer> offers_;
};

} // namespace hw
