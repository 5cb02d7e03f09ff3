#include "RequirementPage.h"

#include "base/Twips.h"
#include "steps/StepPath.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace hw {

RequirementPage::RequirementPage(PageContext& context, int purpose)
    : StepPage(context, requirementStep(purpose), purposeRow(purpose).title,
               purposeRow(purpose).guidance),
      purpose_(purpose), row_(purposeRow(purpose)) {}

NumericField* RequirementPage::field(PurposeField which) const {
    return parts_[which.part][static_cast<std::size_t>(which.index)];
}

void RequirementPage::build(QWidget* panel, QVBoxLayout* layout) {
    PageBuilder b = builder(panel);
    auto* grid = PageBuilder::grid();
    // The selling purposes have two parts side by side, each under its head.
    const bool twoParts = !row_.secondFields.empty();
    if (twoParts) {
        grid->addWidget(b.label(tr(row_.partHeads[0])), 0, 1);
        grid->addWidget(b.label(tr(row_.partHeads[1])), 0, 3);
    }
    parts_[0].resize(row_.fields.size());
    b.column(grid, parts_[0], row_.fields, twoParts ? 1 : 0, 0);
    if (twoParts) {
        parts_[1].resize(row_.secondFields.size());
        b.column(grid, parts_[1], row_.secondFields, 1, 1);
    }
    // The total under the fields of the last part, with its Calculate beside it.
    const int below =
        static_cast<int>(std::max(parts_[0].size(), parts_[1].size())) + (twoParts ? 1 : 0);
    const QString caption = tr(row_.totalCaption);
    const auto total =
        b.totalRow(grid, below, twoParts ? 3 : 1, caption, "$0.00", caption.trimmed().chopped(1));
    calculate_ = total.calculate;
    totalShown_ = total.total;
    placeFields(layout, grid, calculate_);
    if (row_.carried == Carried::SaleEquity)
        for (NumericField* selling : parts_[0])
            connect(selling, &NumericField::committed, this, [this] { refreshEquity(); });
}

bool RequirementPage::prepare() {
    const CaseFigures& figures = context_.figures;
    const MortgageCase& entered = context_.entered;
    field(row_.debts)->show(figures.totalLiabilities);
    NumericField* into = field(row_.carriedInto);
    switch (row_.carried) {
    case Carried::Nothing:
        break;
    case Carried::HomeValue:
        into->show(entered.assets[0]);
        break;
    case Carried::SaleEquity: {
        // Price - fees - debts + contribution of the selling part, as it stands on entry.
        std::array<Currency, 4> selling;
        for (std::size_t i = 0; i < selling.size(); ++i)
            selling[i] = parts_[0][i]->amount();
        into->show(static_cast<double>(entryEquity(selling)));
        break;
    }
    case Carried::OwnedProperties: {
        const Currency owned[] = {entered.assets[0], entered.assets[1]};
        into->show(sum(owned).value_or(Currency()));
        break;
    }
    }
    store(context_.entered);
    return true;
}

void RequirementPage::refreshEquity() {
    if (context_.pageCalculated)
        return;
    // Selling price less fees less current debts plus the contribution.
    const std::vector<NumericField*>& selling = parts_[0];
    auto value = selling[0]->amount().minus(selling[1]->amount());
    if (value)
        value = value->minus(selling[2]->amount());
    if (value)
        value = value->plus(selling[3]->amount());
    if (value)
        field(row_.carriedInto)->show(*value);
}

bool RequirementPage::validate() {
    for (const RequiredField& required : row_.required)
        if (NumericField* which = field(required.field); !check::notZero(which)) {
            refuse(required.message, which);
            return false;
        }
    return true;
}

bool RequirementPage::calculate() {
    if (!validate())
        return false;
    const PurposeFormula& formula = purposeFormula(purpose_);
    const FieldAmount amount = [this](int part, int index) {
        return field({part, index})->amount();
    };
    const auto requirement = requirementOf(formula, amount);
    if (!requirement)
        return tooLarge();
    total_ = *requirement;
    context_.figures.requirement = total_;
    context_.figures.propertyValue = propertyValueOf(formula, amount);
    totalShown_->setText(regional().currency(total_));
    context_.pageCalculated = true;
    return true;
}

bool RequirementPage::confirm() {
    if (regional().shown(total_) <= Currency()) {
        refuse("The amount you want to borrow must be over $0!");
        return false;
    }
    return true;
}

void RequirementPage::store(MortgageCase& value) const {
    PurposeFigures& figures = value.purposes[static_cast<std::size_t>(purpose_)];
    for (std::size_t i = 0; i < parts_[0].size(); ++i)
        figures.first[i] = parts_[0][i]->amount();
    for (std::size_t i = 0; i < parts_[1].size(); ++i)
        figures.second[i] = parts_[1][i]->amount();
}

void RequirementPage::forgetWorkedOut(MortgageCase& value) const {
    PurposeFigures& figures = value.purposes[static_cast<std::size_t>(purpose_)];
    const auto forget = [&figures](PurposeField shown) {
        (shown.part == 0 ? figures.first[static_cast<std::size_t>(shown.index)]
                         : figures.second[static_cast<std::size_t>(shown.index)]) = Currency();
    };
    forget(row_.debts);
    if (row_.carried != Carried::Nothing)
        forget(row_.carriedInto);
}

void RequirementPage::load(const MortgageCase& value) {
    const PurposeFigures& figures = value.purposes[static_cast<std::size_t>(purpose_)];
    for (std::size_t i = 0; i < parts_[0].size(); ++i)
        parts_[0][i]->show(figures.first[i]);
    for (std::size_t i = 0; i < parts_[1].size(); ++i)
        parts_[1][i]->show(figures.second[i]);
}

} // namespace hw
