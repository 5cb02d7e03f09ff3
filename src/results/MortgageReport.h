// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/OptionTexts.h"
#include "store/WholeFile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageSize>
#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;
class QWidget;

namespace hw {

// The paper the report is laid out on where the user lives: Letter in the
// United States and Canada, A4 elsewhere. The print dialog can change it.
QPageSize::PageSizeId reportPaper(const QLocale& locale);

// Prints `document` on pages like the report's: in its font, each page with
// the date and "Page N of M" at its foot. False when the printer would not start.
bool printLikeTheReport(QTextDocument& document, QPrinter& printer, const QLocale& locale);

// The pages the report may add after its table.
struct ReportPages {
    bool chart = false;
    bool whatIf = false;
    bool lenderChecks = false;
};

// The printed report "Mortgage Options": a report header with the title, a page
// header with the amount, term and rate and the column heads, and one detail
// record per mortgage type. Laid out in twips and drawn on any paged device.
class MortgageReport {
public:
    // `locale` is the user's: it chooses the paper.
    explicit MortgageReport(ReportContent content, QLocale locale = QLocale());

    static QString caption() {
        return QCoreApplication::translate("hw::MortgageReport", "Mortgage Options");
    }

    // Loads the report's font and the printing system ahead of time, so that the
    // first preview opens as quickly as later ones.
    static void warmUp();

    // A second page with the chart of the balances over time.
    void setChartPage(bool on) { extra_.chart = on; }
    bool chartPage() const { return extra_.chart; }
    // A last page with the What If answers: the content's, or those `source`
    // works out when the page is first asked for (they take a few milliseconds).
    void setWhatIfSource(std::function<std::vector<ReportSection>()> source) {
        whatIfSource_ = std::move(source);
    }
    void setWhatIfPage(bool on);
    bool whatIfPage() const { return extra_.whatIf; }
    // A page with each type's lender checks, where the case has a lender country.
    void setLenderChecksPage(bool on) { extra_.lenderChecks = on; }
    bool lenderChecksPage() const { return extra_.lenderChecks; }
    bool hasLenderChecks() const { return !content_.lenderChecks.empty(); }

    // Draws every page on a printer that has been set up.
    void print(QPrinter* printer) const;
    // Writes the report as a PDF file; a file that could not be written says why
    // and leaves any old one as it was.
    WriteOutcome saveAsPdf(const QString& path) const;
    // The print preview, from which the report can be printed or saved as PDF,
    // with or without its chart page.
    void preview(QWidget* owner);

private:
    ReportContent content_;
    QLocale locale_;
    ReportPages extra_;
    std::function<std::vector<ReportSection>()> whatIfSource_;
};

} // namespace hw
