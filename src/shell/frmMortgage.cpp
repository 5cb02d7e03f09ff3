#include "frmMortgage.h"

#include "CurrentPageStack.h"
#include "Message.h"
#include "Pictures.h"
#include "ScreenRoom.h"
#include "Twips.h"
#include "look/OptionButtons.h"
#include "look/Skin.h"
#include "results/rptMortgage.h"

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
#include <QTimer>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <algorithm>
#include <utility>

namespace hw {

namespace {

// Page titles of the steps that carry a title bar.
QString pageTitle(int step) {
    static const char* const titles[StepCount] = {
        nullptr,
        nullptr,
        "ASSETS",
        "LIABILITIES",
        "INCOME",
        "EXPENSES",
        "FIRST TIME HOME BUYER",
        "FIRST TIME HOME BUILDER",
        "HOME IMPROVEMENT",
        "SELLING AND BUYING",
        "SELLING AND BUILDING",
        "ADDITIONAL REAL ESTATE PURCHASE",
        "ADDITIONAL BUILDING",
        "REFINANCE",
        "OTHER LOANS",
        "FEES AND BANK CHARGES",
        "INTEREST RATE AND TERM",
        nullptr,
        nullptr,
    };
    const char* title = titles[step];
    return title ? QCoreApplication::translate("hw::frmMortgage", title) : QString();
}

// What a screen reader calls a page as the focus enters it: its title, or a
// name for the pages without one.
QString pageName(int step) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("hw::frmMortgage", text);
    };
    switch (step) {
    case OpeningStep:
        return tr("Welcome");
    case PurposeStep:
        return tr("Purpose of the mortgage");
    case ResultsStep:
        return tr("Mortgage Options");
    case ClosingStep:
        return tr("Thank you");
    default: {
        const QString title = pageTitle(step).toLower();
        return title.left(1).toUpper() + title.mid(1);
    }
    }
}

const char* const PurposeCaptions[PurposeCount] = {
    "First Home Buyer",     "First Home Builder",
    "Home Improvement",     "Selling and Buying",
    "Selling and Building", "Additional Real Estate Purchase",
    "Additional Building",  "Refinance",
    "Other Loans",
};

constexpr int NavigationButtonWidth = 1095;
constexpr int NavigationButtonHeight = 495;

} // namespace

frmMortgage::frmMortgage(const QLocale& locale, QWidget* parent, Pages pages)
    : QMainWindow(parent), regional_(locale) {
    setObjectName(QStringLiteral("frmMortgage"));
    setWindowTitle(tr("Hearthwise"));
    // The skin first, so that every control is styled once, as it is made.
    Skin::applyToWindow(this, Skin::Storage::First);
    buildMenu();
    for (int step = 0; step < StepCount; ++step)
        if (pages == Pages::AllAtOnce || step != OpeningStep)
            unbuiltSteps_.push_back(step);
    buildFurniture();
    // The way on is the first thing the keyboard reaches.
    cmdNext->setFocus(Qt::OtherFocusReason);
    if (pages == Pages::AllAtOnce)
        buildRemainingPages();
    else
        Form_Load();
    openedSize_ = firstSize();
    resize(openedSize_);
}

QSize frmMortgage::firstSize() const {
    // The designed size, wider where the pages need it to show every figure in
    // full, and less where the screen is smaller (its frame included).
    const QMargins around = centralWidget()->layout()->contentsMargins();
    const int pagesWidth = steps_->largestPageMinimum().width() + around.left() + around.right();
    return withinScreen(this, QSize(std::max(twips(12600), pagesWidth), twips(9000)));
}

bool frmMortgage::buildRemainingPages() {
    if (unbuiltSteps_.empty())
        return false;
    const std::vector<int> steps = std::exchange(unbuiltSteps_, {});
    for (int step : steps)
        fillStepPanel(step);
    connectPageButtons();
    connectInformation();
    Form_Load();
    // Enter presses the focused button, as it does in a dialog.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    // A window shown before its wider pages were built widens for them, as
    // long as the user has not sized it, and stays on its screen.
    if (isVisible() && size() == openedSize_) {
        resize(firstSize());
        if (const QScreen* screen = this->screen()) {
            const QRect room = screen->availableGeometry();
            QRect frame = frameGeometry();
            frame.moveRight(std::min(frame.right(), room.right()));
            frame.moveLeft(std::max(frame.left(), room.left()));
            move(frame.topLeft());
        }
    }
    return true;
}

