#pragma once

#include "PageBuilder.h"
#include "steps/Purposes.h"

#include <span>

namespace hw {

struct PageControls;

// A field of a purpose page: its part (0, or 1 for the buying or building
// part of the selling purposes) and its index in that part's group.
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

// Everything that differs from one purpose to another: one row per purpose,
// so that adding or changing a purpose touches its row only. (The purpose's
// requirement formula is the core's purposeFormula.)
struct PurposeRow {
    // The page's field groups, by part.
    std::span<NumericField*> (*group)(PageControls& controls, int part) = nullptr;
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

} // namespace hw
