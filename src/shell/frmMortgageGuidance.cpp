#include "frmMortgage.h"

#include <QLabel>

// The guidance text at the top of every step. Paragraphs are separated by a
// line break; the runs of blanks inside the sentences belong to the texts.

namespace hw {

namespace {

const char* const GuidanceTexts[StepCount] = {
    // 0, opening page
    "Fitting a mortgage to yourself means selecting the type of loan that is right for you. "
    "The right type depends on your own finances and on your plans for the years ahead.\n"
    "Two aims guide the choice: pay the lowest rate of interest you can get, and never let "
    "savings sit idle while you still owe money on your home.\n"
    "Choose early. How much you can borrow depends on your income, on the equity you bring and "
    "on the repayments you can afford, and knowing these before you look at houses puts you in "
    "a stronger position.\n"
    "Hearthwise compares the total cost of the usual types of mortgage over the whole term, "
    "assuming the interest rate does not change. A wrong choice can cost you thousands, so use "
    "these figures to shop around.",
    // 1, purpose
    "First we need to determine the purpose for your mortgage. Please select the option "
    "below that best represents your mortgage requirement.",
    // 2, assets
    "An asset is everything that you own that has monetary value. Your home, land, "
    "savings, shares, vehicles and life policies are all assets, and a lender is reassured to "
    "see that you own things of value and have built them up over time.\n"
    "Enter each asset at the price it would fetch on the open market today. For a life policy "
    "enter its surrender value, what the insurer would pay you if you cashed it in today.",
    // 3, liabilities
    "The opposite of assets are liabilities. A liability is a legal duty to repay money that "
    "you owe, whether to a lender such as a bank or to other creditors such as a store or a "
    "credit card company.",
    // 4, income
    "The first step in developing a budget is calculating total annual income. Multiply your "
    "pay by the number of pay periods in a year: 52 if you are paid weekly, 26 if you are paid "
    "fortnightly. If you are self-employed, use your lowest pay of the last six to twelve "
    "months.\n"
    "Then add any other income you receive, such as dividends, the pay from a second job or "
    "the rent from a property.",
    // 5, budget
    "The next step is setting expenses categories, for example; utilities, maintenance, "
    "insurance etc. The categories should mirror the way you really spend your money.\n"
    "Enter the living expenses you pay as bills for the period selected, fortnightly or "
    "monthly, as if you already owned the new house. Leave out rent and the payments on any "
    "existing mortgage.",
    // 6, first home buyer
    "As a first time home buyer you need to provide a few more details. Your current debts "
    "have been filled in for you from the previous pages. Please enter the contribution you "
    "can make (your deposit) and the purchase price of the home.",
    // 7, first home builder
    "As a first time home builder you need to provide a few more details. Your current debts "
    "have been filled in for you from the previous pages. Please enter the contribution you "
    "can make, the value of the land and the cost of building the house.\n"
    "If you already own the land include this value in 'Your Contribution' field.",
    // 8, home improvement
    "As you wish to improve your home you need to provide a few more details. Your current "
    "debts have been filled in for you from the previous pages. Please enter the contribution "
    "you can make, the value of your home and the total cost of the improvements.",
    // 9, selling and buying
    "As you are selling your existing property and wish to purchase another, you need to "
    "provide a few more details. Your current debts have been filled in for you from the "
    "previous pages. Please enter the contribution you can make, the price you expect to sell "
    "for and the purchase price of the new property.",
    // 10, selling and building
    "As you are selling your existing property and wish to build another, you need to "
    "provide a few more details. Your current debts have been filled in for you from the "
    "previous pages. Please enter the contribution you can make, the price you expect to sell "
    "for, the value of the land and the cost of building.\n"
    "If you already own the land include this value in 'Your Contribution' field.",
    // 11, additional real estate purchase
    "As you wish to make an additional purchase you need to provide a few more details. "
    "Your current debts have been filled in for you from the previous pages. Please enter the "
    "contribution you can make and the purchase price of the new property.",
    // 12, additional building
    "As you wish to do an additional build you need to provide a few more details. Your "
    "current debts have been filled in for you from the previous pages. Please enter the "
    "contribution you can make, the value of the land and the cost of building.\n"
    "If you already own the land include this value in 'Your Contribution' field.",
    // 13, refinance
    "As you wish to refinance you need to provide a few more details. Your current debts have "
    "been filled in for you from the previous pages. Please enter any amount of money you wish "
    "to withhold from the new loan.",
    // 14, other loans
    "As you have chosen an alternative mortgage requirement option you need to provide a few "
    "more details. Your current debts have been filled in for you from the previous pages. "
    "Please enter the amount you wish to borrow.",
    // 15, fees and bank charges
    "Now we need to know what other fees apply to this mortgage.\n"
    "A lender may want a registered valuation of the property, and legal or conveyancing fees "
    "and the bank's own charges apply to most loans. The page starts with typical figures; "
    "yours may differ, so change them to match your case.",
    // 16, rate page
    "These figures represent your mortgage requirements and your Loan to Value Ratio. "
    "Your spare income, what is left of your income after tax once your living expenses are "
    "paid, is shown too. Enter the current interest rate and the term of the loan in years. "
    "Rates vary with the economy, and a difference of one percentage point makes a large "
    "difference to what you pay.",
    // 17, results
    "These figures represent the mortgage options available. Press the button of a mortgage "
    "type to learn more about it.\n"
    "If you want to print these results, you can do so by pressing the Preview button.",
    // 18, closing page
    "Because the average borrower has limited income and expenditure is tight, it is "
    "important to get as much from our money as we can. The savings come from a lower "
    "rate of interest and from putting your savings and any surplus income towards your debt.\n"
    "Look for a loan whose interest is calculated on the daily reducing balance and that "
    "accepts extra payments at any time with little or no fee for repaying early.\n"
    "\n"
    "REMEMBER: YOUR BEST INVESTMENT IS TO PAY OFF YOUR MORTGAGE AS SOON AS POSSIBLE.\n"
    "\n"
    "Fit the mortgage to your own affairs, keep to your budget with discipline, but do not "
    "become a slave to it.",
};

} // namespace

void frmMortgage::SetGuidanceTexts() {
    for (int step = 0; step < StepCount; ++step)
        if (QLabel* guidance = sknLabel[static_cast<std::size_t>(step)])
            guidance->setText(tr(GuidanceTexts[step]));
}

} // namespace hw
