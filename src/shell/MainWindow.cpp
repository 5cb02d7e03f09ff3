// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "CurrentPageStack.h"
#include "base/Message.h"
#include "base/Pictures.h"
#include "base/ScreenRoom.h"
#include "base/Twips.h"
#include "look/OptionButtons.h"
#include "look/Skin.h"
#include "pages/BudgetPage.h"
#include "pages/ChargesPage.h"
#include "pages/IncomePage.h"
#include "pages/PicturePage.h"
#include "pages/PurposeChoicePage.h"
#include "pages/RatePage.h"
#include "pages/RequirementPage.h"
#include "pages/ResultsPage.h"
#include "pages/SumPage.h"
#include "results/MortgageReport.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <algorithm>
#include <utility>

namespace hw {

namespace {

constexpr int NavigationButtonWidth = 1095;
constexpr int NavigationButtonHeight = 495;

} // namespace

MainWindow::MainWindow(const QLocale& locale, QWidget* parent, Pages pages)
    : QMainWindow(parent), regional_(locale), context_(regional_) {
    setObjectName(QStringLiteral("MainWindow"));
    // A new case checks the loan as the lenders of the system's region do.
    context_.entered.lender.country = lenderCountryOf(locale);
    // Only the program's own start remembers its first size (a window built
    // whole measures it), read before the skin changes the window's style.
    if (pages == Pages::AfterFirstPaint)
        sizeMemory_.emplace(this, locale);
    makePages();
    setWindowTitle(tr("Hearthwise"));
    // The skin first, so that every control is styled once, as it is made.
    Skin::applyToWindow(this, Skin::Storage::First);
    buildMenu();
    // The results page is the widest and the tallest: unless the size it gave
    // the window on the last start like this one is known, it is built with
    // the opening page to give the window its final size before it is shown.
    const std::optional<QSize> recalled = sizeMemory_ ? sizeMemory_->recalled() : std::nullopt;
    for (int step = 0; step < StepCount; ++step)
        if (pages == Pages::AllAtOnce || (step != OpeningStep && (step != ResultsStep || recalled)))
            unbuiltSteps_.push_back(step);
    buildFurniture();
    // The way on is the first thing the keyboard reaches.
    nextButton_->setFocus(Qt::OtherFocusReason);
    if (pages == Pages::AllAtOnce)
        buildRemainingPages();
    else
        startFresh();
    openedSize_ = recalled ? *recalled : firstSize();
    resize(openedSize_);
}

MainWindow::~MainWindow() = default;

void MainWindow::makePages() {
    context_.onAction = [this](QAbstractButton* button, std::function<void()> action) {
        onAction(button, std::move(action));
    };
    context_.showHelp = [this](int topic) { showHelp(topic); };
    // A figure changed: the title marks a case with unsaved changes.
    context_.changed = [this] { refreshTitle(); };
    PageContext& c = context_;
    pages_[OpeningStep] = makeOpeningPage(c);
    pages_[PurposeStep] = std::make_unique<PurposeChoicePage>(c);
    pages_[AssetsStep] = std::make_unique<AssetsPage>(c);
    pages_[LiabilitiesStep] = std::make_unique<LiabilitiesPage>(c);
    pages_[IncomeStep] = std::make_unique<IncomePage>(c);
    pages_[BudgetStep] = std::make_unique<BudgetPage>(c);
    for (int purpose = 0; purpose < PurposeCount; ++purpose)
        pages_[static_cast<std::size_t>(requirementStep(purpose))] =
            std::make_unique<RequirementPage>(c, purpose);
    pages_[ChargesStep] = std::make_unique<ChargesPage>(c);
    pages_[RateStep] = std::make_unique<RatePage>(c);
    auto results = std::make_unique<ResultsPage>(
        c, ResultsPage::Openers{[this] { openWhatIf(); }, [this] { openChart(); },
                                [this] { openPreview(); }, [this] { openCompare(); },
                                [this] { openLenderChecks(); }});
    results_ = results.get();
    pages_[ResultsStep] = std::move(results);
    pages_[ClosingStep] = makeClosingPage(c);
}

QSize MainWindow::firstSize() const {
    // The designed size, wider where the pages need it to show every figure in
    // full, and less where the screen is smaller (its frame included).
    const QMargins around = centralWidget()->layout()->contentsMargins();
    const QSize pages = steps_->largestPageMinimum();
    // Room for the scroll bar of a page that must scroll (a longer language's
    // words wrap to more lines), so that it never also scrolls sideways.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int pagesWidth = pages.width() + around.left() + around.right() + scrollBar;
    // Taller than designed where a page needs it: the menu, the place, the
    // page and the row of Exit, Back and Next.
    const int spacing = centralWidget()->layout()->spacing();
    const int pagesHeight = menuBar()->sizeHint().height() + around.top() +
                            placeLabel_->sizeHint().height() + pages.height() +
                            nextButton_->minimumHeight() + around.bottom() + 3 * spacing;
    return withinScreen(
        this, QSize(std::max(twips(12600), pagesWidth), std::max(twips(9000), pagesHeight)));
}

bool MainWindow::buildRemainingPages() {
    if (unbuiltSteps_.empty())
        return false;
    const std::vector<int> steps = std::exchange(unbuiltSteps_, {});
    for (int step : steps)
        fillStepPanel(step);
    connectInformation();
    startFresh();
    // Enter presses the focused button, as it does in a dialog.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    // Should the pages need another size than the window opened at (a page
    // built late needs more room than the results page, or the size recalled
    // is out of date), a window the user has not sized takes it, wholly on its
    // screen.
    const QSize needed = firstSize();
    if (sizeMemory_)
        sizeMemory_->keep(needed);
    if (isVisible() && size() == openedSize_ && needed != openedSize_) {
        resize(needed);
        if (const QScreen* screen = this->screen()) {
            // Where it stands, moved as little as needed to stay on the screen.
            const QRect frame = frameGeometry();
            move(placeWithin(frame.size(), frame, screen->availableGeometry()));
        }
    }
    return true;
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!unbuiltSteps_.empty())
        QTimer::singleShot(0, this, [this] {
            // Then, while the user reads the first page, what the report needs.
            if (buildRemainingPages())
                QTimer::singleShot(0, this, [] { MortgageReport::warmUp(); });
        });
}