void frmMortgage::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!unbuiltSteps_.empty())
        QTimer::singleShot(0, this, [this] {
            // Then, while the user reads the first page, what the report needs.
            if (buildRemainingPages())
                QTimer::singleShot(0, this, [] { rptMortgage::warmUp(); });
        });
}

void frmMortgage::buildMenu() {
    buildFileMenu();
    mnuMore = menuBar()->addAction(tr("Tell Me &More"));
    mnuMore->setObjectName(QStringLiteral("mnuMore"));
    mnuAbout = menuBar()->addAction(tr("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    // The hidden "Menu": offered on a right click of Back or Next.
    mnuBtnContextMenu = new QMenu(tr("Menu"), this);
    mnuBtnContextMenu->setObjectName(QStringLiteral("mnuBtnContextMenu"));
    mnuBtnWhatsThis = mnuBtnContextMenu->addAction(tr("What's This?"));
    mnuBtnWhatsThis->setObjectName(QStringLiteral("mnuBtnWhatsThis"));
}

void frmMortgage::buildFurniture() {
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
    steps_->setAutoFillBackground(false); // setWidget turned it on
    // The window's own background shows through (the skin makes the scroller transparent).
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
    cmdExit = makeButton(tr("E&xit"), "cmdExit");
    cmdBack = makeButton(tr("&Back"), "cmdBack");
    cmdNext = makeButton(tr("&Next"), "cmdNext");
    cmdNext->setDefault(false);
    buttonRow_->addWidget(cmdExit, 0, 0);
    buttonRow_->addWidget(cmdBack, 0, 2);
    buttonRow_->addWidget(cmdNext, 0, 3);
    outer->addLayout(buttonRow_);
    setCentralWidget(central);

    onAction(cmdExit, [this] { cmdExit_Click(); });
    onAction(cmdBack, [this] { cmdBack_Click(); });
    onAction(cmdNext, [this] { cmdNext_Click(); });

    // Right click on Back or Next offers "What's This?" for that button.
    cmdBack->setWhatsThis(tr("Back returns to the previous page. Your entries are kept."));
    cmdNext->setWhatsThis(
        tr("Next checks this page, works out its totals if needed and moves to the next page."));
    for (QPushButton* button : {cmdBack, cmdNext}) {
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this, [this, button](QPoint at) {
            mnuBtnWhatsThis->setData(QVariant::fromValue(static_cast<QObject*>(button)));
            mnuBtnContextMenu->exec(button->mapToGlobal(at));
        });
    }
    connect(mnuBtnWhatsThis, &QAction::triggered, this, [this] {
        auto* button = qobject_cast<QWidget*>(mnuBtnWhatsThis->data().value<QObject*>());
        if (button)
            QWhatsThis::showText(button->mapToGlobal(button->rect().center()), button->whatsThis(),
                                 button);
    });
}

QWidget* frmMortgage::buildStepPanel(int step) {
    auto* panel = new QWidget(steps_);
    panel->setObjectName(QStringLiteral("fraStep%1").arg(step));
    panel->setAccessibleName(pageName(step));
    // The pages' builders find their panel here.
    fraStep[static_cast<std::size_t>(step)] = panel;
    Skin::applyToWindow(panel, Skin::Storage::Second);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    if (std::find(unbuiltSteps_.begin(), unbuiltSteps_.end(), step) == unbuiltSteps_.end())
        fillStepPanel(step);
    return panel;
}

void frmMortgage::fillStepPanel(int step) {
    QWidget* panel = fraStep[static_cast<std::size_t>(step)];
    auto* layout = static_cast<QVBoxLayout*>(panel->layout());

    auto* guidance = new QLabel(panel);
    guidance->setObjectName(QStringLiteral("sknLabel%1").arg(step));
    guidance->setWordWrap(true);
    guidance->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    guidance->setTextFormat(Qt::PlainText);
    Skin::applyTo(guidance, Skin::Element::Guidance);
    layout->addWidget(guidance);
    sknLabel[static_cast<std::size_t>(step)] = guidance;

    const QString title = pageTitle(step);
    if (!title.isEmpty()) {
        auto* bar = new QLabel(title, panel);
        bar->setObjectName(QStringLiteral("SkinPanel%1").arg(step - AssetsStep));
        Skin::applyTo(bar, Skin::Element::Title);
        layout->addWidget(bar);
    }

    if (step == OpeningStep || step == ClosingStep) {
        auto* picture = new QLabel(panel);
        picture->setObjectName(QStringLiteral("Picture1%1").arg(step == OpeningStep ? 0 : 1));
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(step == OpeningStep ? openingPicture() : closingPicture());
        layout->addWidget(picture, 1);
    } else if (step == PurposeStep) {
        buildPurposePage(layout);
    } else {
        buildPageContents(step, panel, layout);
        layout->addStretch(1);
    }
}

void frmMortgage::buildPurposePage(QVBoxLayout* page) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(twips(480));
    grid->setVerticalSpacing(twips(180));
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int i = 0; i < PurposeCount; ++i) {
        auto* button = new OptionButton(tr(PurposeCaptions[i]));
        button->setObjectName(QStringLiteral("optPurpose%1").arg(i));
        button->setMinimumHeight(twips(540));
        Skin::applyTo(button, Skin::Element::Option);
        group->addButton(button, i);
        // Buttons 0 to 4 form the left column, 5 to 8 the right one.
        grid->addWidget(button, i < 5 ? i : i - 5, i < 5 ? 0 : 1);
        onAction(button, [this, i] { optPurpose_Click(i); });
        optPurpose[static_cast<std::size_t>(i)] = button;
    }
    // The arrow keys go through both columns, as through one group of radio buttons.
    arrowKeysChooseAmong(group->buttons());
    page->addSpacing(twips(240));
    page->addLayout(grid);
    page->addStretch(1);
}

