// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window and where each part of it lives:
//
//   shell/MainWindow.cpp              the window: its menu, Exit/Back/Next, a panel
//                                      for each page to build itself into; onAction,
//                                      which commits the field being edited before
//                                      any action
//   shell/MainWindowSteps.cpp         the step machine: Next, Back, ShowStep. It asks
//                                      the page shown, never switches on the step
//   shell/MainWindowCase.cpp          the case value: read from the pages, opened into
//                                      them with what the core works it out to
//   shell/MainWindowCaseFile.cpp      the File menu: saving and opening the case
//   shell/MainWindowResults.cpp       the windows the results page opens
//   shell/MainWindowInformation.cpp   "Tell Me More", About
//   shell/MainWindowExit.cpp          Exit, closing the window, the closing animation
//   shell/MainWindowLanguage.cpp      the Language menu: the window made again in another language
//
// Each step is a page class in pages/ that builds itself and owns its controls
// (StepPage.h is the interface the step machine asks: arrive, enter, leave by
// Next or Back, the furniture around it, and the case value in and out):
//
//   pages/PicturePage        the opening and closing pages
//   pages/PurposeChoicePage  the nine purposes
//   pages/SumPage            assets and liabilities
//   pages/IncomePage         incomes and tax rates
//   pages/BudgetPage         living expenses, fortnightly or monthly
//   pages/RequirementPage    each purpose's own figures, built from its row in PurposeRows.cpp
//   pages/ChargesPage        fees and bank charges
//   pages/RatePage           the affordability summary, rate and term
//   pages/ResultsPage        the seven types side by side; What If, Chart, Preview, Compare
//
// Every figure comes from the core (money/, steps/, calc/, store/), which needs Qt
// Core only: calc/CaseResults for what a case comes to (every page's checks and
// figures, the one place that works a case out), calc/PageArithmetic for the
// pages' sums, calc/MortgageOptions for the seven
// mortgage types (one function per type), calc/Schedules and calc/OptionTexts for
// what the results page, the chart and the report show, calc/MortgageCase for the
// case value, calc/CaseFile and store/WholeFile for the case on disk. What every
// window uses (the message box, saving, the screen's room) is in base/.

#include "FirstSizeMemory.h"
#include "calc/MortgageCase.h"
#include "calc/MortgageOptions.h"
#include "calc/OptionTexts.h"
#include "calc/WhatIf.h"
#include "money/Regional.h"
#include "pages/StepPage.h"
#include "steps/StepPath.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;
class QAction;
class QGridLayout;
class QLabel;
class QMenu;
class QPushButton;

namespace hw {

class CurrentPageStack;
class ResultsPage;

// The main window: the furniture around the nineteen step pages, and the step
// machine that leads the user through them.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // When the pages are built: all with the window, or (as the program starts)
    // the opening and results pages with the window (so that it has its final
    // size) and the rest as soon as it is first painted, so that it appears at
    // once. Any action builds them first.
    enum class Pages { AllAtOnce, AfterFirstPaint };
    explicit MainWindow(const QLocale& locale = QLocale(), QWidget* parent = nullptr,
                        Pages pages = Pages::AllAtOnce);
    ~MainWindow() override;
    // Builds the pages still to be built; true when there were any.
    bool buildRemainingPages();

    // The step shown, and the purpose chosen.
    int currentStep() const { return currentStep_; }
    int purpose() const { return context_.purpose(); }
    // A step's page, and the panel it is shown on.
    StepPage& page(int step) const { return *pages_[static_cast<std::size_t>(step)]; }
    QWidget* stepPanel(int step) const { return stepPanels_[static_cast<std::size_t>(step)]; }
    ResultsPage& resultsPage() const { return *results_; }
    // What the pages have worked out so far.
    const CaseFigures& figures() const { return context_.figures; }

    // Step machine.
    void goNext();
    void goBack();

    // The case as the seven types are worked out from it.
    OptionsInput optionsInput() const;
    // The seven types as last worked out, with their schedules.
    const std::optional<OptionsResult>& options() const;
    // What the report shows, once the types have been worked out.
    const std::optional<ReportContent>& reportContent() const;
    // The case beside saved cases; `paths` are added at once (the menu asks for them).
    void openCompare(const QStringList& paths = {});
    // The windows that look further at the results worked out.
    void openWhatIf();
    void openChart();
    // The lender checks; the country and figures chosen there become the case's.
    void openLenderChecks();
    void openPreview();
    // What the household entered, apart from the fields.
    MortgageCase caseValue() const;
    // Saves the case to `path` (the File menu asks where); false, and said,
    // where it could not be written.
    bool writeCaseFile(const QString& path);
    // Opens the case of a file: every page as saved and, for a whole case, the
    // results. A file that is not a case, or holds a figure the pages refuse,
    // is refused with one message and the case on the screen is kept.
    bool openCaseFile(const QString& path);
    // The file the case was last saved to or opened from; empty for a new case.
    const QString& casePath() const { return casePath_; }
    // Whether the household typed or chose anything (the What If window
    // included) since the case was started, opened or saved.
    bool hasUnsavedChanges() const;
    // Starts a new case, after offering to save the one on the screen.
    void newCase();
    // Fills every page with `value`, has the core work it out and shows what
    // it comes to: the results, or the page that stops it with that page's
    // message (then false).
    bool openCase(const MortgageCase& value);