void MainWindow::buildMenu() {
    buildFileMenu();
    buildLanguageMenu();
    // Help where desktop programs keep it: the page's own text, the handbook, the maker.
    QMenu* help = new QMenu(tr("&Help"), this);
    help->setObjectName(QStringLiteral("mnuHelp"));
    moreAction_ = help->addAction(tr("Tell Me &More"));
    moreAction_->setObjectName(QStringLiteral("mnuMore"));
    handbookAction_ = help->addAction(tr("&Handbook"));
    handbookAction_->setObjectName(QStringLiteral("mnuHandbook"));
    handbookAction_->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    aboutAction_ = help->addAction(tr("&About Hearthwise"));
    aboutAction_->setObjectName(QStringLiteral("mnuAbout"));
    menuBar()->addMenu(help);

    // The hidden "Menu": offered on a right click of Back or Next.
    whatsThisMenu_ = new QMenu(tr("Menu"), this);
    whatsThisMenu_->setObjectName(QStringLiteral("mnuBtnContextMenu"));
    whatsThisAction_ = whatsThisMenu_->addAction(tr("What's This?"));
    whatsThisAction_->setObjectName(QStringLiteral("mnuBtnWhatsThis"));
}

void MainWindow::buildFurniture() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(twips(240), twips(120), twips(240), twips(240));
    // On a small or strongly scaled screen a page scrolls rather than pushing
    // Exit, Back and Next off the screen.
    auto* scroller = new QScrollArea(central);
    scroller->setObjectName(QStringLiteral("stepScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    // The scroller itself is no stop of the Tab key and never takes the focus
    // from a click on blank page space: the focus stays with the page's controls.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    steps_ = new CurrentPageStack;
    scroller->setWidget(steps_);
    context_.columns.fitWithin(scroller);
    steps_->setAutoFillBackground(false); // setWidget turned it on
    // The window's own background shows through (the skin makes the scroller transparent).
    // Where the household is: the page and its place on the purpose's path.
    placeLabel_ = new QLabel(central);
    placeLabel_->setObjectName(QStringLiteral("lblPlace"));
    placeLabel_->setTextFormat(Qt::PlainText);
    Skin::applyTo(placeLabel_, Skin::Element::Place);
    outer->addWidget(placeLabel_);
    outer->addWidget(scroller, 1);
    for (int step = 0; step < StepCount; ++step)
        steps_->addWidget(buildStepPanel(step));

    buttonRow_ = new QGridLayout;
    buttonRow_->setColumnStretch(1, 1);
    buttonRow_->setHorizontalSpacing(twips(225));
    const auto makeButton = [&](const QString& caption, const char* name) {
        auto* button = new QPushButton(caption, central);
        button->setObjectName(QLatin1String(name));
        button->setMinimumSize(twips(NavigationButtonWidth), twips(NavigationButtonHeight));
        Skin::applyTo(button, Skin::Element::Button);
        return button;
    };
    exitButton_ = makeButton(tr("E&xit"), "cmdExit");
    backButton_ = makeButton(tr("&Back"), "cmdBack");
    nextButton_ = makeButton(tr("&Next"), "cmdNext");
    nextButton_->setDefault(false);
    buttonRow_->addWidget(exitButton_, 0, 0);
    buttonRow_->addWidget(backButton_, 0, 2);
    buttonRow_->addWidget(nextButton_, 0, 3);
    outer->addLayout(buttonRow_);
    setCentralWidget(central);

    onAction(exitButton_, [this] { leave(); });
    onAction(backButton_, [this] { goBack(); });
    onAction(nextButton_, [this] { goNext(); });

    // Right click on Back or Next offers "What's This?" for that button.
    backButton_->setWhatsThis(tr("Back returns to the previous page. Your entries are kept."));
    nextButton_->setWhatsThis(
        tr("Next checks this page, works out its totals if needed and moves to the next page."));
    for (QPushButton* button : {backButton_, nextButton_}) {
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this, [this, button](QPoint at) {
            whatsThisAction_->setData(QVariant::fromValue(static_cast<QObject*>(button)));
            whatsThisMenu_->exec(button->mapToGlobal(at));
        });
    }
    connect(whatsThisAction_, &QAction::triggered, this, [this] {
        auto* button = qobject_cast<QWidget*>(whatsThisAction_->data().value<QObject*>());
        if (button)
            QWhatsThis::showText(button->mapToGlobal(button->rect().center()), button->whatsThis(),
                                 button);
    });
}

