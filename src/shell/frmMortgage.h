#pragma once

// frmMortgage, the main window, is one class defined over these files:
//
//   shell/frmMortgage.cpp              building the window and its menu; the step
//                                      panels; the load; onAction, which commits the
//                                      field being edited before any action
//   shell/frmMortgageSteps.cpp         the step machine: Next, Back, the purpose
//                                      buttons, ShowStep
//   shell/frmMortgageValidation.cpp    ValidateStep, Back's repair of percentages,
//                                      the entry focus of each step
//   shell/frmMortgageGuidance.cpp      SetGuidanceTexts: the text at the top of every page
//   shell/frmMortgageInformation.cpp   "Tell Me More", the type and rate buttons, About
//   shell/frmMortgageExit.cpp          Exit, closing the window, the closing animation
//   shell/frmMortgageCaseFile.cpp      the File menu: saving and opening the case
//   entry/frmMortgagePages.cpp         what the data pages share: building them, the
//                                      field events, the budget and charges mode buttons
//   entry/frmMortgageDataPages.cpp     assets, liabilities, income and budget pages
//   entry/frmMortgagePurposePages.cpp  the nine purpose pages: one row per purpose
//                                      (PurposePages.h) with its fields, debts, carried
//                                      figures, required fields and entry focus
//   entry/frmMortgageChargesRatePages.cpp  fees and bank charges, rate and term
//   entry/frmMortgageCalculations.cpp  every page's Calculate and what Next prepares
//   entry/frmMortgageCase.cpp          the case as a value: read from the pages, and
//                                      opened into them
//   results/frmMortgageResults.cpp     the results page: Calculate of the seven types,
//                                      Preview, Chart
//
// Every figure comes from the core (money/, steps/, calc/), which needs Qt Core only:
// calc/PageArithmetic for the pages, calc/MortgageOptions for the seven mortgage
// types (one function per type), calc/Schedules and calc/OptionTexts for what the
// results page, the chart and the report show.

#include "calc/MortgageCase.h"
#include "calc/OptionTexts.h"
#include "calc/PageArithmetic.h"
#include "calc/WhatIf.h"
#include "entry/PageControls.h"
#include "entry/PurposePages.h"
#include "money/Currency.h"
#include "money/Regional.h"
#include "steps/StepPath.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <variant>
#include <vector>

class QAbstractButton;
class QAction;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace hw {

class CurrentPageStack;

class PageBuilder;

// The main window: it holds the whole mortgage case, the nineteen step panels
// and the step machine that leads the user through them.
class frmMortgage : public QMainWindow, public PageControls {
    Q_OBJECT
public:
    // When the pages are built: all with the window, or (as the program starts)
    // the opening and results pages with the window and the rest as soon as it
    // is first painted, so that it appears at once. Any action builds them first.
    enum class Pages { AllAtOnce, AfterFirstPaint };
    explicit frmMortgage(const QLocale& locale = QLocale(), QWidget* parent = nullptr,
                         Pages pages = Pages::AllAtOnce);
    // Builds the pages still to be built; true when there were any.
    bool buildRemainingPages();

    // The case. Every entered value also lives as the text of its field.
    std::optional<std::int16_t> TargetStep;
    std::int16_t Purpose = 0;
    std::int16_t CurrentStep = 0;
    bool PageCalculated = false;
    std::optional<float> LoanValueRatio;
    float PropertyValue = 0.0F;
    Currency TotalAssets;
    Currency TotalLiabilities;
    double MonthlyIncomeAfterTax = 0.0;
    // Exact when the budget is monthly, a double when it was converted from fortnights.
    std::variant<Currency, double> MonthlyExpenditure = Currency();
    Currency MortgageRequirement;

    // Furniture.
    std::array<QWidget*, StepCount> fraStep{};
    std::array<QLabel*, StepCount> sknLabel{};
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QAction* mnuOpenCase = nullptr;
    QAction* mnuSaveCase = nullptr;
    QAction* mnuSaveCaseAs = nullptr;
    QAction* mnuCompare = nullptr;
    QAction* mnuMore = nullptr;
    QAction* mnuAbout = nullptr;
    QMenu* mnuBtnContextMenu = nullptr;
    QAction* mnuBtnWhatsThis = nullptr;
    std::array<QPushButton*, PurposeCount> optPurpose{};

    // Step machine.
    void cmdNext_Click();
    void cmdBack_Click();
    void optPurpose_Click(int index);
    void ShowStep();
    bool ValidateStep();
    void SetGuidanceTexts();

    // Page buttons. Each Calculate answers false when it refused to compute.
    void optBudget_Click(int index);
    void optCharges_Click(int index);
    bool cmdAssets_Click();
    bool cmdLiabilities_Click();
    bool cmdIncome_Click();
    bool cmdBudget_Click();
    bool cmdTotal_Click(int index);
    void BuildSummary();

    // Results page: the seven mortgage types worked out for the case, and the report.
    void Calculate();
    void cmdPreview_Click();
    void cmdChart_Click();
    void cmdWhatIf_Click();
    // The case beside saved cases; `paths` are added at once (the menu asks for them).
    void cmdCompare_Click(const QStringList& paths = {});
    // The case as the seven types are worked out from it.
    OptionsInput optionsInput() const;
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
    // Fills every page with `value` and walks the purpose's path with Next to
    // the results, as the user would; false where a page stopped the walk.
    bool openCase(const MortgageCase& value);
    // The value of the property the loan buys, for its loan-to-value; 0 where it buys none.
    double propertyValue() const;
    // What the report shows, once the types have been worked out.
    const std::optional<ReportContent>& reportContent() const { return report_; }
    // The seven types as last worked out, with their schedules.
    const std::optional<OptionsResult>& options() const { return options_; }