    // The information window on the current step, and the About window.
    void showMoreInformation();
    void showAbout();
    // The handbook in the user's browser; a failure to open it is said.
    void openHandbook();

    // Leaving the program.
    void leave();
    // Pause between two frames of the closing animation (tests use 0).
    void setClosingFrameDelay(int milliseconds) { closingFrameDelay_ = milliseconds; }
    // The heights and widths of the last closing animation, in twips.
    const std::vector<int>& lastClosingFrames() const { return lastClosingFrames_; }

    const Regional& regional() const { return regional_; }

    // Speaks `language` from now on and next time (the Language menu): the
    // window is made again in it, with the case and the page shown as they were.
    void changeLanguage(const QString& language);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Furniture.
    QPushButton* exitButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QAction* openCaseAction_ = nullptr;
    QAction* saveCaseAction_ = nullptr;
    QAction* saveCaseAsAction_ = nullptr;
    QAction* compareAction_ = nullptr;
    QAction* newCaseAction_ = nullptr;
    QAction* quitAction_ = nullptr;
    QAction* moreAction_ = nullptr;
    QAction* handbookAction_ = nullptr; // F1
    QAction* aboutAction_ = nullptr;
    QMenu* whatsThisMenu_ = nullptr;
    QAction* whatsThisAction_ = nullptr;
    // "Step 5 of 11: Income", above every page.
    QLabel* placeLabel_ = nullptr;
    // Every button and menu entry of the main window acts through these: the
    // field being edited is committed first, so the action reads committed
    // values only, and nothing happens when the field refuses its text. However
    // the action was chosen (mouse, Alt shortcut, Enter), the rule is the same.
    void onAction(QAbstractButton* button, std::function<void()> action);
    void onAction(QAction* entry, std::function<void()> action);
    void runAction(const std::function<void()>& action);
    // Commits the field being edited, as leaving it would; false when it refused its text.
    bool commitEditing();
    // Every built page writes its inputs into the case value.
    void storeCase();
    void makePages();
    void startFresh();
    void buildFurniture();
    void buildMenu();
    void buildFileMenu();
    void buildLanguageMenu();
    // Every page, menu and button made again in the language now spoken.
    void remakeInSpokenLanguage();
    // Asks where, then saves; false when cancelled or not written.
    bool saveCaseAs();
    // The title: the page shown, the case's file with its unsaved-changes mark, the program.
    void refreshTitle();
    // The case without the figures the pages work out.
    MortgageCase typedCase() const;
    // What is on the screen now counts as saved.
    void markSaved();
    // Saves the case to its file, or asks where; false when not saved.
    bool saveCase();
    // Offers to save unsaved changes, asking `newCase` of a case without a file
    // and `savedCase` (%1 its file's name) of one with: true to go on (saved
    // or not wanted), false when the user cancelled or the save failed.
    bool offerToSave(const QString& newCase, const QString& savedCase);
    // Every page and what the pages work out from `value`, nothing of the case before.
    void loadCase(const MortgageCase& value);
    // Each page on the case's path, as far as `last` or the page that stops
    // the case, shows what `results` make of it; returns the last page shown.
    int showWorkedOutUpTo(const CaseResults& results, int last);
    QWidget* buildStepPanel(int step);
    void fillStepPanel(int step);
    QSize firstSize() const;
    void showStep(int target);
    // The focus on the control a page asks for, or else its first stop.
    void focusEntryOf(int step);
    void placeBackButton(bool atNextPlace);
    // Names the page shown and its place on the purpose's path, for the eye and
    // for a screen reader entering the page.
    void showPlace();
    void connectInformation();
    void showHelp(int topic);
    void runClosingAnimation();
    void pauseBetweenFrames();

    Regional regional_;
    PageContext context_;
    std::array<std::unique_ptr<StepPage>, StepCount> pages_;
    ResultsPage* results_ = nullptr; // the results step's page, as its own class
    std::array<QWidget*, StepCount> stepPanels_{};
    int currentStep_ = OpeningStep;
    CurrentPageStack* steps_ = nullptr;
    QGridLayout* buttonRow_ = nullptr;
    QSize openedSize_;                          // the size the window was given as it was made
    std::optional<FirstSizeMemory> sizeMemory_; // on the program's own start
    // The steps whose panels are still empty.
    std::vector<int> unbuiltSteps_;
    QString casePath_;
    // The case as the program starts it, and as last started, opened or saved:
    // what the household typed and chose, and what it asked in What If.
    std::optional<MortgageCase> startCase_;
    MortgageCase savedTyped_;
    WhatIfSettings savedWhatIf_;
    enum class Leaving { No, Asking, Collapsing, Closed };
    Leaving leaving_ = Leaving::No;
    bool closeRequested_ = false;
    int closingFrameDelay_ = 12;
    std::vector<int> lastClosingFrames_;
};

} // namespace hw
