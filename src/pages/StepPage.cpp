// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepPage.h"

#include "base/Message.h"
#include "calc/CaseFields.h"
#include "look/Skin.h"
#include "look/WrappedLabel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace hw {

StepPage::StepPage(PageContext& context, int step, const char* title, const char* guidance)
    : context_(context), step_(step), title_(title), guidance_(guidance) {}

QString StepPage::title() const {
    return title_ ? tr(title_) : QString();
}

QString StepPage::name() const {
    // The title bar in sentence case: "INCOME" is read as "Income".
    return title_ ? captions::pageName(title_) : QString();
}

QString StepPage::handbookSection() const {
    // Each is an id of the handbook's page, which the built handbook has a
    // page leading to (docs/CMakeLists.txt).
    switch (step_) {
    case OpeningStep:
        return QStringLiteral("start");
    case PurposeStep:
        return QStringLiteral("purpose");
    case AssetsStep:
        return QStringLiteral("assets");
    case LiabilitiesStep:
        return QStringLiteral("liabilities");
    case IncomeStep:
        return QStringLiteral("income");
    case BudgetStep:
        return QStringLiteral("expenses");
    case ChargesStep:
        return QStringLiteral("fees");
    case RateStep:
        return QStringLiteral("rate");
    case ResultsStep:
        return QStringLiteral("results");
    case ClosingStep:
        return QStringLiteral("report");
    default: // each purpose's own page
        return QStringLiteral("purpose-figures");
    }
}

QString StepPage::guidance() const {
    return tr(guidance_);
}

void StepPage::buildInto(QWidget* panel) {
    auto* layout = static_cast<QVBoxLayout*>(panel->layout());
    auto* guidance = new WrappedLabel(this->guidance(), panel);
    guidance->setObjectName(QStringLiteral("sknLabel%1").arg(step_));
    guidance->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Skin::applyTo(guidance, Skin::Element::Guidance);
    layout->addWidget(guidance);
    if (const QString bar = title(); !bar.isEmpty()) {
        auto* titleBar = new QLabel(bar, panel);
        titleBar->setObjectName(QStringLiteral("SkinPanel%1").arg(step_ - AssetsStep));
        Skin::applyTo(titleBar, Skin::Element::Title);
        layout->addWidget(titleBar);
    }
    build(panel, layout);
}

bool StepPage::leave(Way way) {
    if (way == Way::Back) {
        repair();
        return true;
    }
    return validate() && (calculated_ || calculate()) && confirm();
}

void StepPage::enter() {
    if (NumericField* field = entryFocus())
        field->takeFocus();
}

void StepPage::adopt(NumericField* field) {
    // Any change of a field's text, typed or written, makes the page's totals stale.
    connect(field, &QLineEdit::textChanged, this, [this] { calculated_ = false; });
    connect(field, &NumericField::committed, this, [this] {
        store(context_.entered);
        if (context_.changed)
            context_.changed();
        showTotals();
    });
}

PageBuilder StepPage::builder(QWidget* panel) {
    return PageBuilder(panel, regional(), [this](NumericField* field) { adopt(field); });
}

void StepPage::onAction(QAbstractButton* button, std::function<void()> action) {
    context_.onAction(button, std::move(action));
}

void StepPage::placeGrid(QVBoxLayout* layout, QGridLayout* grid, int sharedColumns) {
    const int columns = sharedColumns < 0 ? grid->columnCount() : sharedColumns;
    PageBuilder::packLeft(grid);
    layout->addLayout(grid);
    context_.columns.join(grid, columns);
}

void StepPage::placeFields(QVBoxLayout* layout, QGridLayout* grid, QAbstractButton* calculate,
                           int sharedColumns) {
    placeGrid(layout, grid, sharedColumns);
    layout->addStretch(1);
    onAction(calculate, [this] { this->calculate(); });
}

void StepPage::refuse(const char* message, NumericField* field) {
    ShowMessage(tr(message), MsgOkOnly);
    if (field)
        field->takeFocus();
}

bool StepPage::refused(const Refusal& refusal) {
    if (!refusal)
        return false;
    refuse(refusal->message, refusal->field ? fieldAt(*refusal->field) : nullptr);
    return true;
}

const MortgageCase& StepPage::current() const {
    store(context_.entered);
    return context_.entered;
}

bool StepPage::tooLarge() {
    refuse(refusals::TooLarge);
    return false;
}

} // namespace hw
