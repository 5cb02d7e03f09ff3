#pragma once

#include "StepPage.h"

#include <span>
#include <vector>

class QLineEdit;
class QPushButton;

namespace hw {

// A field of a purpose page: its part (0, or 1 for the buying or building
// part of the selling purposes) and its index in that part.
struct PurposeField {
    int part = 0;
    int index = 0;
};
// A field that must not be 0 when the page is left or calculated, and what is said then.
struct RequiredField {
    PurposeField field;
    const char* message;
};
// What a purpose page is given on entry from the pages before it, besides the debts.
enum class Carried { Nothing, HomeValue, SaleEquity, OwnedProperties };

// Everything that differs from one purpose's page to another: one row per
// purpose, so that adding or changing a purpose touches its row only. (The
// purpose's requirement formula is the core's purposeFormula.)
struct PurposeRow {
    const char* title = nullptr;
    const char* guidance = nullptr;
    std::span<const FieldSpec> fields = {};
    std::span<const FieldSpec> secondFields = {}; // the buying or building part, if any
    const char* partHeads[2] = {nullptr, nullptr};
    const char* totalCaption = "Total:";
    PurposeField debts = {}; // receives the total of the liabilities page
    Carried carried = Carried::Nothing;
    PurposeField carriedInto = {}; // where what is carried goes
    PurposeField entryFocus = {};  // the field the focus goes to on entry
    std::span<const RequiredField> required = {};
};
const PurposeRow& purposeRow(int purpose);

// A purpose's own figures, built from its row: what is paid, the debts
// carried from the liabilities page, what the household brings, and the
// mortgage requirement they make.
class RequirementPage : public StepPage {
    Q_OBJECT
public:
    RequirementPage(PageContext& context, int purpose);
    void build(QWidget* panel, QVBoxLayout* layout) override;
    bool prepare() override;
    bool validate() override;
    bool calculate() override;
    // The amount to borrow must be over 0.
    bool confirm() override;
    NumericField* entryFocus() override { return field(row_.entryFocus); }
    void forgetWorkedOut(MortgageCase& value) const override;
    void store(MortgageCase& value) const override;
    void load(const MortgageCase& value) override;

private:
    NumericField* field(PurposeField which) const;
    // Leaving a field of a selling part refreshes the equity of the sale.
    void refreshEquity();
    int purpose_;
    const PurposeRow& row_;
    std::vector<NumericField*> parts_[2];
    QPushButton* calculate_ = nullptr;
    QLineEdit* totalShown_ = nullptr;
    Currency total_;
};

} // namespace hw
