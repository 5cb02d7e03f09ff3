#include "frmMortgage.h"
#include "pages/ResultsPage.h"
#include "results/frmChart.h"
#include "results/frmCompare.h"
#include "results/frmWhatIf.h"
#include "results/rptMortgage.h"

// The windows the results page opens: What If, Chart, the report's preview and Compare.

namespace hw {

void frmMortgage::openWhatIf() {
    ResultsPage& results = resultsPage();
    frmWhatIf asking(results.optionsInput(), regional_, results.propertyValue(),
                     results.whatIfAsked(), this, results.suggestedLoan());
    asking.exec();
}

void frmMortgage::openChart() {
    frmChart balances(*options(), context_.figures.requirement, regional_, this);
    balances.exec();
}

void frmMortgage::openPreview() {
    const ResultsPage& results = resultsPage();
    rptMortgage report(*reportContent(), regional_.locale());
    // The What If page's answers are worked out only when it is ticked.
    report.setWhatIfSource([&results, this] {
        return whatIfSummary(results.optionsInput(), regional_, results.propertyValue(),
                             results.whatIfAsked(), results.suggestedLoan());
    });
    report.preview(this);
}

void frmMortgage::cmdCompare_Click(const QStringList& paths) {
    frmCompare compare(*this, regional_);
    compare.addCases(paths);
    compare.exec();
}

} // namespace hw
