// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "base/Message.h"
#include "base/SaveAs.h"
#include "calc/CaseFile.h"
#include "pages/ResultsPage.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

// The File menu: saving the case to a file of the user's, and opening one.

namespace hw {

namespace {
QString caseFilter() {
    return QCoreApplication::translate("hw::MainWindow", "Hearthwise cases (*.hearthwise)");
}
const char* const CaseSuffix = ".hearthwise";
} // namespace

void MainWindow::buildFileMenu() {
    QMenu* file = new QMenu(tr("Fi&le"), this);
    file->setObjectName(QStringLiteral("mnuFile"));
    newCaseAction_ = file->addAction(tr("&New Case"));
    newCaseAction_->setObjectName(QStringLiteral("newCaseAction"));
    newCaseAction_->setShortcut(QKeySequence::New);
    openCaseAction_ = file->addAction(tr("&Open Case..."));
    openCaseAction_->setObjectName(QStringLiteral("openCaseAction"));
    openCaseAction_->setShortcut(QKeySequence::Open);
    saveCaseAction_ = file->addAction(tr("&Save Case"));
    saveCaseAction_->setObjectName(QStringLiteral("saveCaseAction"));
    saveCaseAction_->setShortcut(QKeySequence::Save);
    saveCaseAsAction_ = file->addAction(tr("Save Case &As..."));
    saveCaseAsAction_->setObjectName(QStringLiteral("saveCaseAsAction"));
    saveCaseAsAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    file->addSeparator();
    compareAction_ = file->addAction(tr("&Compare Cases..."));
    compareAction_->setObjectName(QStringLiteral("compareAction"));
    file->addSeparator();
    quitAction_ = file->addAction(tr("&Quit"));
    quitAction_->setObjectName(QStringLiteral("quitAction"));
    quitAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    menuBar()->addMenu(file);
    onAction(compareAction_, [this] { openCompare(); });
    onAction(newCaseAction_, [this] { newCase(); });
    onAction(quitAction_, [this] { leave(); });
    onAction(openCaseAction_, [this] {
        // The case opened replaces this one: what was typed is offered to be saved first.
        if (!offerToSave(tr("Save this case before opening another?"),
                         tr("Save the changes to %1 before opening another case?")))
            return;
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Open Case"),
            casePath_.isEmpty() ? QDir::homePath() : QFileInfo(casePath_).path(), caseFilter());
        if (!path.isEmpty())
            openCaseFile(path);
    });
    onAction(saveCaseAction_, [this] { saveCase(); });
    onAction(saveCaseAsAction_, [this] { saveCaseAs(); });
}

bool MainWindow::saveCase() {
    return casePath_.isEmpty() ? saveCaseAs() : writeCaseFile(casePath_);
}

bool MainWindow::offerToSave(const QString& newCase, const QString& savedCase) {
    if (!hasUnsavedChanges())
        return true;
    const int answer =
        ShowMessage(casePath_.isEmpty() ? newCase : savedCase.arg(QFileInfo(casePath_).fileName()),
                    MsgSaveDontSaveCancel);
    return answer == AnswerNo || (answer == AnswerOk && saveCase());
}

void MainWindow::newCase() {
    if (!offerToSave(tr("Save this case before starting a new one?"),
                     tr("Save the changes to %1 before starting a new case?")))
        return;
    // Every page as the program starts it, on the opening page.
    loadCase(*startCase_);
    resultsPage().setWhatIfAsked({});
    casePath_.clear();
    startFresh();
    showStep(OpeningStep);
    nextButton_->setFocus(Qt::OtherFocusReason);
}

MortgageCase MainWindow::typedCase() const {
    MortgageCase typed = caseValue();
    for (const auto& each : pages_)
        each->forgetWorkedOut(typed);
    return typed;
}

void MainWindow::markSaved() {
    savedTyped_ = typedCase();
    savedWhatIf_ = resultsPage().whatIfAsked();
}

bool MainWindow::hasUnsavedChanges() const {
    return typedCase() != savedTyped_ || resultsPage().whatIfAsked() != savedWhatIf_;
}

bool MainWindow::saveCaseAs() {
    const QString path = askWhereToSave(
        this, {tr("Save Case As"),
               casePath_.isEmpty() ? tr("case") + QLatin1String(CaseSuffix) : casePath_,
               QLatin1String(CaseSuffix), caseFilter(), QString(), QString()});
    return !path.isEmpty() && writeCaseFile(path);
}

bool MainWindow::writeCaseFile(const QString& path) {
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
    markSaved();
    refreshTitle();
    return true;
}

bool MainWindow::openCaseFile(const QString& path) {
    const auto read = readCaseFileAt(path, regional_.currencyDecimals(), regional_);
    if (const auto* error = std::get_if<CaseFileError>(&read)) {
        ShowMessage(caseFileRefusal(path, *error), MsgOkOnly);
        return false;
    }
    const CaseFileContent& content = std::get<CaseFileContent>(read);
    resultsPage().setWhatIfAsked(content.whatIf);
    casePath_ = path;
    openCase(content.value);
    // The fields show the figures in this locale's form: what was saved is what is shown.
    markSaved();
    refreshTitle();
    return true;
}

void MainWindow::refreshTitle() {
    QStringList parts;
    if (!page(currentStep_).furniture().first)
        parts << page(currentStep_).name();
    if (!casePath_.isEmpty())
        parts << QFileInfo(casePath_).fileName() + QStringLiteral("[*]");
    parts << tr("Hearthwise");
    setWindowTitle(parts.join(QStringLiteral(" \u2014 ")));
    // The mark stands beside the file's name; a new case has none.
    setWindowModified(!casePath_.isEmpty() && hasUnsavedChanges());
}

} // namespace hw
