// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StepPage.h"

#include <span>
#include <vector>

class QLineEdit;
class QPushButton;

namespace hw {

// A page of amounts in two columns, summed by its Calculate into its total:
// the assets and the liabilities. Its first two fields are the home and the
// rental properties, which a first-home purpose does not own yet.
class SumPage : public StepPage {
    Q_OBJECT
public:
    struct Design {
        const char* title;
        const char* guidance;
        std::span<const FieldSpec> left;
        std::span<const FieldSpec> right;
        const char* totalLiteral;
        const char* totalName; // what a screen reader calls the total
    };
    SumPage(PageContext& context, int step, const Design& design);
    void store(MortgageCase& value) const override;
    void load(const MortgageCase& value) override;
    void showWorkedOut(const CaseResults& results) override;

protected:
    NumericField* fieldAt(PageField field) override;
    void build(QWidget* panel, QVBoxLayout* layout) override;
    bool prepare() override;
    bool calculate() override;
    void showTotals() override;
    NumericField* entryFocus() override;
    // Where the page's amounts and total live in the case.
    virtual std::span<Currency> amountsIn(MortgageCase& value) const = 0;
    virtual std::span<const Currency> amountsOf(const MortgageCase& value) const = 0;
    virtual Currency& total() = 0;
    std::vector<NumericField*> fields_;

private:
    // The fields' amounts added up exactly; none when the sum leaves the currency's range.
    std::optional<Currency> fieldsSum() const;
    Design design_;
    QPushButton* calculate_ = nullptr;
    QLineEdit* totalShown_ = nullptr;
    // What the home and rental fields held before a first-home purpose set them to 0.
    std::array<std::optional<Currency>, 2> keptOwned_;
};

class AssetsPage : public SumPage {
    Q_OBJECT
public:
    explicit AssetsPage(PageContext& context);

protected:
    // Only the purposes that build on a home the household owns need its value.
    bool validate() override;

private:
    std::span<Currency> amountsIn(MortgageCase& value) const override { return value.assets; }
    std::span<const Currency> amountsOf(const MortgageCase& value) const override {
        return value.assets;
    }
    Currency& total() override { return context_.figures.totalAssets; }
};

class LiabilitiesPage : public SumPage {
    Q_OBJECT
public:
    explicit LiabilitiesPage(PageContext& context);

protected:
    // A refinance moves existing debts to the new loan: there must be some.
    bool confirm() override;

private:
    std::span<Currency> amountsIn(MortgageCase& value) const override { return value.liabilities; }
    std::span<const Currency> amountsOf(const MortgageCase& value) const override {
        return value.liabilities;
    }
    Currency& total() override { return context_.figures.totalLiabilities; }
};

} // namespace hw