void frmMortgage::Form_Load() {
    CurrentStep = 0;
    Purpose = 0;
    TotalLiabilities = Currency();
    TotalAssets = Currency();
    MonthlyExpenditure = Currency();
    MonthlyIncomeAfterTax = 0.0;

    cmdBack->setEnabled(false);
    steps_->setCurrentIndex(OpeningStep);
    for (int i = 1; i < StepCount; ++i)
        fraStep[static_cast<std::size_t>(i)]->setEnabled(false);

    Skin::applyToWindow(this, Skin::Storage::First);
    Skin::applyTo(cmdExit, Skin::Element::Button);
    Skin::applyTo(cmdNext, Skin::Element::Button);

    SetGuidanceTexts();
    // Pages still to be built are set up once they are.
    if (unbuiltSteps_.empty())
        setUpControls();
}

void frmMortgage::onAction(QAbstractButton* button, std::function<void()> action) {
    connect(button, &QAbstractButton::clicked, this, [this, action] { runAction(action); });
}

void frmMortgage::onAction(QAction* entry, std::function<void()> action) {
    connect(entry, &QAction::triggered, this, [this, action] { runAction(action); });
}

bool frmMortgage::commitEditing() {
    // focusWidget() is the window's own focus, also while a message box has the keyboard.
    auto* field = qobject_cast<NumericField*>(focusWidget());
    return !field || field->commit();
}

void frmMortgage::runAction(const std::function<void()>& action) {
    buildRemainingPages();
    if (!commitEditing())
        return;
    action();
    refreshTitle();
    // A field that still has the focus after the action is being edited again.
    if (auto* field = qobject_cast<NumericField*>(focusWidget()); field && field->isVisible())
        field->beginEditing();
}

} // namespace hw