QWidget* MainWindow::buildStepPanel(int step) {
    auto* panel = new QWidget(steps_);
    panel->setObjectName(QStringLiteral("fraStep%1").arg(step));
    panel->setAccessibleName(page(step).name());
    // The pages' builders find their panel here.
    stepPanels_[static_cast<std::size_t>(step)] = panel;
    Skin::applyToWindow(panel, Skin::Storage::Second);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    if (std::find(unbuiltSteps_.begin(), unbuiltSteps_.end(), step) == unbuiltSteps_.end())
        fillStepPanel(step);
    return panel;
}

void MainWindow::fillStepPanel(int step) {
    page(step).buildInto(stepPanels_[static_cast<std::size_t>(step)]);
}

void MainWindow::startFresh() {
    currentStep_ = OpeningStep;
    context_.entered.purpose = FirstHomeBuyer;
    context_.figures = CaseFigures();

    backButton_->setEnabled(false);
    steps_->setCurrentIndex(OpeningStep);
    for (int i = 1; i < StepCount; ++i)
        stepPanels_[static_cast<std::size_t>(i)]->setEnabled(false);

    Skin::applyToWindow(this, Skin::Storage::First);
    Skin::applyTo(exitButton_, Skin::Element::Button);
    Skin::applyTo(nextButton_, Skin::Element::Button);

    showPlace();
    // Pages still to be built are set up once they are.
    if (unbuiltSteps_.empty()) {
        for (const auto& each : pages_)
            each->setUp();
        storeCase();
        if (!startCase_)
            startCase_ = caseValue();
        markSaved();
        refreshTitle();
    }
}

void MainWindow::storeCase() {
    for (int step = 0; step < StepCount; ++step)
        if (std::find(unbuiltSteps_.begin(), unbuiltSteps_.end(), step) == unbuiltSteps_.end())
            page(step).store(context_.entered);
}

void MainWindow::onAction(QAbstractButton* button, std::function<void()> action) {
    connect(button, &QAbstractButton::clicked, this, [this, action] { runAction(action); });
}

void MainWindow::onAction(QAction* entry, std::function<void()> action) {
    connect(entry, &QAction::triggered, this, [this, action] { runAction(action); });
}

bool MainWindow::commitEditing() {
    // focusWidget() is the window's own focus, also while a message box has the keyboard.
    auto* field = qobject_cast<NumericField*>(focusWidget());
    return !field || field->commit();
}

void MainWindow::runAction(const std::function<void()>& action) {
    buildRemainingPages();
    if (!commitEditing())
        return;
    storeCase();
    action();
    storeCase();
    refreshTitle();
    // A field that still has the focus after the action is being edited again.
    if (auto* field = qobject_cast<NumericField*>(focusWidget()); field && field->isVisible())
        field->beginEditing();
}

} // namespace hw
