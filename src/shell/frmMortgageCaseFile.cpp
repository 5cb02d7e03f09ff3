#include "Message.h"
#include "SaveAs.h"
#include "calc/CaseFile.h"
#include "frmMortgage.h"
#include "pages/ResultsPage.h"
#include "results/frmCompare.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

// The File menu: saving the case to a file of the user's, and opening one.

namespace hw {

namespace {
QString caseFilter() {
    return QCoreApplication::translate("hw::frmMortgage", "Hearthwise cases (*.hearthwise)");
}
const char* const CaseSuffix = ".hearthwise";
} // namespace

void frmMortgage::buildFileMenu() {
    QMenu* file = new QMenu(tr("Fi&le"), this);
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuOpenCase = file->addAction(tr("&Open Case..."));
    mnuOpenCase->setShortcut(QKeySequence::Open);
    mnuSaveCase = file->addAction(tr("&Save Case"));
    mnuSaveCase->setShortcut(QKeySequence::Save);
    mnuSaveCaseAs = file->addAction(tr("Save Case &As..."));
    mnuSaveCaseAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    file->addSeparator();
    mnuCompare = file->addAction(tr("&Compare Cases..."));
    menuBar()->addMenu(file);
    onAction(mnuCompare, [this] { cmdCompare_Click(); });
    onAction(mnuOpenCase, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Open Case"),
            casePath_.isEmpty() ? QDir::homePath() : QFileInfo(casePath_).path(), caseFilter());
        if (!path.isEmpty())
            openCaseFile(path);
    });
    onAction(mnuSaveCase, [this] {
        if (casePath_.isEmpty())
            saveCaseAs();
        else
            writeCaseFile(casePath_);
    });
    onAction(mnuSaveCaseAs, [this] { saveCaseAs(); });
}

bool frmMortgage::saveCaseAs() {
    const QString path = askWhereToSave(
        this, {tr("Save Case As"),
               casePath_.isEmpty() ? tr("case") + QLatin1String(CaseSuffix) : casePath_,
               QLatin1String(CaseSuffix), caseFilter(), QString()});
    return !path.isEmpty() && writeCaseFile(path);
}

bool frmMortgage::writeCaseFile(const QString& path) {
    const MortgageCase value = caseValue();
    const WriteOutcome written =
        writeWholeFile(path, caseFileText({value, resultsPage().whatIfAsked()}));
    if (!written) {
        ShowMessage(tr("The case could not be saved as %1: %2")
                        .arg(QDir::toNativeSeparators(path), written.why),
                    MsgOkOnly);
        return false;
    }
    casePath_ = path;
    savedCase_ = value;
    refreshTitle();
    return true;
}

bool frmMortgage::openCaseFile(const QString& path) {
    const auto read = readCaseFileAt(path, regional_.currencyDecimals(), regional_);
    if (const auto* error = std::get_if<CaseFileError>(&read)) {
        ShowMessage(caseFileRefusal(path, *error), MsgOkOnly);
        return false;
    }
    const CaseFileContent& content = std::get<CaseFileContent>(read);
    resultsPage().setWhatIfAsked(content.whatIf);
    casePath_ = path;
    savedCase_ = content.value;
    openCase(content.value);
    // The fields show the figures in this locale's form: what was saved is what is shown.
    savedCase_ = caseValue();
    refreshTitle();
    return true;
}

void frmMortgage::refreshTitle() {
    QStringList parts;
    if (CurrentStep != OpeningStep)
        parts << page(CurrentStep).name();
    if (!casePath_.isEmpty())
        parts << QFileInfo(casePath_).fileName() + QStringLiteral("[*]");
    parts << tr("Hearthwise");
    setWindowTitle(parts.join(QStringLiteral(" \u2014 ")));
    setWindowModified(!casePath_.isEmpty() && savedCase_ && caseValue() != *savedCase_);
}

} // namespace hw

namespace hw {

void frmMortgage::cmdCompare_Click(const QStringList& paths) {
    frmCompare compare(*this, regional_);
    compare.addCases(paths);
    compare.exec();
}

} // namespace hw