    // The information window on the current step, a mortgage type or a rate
    // type, and the About window.
    void mnuMore_Click();
    void mnuAbout_Click();
    void cmdMortgage_Click(int index);
    void cmdRates_Click(int index);

    // Leaving the program.
    void cmdExit_Click();
    // Pause between two frames of the closing animation (tests use 0).
    void setClosingFrameDelay(int milliseconds) { closingFrameDelay_ = milliseconds; }
    // The heights and widths of the last closing animation, in twips.
    const std::vector<int>& lastClosingFrames() const { return lastClosingFrames_; }

    const Regional& regional() const { return regional_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Every button and menu entry of the main window acts through these: the
    // field being edited is committed first, so the action reads display forms
    // only, and nothing happens when the field refuses its text. However the
    // action was chosen (mouse, Alt shortcut, Enter), the rule is the same.
    void onAction(QAbstractButton* button, std::function<void()> action);
    void onAction(QAction* entry, std::function<void()> action);
    void runAction(const std::function<void()>& action);
    // Commits the field being edited, as leaving it would; false when it refused its text.
    bool commitEditing();
    void Form_Load();
    void buildFurniture();
    void buildMenu();
    void buildFileMenu();
    void saveCaseAs();
    // The title: the page shown, the case's file with its unsaved-changes mark, the program.
    void refreshTitle();
    QString casePath_;
    std::optional<MortgageCase> savedCase_;
    bool openingCase_ = false; // walking a case's path to its results
    QWidget* buildStepPanel(int step);
    void fillStepPanel(int step);
    QSize firstSize() const;
    QSize openedSize_; // the size the window was given as it was made
    // The steps whose panels are still empty.
    std::vector<int> unbuiltSteps_;
    void buildPurposePage(QVBoxLayout* page);
    void buildPageContents(int step, QWidget* panel, QVBoxLayout* page);
    struct SumPage {
        std::span<NumericField*> group;
        std::span<const FieldSpec> left;
        std::span<const FieldSpec> right;
        QPushButton** calculate;
        QLineEdit** total;
        const char* totalLiteral;
        const char* totalName; // what a screen reader calls the total
    };
    void buildSumPage(const SumPage& sums, QVBoxLayout* page, PageBuilder& b);
    void buildAssetsPage(QVBoxLayout* page, PageBuilder& b);
    void buildLiabilitiesPage(QVBoxLayout* page, PageBuilder& b);
    void buildIncomePage(QVBoxLayout* page, PageBuilder& b);
    void buildBudgetPage(QVBoxLayout* page, PageBuilder& b);
    void buildPurposePageFields(int purpose, QVBoxLayout* page, PageBuilder& b);
    void addTotalRow(int index, const QString& caption, QVBoxLayout* page, PageBuilder& b);
    void buildChargesPage(QVBoxLayout* page, PageBuilder& b);
    void buildRatePage(QVBoxLayout* page, PageBuilder& b);
    void buildResultsPage(QVBoxLayout* page, PageBuilder& b);
    QGridLayout* buildResultsTable(PageBuilder& b);
    // The six figures of a type's row, left to right.
    std::array<QLineEdit*, 6> rowCells(std::size_t type) const;
    void showOptionRow(std::size_t type, const OptionFigures& figures, const QString& termText);
    void adoptField(NumericField* field);
    void connectPageButtons();
    void connectInformation();
    void showHelp(int topic);
    void setUpControls();
    // Focus-lost refreshes of "Total Before Bank Charges:" and "Your Equity:".
    void refreshCostsSubtotal();
    void refreshEquity(std::span<NumericField*> selling, NumericField* equity);
    void repairPercentages();
    NumericField* entryFocusOf(int step);
    Currency amountOf(const QLineEdit* field) const;
    void connectCalculateButtons();
    bool runPageCalculate(int step);
    // Shows the exact sum of a page's amounts in its total; refuses one beyond the currency range.
    bool showPageSum(const std::vector<Currency>& values, Currency& total, QLineEdit* display);
    // A field of a purpose page, as its row names it.
    NumericField* purposeField(int purpose, PurposeField field);
    bool calculateCharges();
    ChargesTexts chargesTexts() const;
    void showChargesTexts(const ChargesTexts& page);
    void prepareOwnedHomeFields(NumericField* home, NumericField* rentals);
    void preparePurposePage();
    bool prepareChargesPage();
    ChargesMode chargesMode() const;
    void setChargesMode(ChargesMode mode);
    void placeBackButton(bool atNextPlace);
    void runClosingAnimation();
    void pauseBetweenFrames();

    Regional regional_;
    CurrentPageStack* steps_ = nullptr;
    QGridLayout* buttonRow_ = nullptr;
    enum class Leaving { No, Asking, Collapsing, Closed };
    Leaving leaving_ = Leaving::No;
    bool closeRequested_ = false;
    int closingFrameDelay_ = 12;
    std::vector<int> lastClosingFrames_;
    // What the owned-home fields held before a first-home purpose set them to 0.
    std::map<const NumericField*, QString> ownedHomeTexts_;
    std::optional<ReportContent> report_;
    // What the What If window was last asked, for it and for the report's page.
    WhatIfSettings whatIf_;
    std::optional<OptionsResult> options_;
};

} // namespace hw
