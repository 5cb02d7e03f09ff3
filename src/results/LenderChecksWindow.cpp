// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LenderChecksWindow.h"

#include "base/ScreenRoom.h"
#include "calc/OptionTexts.h"
#include "entry/NumericField.h"
#include "info/HelpTopics.h"
#include "info/InformationWindow.h"
#include "look/Skin.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace hw {

LenderChecksWindow::LenderChecksWindow(const MortgageCase& value, const CaseFigures& figures,
                                       const Regional& regional, QWidget* owner)
    : QDialog(owner), regional_(regional), case_(lenderCaseOf(value, figures)) {
    setObjectName(QStringLiteral("LenderChecksWindow"));
    setWindowTitle(tr("Lender Checks"));
    Skin::applyToWindow(this, Skin::Storage::Third);

    auto* intro = new QLabel(tr("The usual checks of lenders in the country you choose, for each "
                                "mortgage type: the published rules of that country, not advice. "
                                "The debts on the Liabilities page are repaid by this loan; enter "
                                "below only the debts it leaves."),
                             this);
    intro->setWordWrap(true);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    countryBox = new QComboBox(this);
    countryBox->setObjectName(QStringLiteral("cboCountry"));
    for (LenderCountry country : LenderCountries)
        countryBox->addItem(lenderCountryName(country), static_cast<int>(country));
    countryBox->setCurrentIndex(countryBox->findData(static_cast<int>(case_.figures.country)));
    auto* countryCaption = new QLabel(tr("Lender &Country:"), this);
    countryCaption->setBuddy(countryBox);
    form->addRow(countryCaption, countryBox);
    // The captions a case file names these figures by, each with its key.
    const char* const mnemonics[] = {
        QT_TR_NOOP("&Property Tax a Year:"), QT_TR_NOOP("&Heating a Month:"),
        QT_TR_NOOP("Condominium &Fees a Month:"), QT_TR_NOOP("Payments on Other &Debts a Month:"),
        QT_TR_NOOP("Other Credit Card &Balances:")};
    for (std::size_t i = 0; i < amounts_.size(); ++i) {
        auto* field = new NumericField(NumericField::Format::Amount, regional_, this);
        field->setObjectName(QStringLiteral("txtLender%1").arg(i));
        field->show(case_.figures.*LenderFigures::Amounts[i]);
        auto* caption = new QLabel(tr(mnemonics[i]), this);
        caption->setBuddy(field);
        form->addRow(caption, field);
        amounts_[i] = field;
        connect(field, &NumericField::committed, this, [this] {
            takeFigures();
            showChecks();
        });
    }
    connect(countryBox, &QComboBox::currentIndexChanged, this, [this] {
        takeFigures();
        showChecks();
    });

    checksTree = new QTreeWidget(this);
    checksTree->setObjectName(QStringLiteral("treeChecks"));
    checksTree->setAccessibleName(tr("Lender checks of each mortgage type"));
    checksTree->setHeaderLabels(
        {tr("Mortgage Type and Check"), tr("Result"), tr("What It Comes To")});
    checksTree->setRootIsDecorated(true);
    checksTree->setWordWrap(true);
    checksTree->header()->setStretchLastSection(true);
    checksTree->setUniformRowHeights(false);

    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("lblLenderSummary"));
    summary->setTextFormat(Qt::PlainText);
    Skin::applyTo(summary, Skin::Element::Place);
    sources_ = new QLabel(this);
    sources_->setObjectName(QStringLiteral("lblSources"));
    sources_->setTextFormat(Qt::PlainText);
    sources_->setWordWrap(true);

    closeButton_ = new QPushButton(tr("Close"), this);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    closeButton_->setDefault(true);
    Skin::applyTo(closeButton_, Skin::Element::Button);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(summary);
    layout->addWidget(checksTree, 1);
    layout->addWidget(sources_);
    QPushButton* more = tellMeMoreButton(this, LenderChecksTopic);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(more);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);
    showChecks();
    resize(withinScreen(this, QSize(1000, 660)));
}

void LenderChecksWindow::done(int result) {
    for (NumericField* field : amounts_)
        if (!field->commit())
            return;
    takeFigures();
    QDialog::done(result);
}

void LenderChecksWindow::takeFigures() {
    case_.figures.country = static_cast<LenderCountry>(countryBox->currentData().toInt());
    for (std::size_t i = 0; i < amounts_.size(); ++i)
        case_.figures.*LenderFigures::Amounts[i] = amounts_[i]->amount();
}

void LenderChecksWindow::showChecks() {
    const LenderCountry country = case_.figures.country;
    const auto checks = lenderChecks(case_);
    checksTree->clear();
    for (int type = 0; type < MortgageTypeCount; ++type) {
        const TypeChecks& own = checks[static_cast<std::size_t>(type)];
        // Each type across the whole row, with its verdict; its checks under it.
        auto* item = new QTreeWidgetItem(checksTree);
        item->setText(
            0, (passes(own) ? tr("%1: passes") : tr("%1: fails")).arg(mortgageTypeName(type)));
        item->setFirstColumnSpanned(true);
        for (const LenderCheck& check : own) {
            auto* line = new QTreeWidgetItem(item);
            line->setText(0, lenderRuleName(check.rule));
            line->setText(1, verdictText(check.verdict));
            line->setText(2, lenderCheckText(country, check, regional_));
            line->setToolTip(2, line->text(2));
        }
    }
    checksTree->expandAll();
    // The rule names set the first column's width; the words have the rest.
    int ruleWidth = 0;
    for (int type = 0; type < checksTree->topLevelItemCount(); ++type) {
        const QTreeWidgetItem* item = checksTree->topLevelItem(type);
        for (int k = 0; k < item->childCount(); ++k)
            ruleWidth = std::max(
                ruleWidth, checksTree->fontMetrics().horizontalAdvance(item->child(k)->text(0)));
    }
    checksTree->setColumnWidth(0, std::max(checksTree->header()->sectionSizeHint(0),
                                           ruleWidth + 3 * checksTree->indentation() +
                                               checksTree->fontMetrics().averageCharWidth() * 2));
    checksTree->resizeColumnToContents(1);
    checksTree->setVisible(country != LenderCountry::None);
    summary->setText(country == LenderCountry::None
                         ? tr("Choose a lender country to see its usual checks.")
                         : lenderSummary(country, checks, regional_));
    sources_->setText(lenderSources(country));
}

} // namespace hw
