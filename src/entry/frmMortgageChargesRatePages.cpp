#include "PageBuilder.h"
#include "look/Skin.h"
#include "shell/Twips.h"
#include "shell/frmMortgage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The fees and bank charges page and the rate page.

namespace hw {

namespace {
using enum NumericField::Format;
using enum NumericField::Kind;
using enum NumericField::Tone;

const FieldSpec Costs[] = {
    {.label = "Subtotal:", .kind = Display},
    {.label = "Valuation Fees:", .start = 200, .literal = "$200.00"},
    {.label = "Legal or Conveyancing Costs:", .start = 500, .literal = "$500.00"},
    {.label = "Total Before Bank Charges:", .kind = Display, .tone = Total},
};
const FieldSpec Rate[] = {
    {.label = "Interest Rate:", .format = Percentage, .start = 8, .literal = nullptr},
    {.label = "Term in Years:", .format = Number, .start = 25, .literal = nullptr},
};
const char* const RateTypes[] = {"Fixed Rate", "Adjustable Rate", "Capped Rate"};

} // namespace

void frmMortgage::buildChargesPage(QVBoxLayout* page, PageBuilder& b) {
    auto* grid = PageBuilder::grid(5);
    b.column(grid, txtCosts, Costs, 0, 0);

    // Bank charges: the two mode buttons, each with its field below it.
    auto* bankCaption = b.label(tr("Bank Charges:"));
    bankCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(bankCaption, 4, 0);
    auto* modes = new QGridLayout;
    modes->setHorizontalSpacing(twips(150));
    optCharges[0] = b.option(tr("&Percent"));
    optCharges[1] = b.option(tr("&Fixed Amount"));
    txtCharges[0] = new NumericField(Percentage, regional_, fraStep[ChargesStep]);
    txtCharges[0]->setText(regional_.percent(0.01));
    b.fitWidth(txtCharges[0], Percentage);
    txtCharges[0]->setAccessibleName(tr("Bank charges percentage"));
    txtCharges[1] = new NumericField(Amount, regional_, fraStep[ChargesStep]);
    txtCharges[1]->setText(b.startAmount(0, "0.00"));
    b.fitWidth(txtCharges[1], Amount);
    txtCharges[1]->setAccessibleName(tr("Bank charges amount"));
    modes->addWidget(optCharges[0], 0, 0);
    modes->addWidget(optCharges[1], 0, 1);
    modes->addWidget(txtCharges[0], 1, 0, Qt::AlignHCenter);
    modes->addWidget(txtCharges[1], 1, 1, Qt::AlignHCenter);
    grid->addLayout(modes, 4, 1, 2, 3, Qt::AlignLeft);
    for (NumericField* field : txtCharges)
        adoptField(field);
    page->addLayout(grid);
    addTotalRow(9, tr("Total:"), page, b);
}

void frmMortgage::buildRatePage(QVBoxLayout* page, PageBuilder& b) {
    for (std::size_t i = 0; i < lblMortgage.size(); ++i) {
        lblMortgage[i] = b.label(QString());
        lblMortgage[i]->setObjectName(QStringLiteral("lblMortgage%1").arg(i));
        lblMortgage[i]->setTextFormat(Qt::PlainText);
        page->addWidget(lblMortgage[i]);
    }
    page->addSpacing(twips(240));
    auto* grid = PageBuilder::grid(5);
    b.column(grid, txtRate, Rate, 0, 0);
    page->addLayout(grid);

    page->addSpacing(twips(240));
    auto* types = new QHBoxLayout;
    types->addWidget(b.label(tr("Types of interest rate:")));
    for (std::size_t i = 0; i < cmdRates.size(); ++i) {
        cmdRates[i] = b.button(tr(RateTypes[i]));
        types->addWidget(cmdRates[i]);
    }
    types->addStretch(1);
    page->addLayout(types);
}

} // namespace hw
