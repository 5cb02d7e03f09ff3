#include "HelpTopics.h"

#include <QCoreApplication>
#include <array>

// The texts of the information window. Headings, list lines and the lines on
// the assumptions of the calculations are kept exactly as designed, blanks
// included; "\n" is a line break, and the label wraps each paragraph.

namespace hw {

namespace {

// Paragraphs that more than one topic shows.
const char* const FirstHomeRisk =
    "First home buyers are the most vulnerable of all borrowers. Honeymoon loans with low "
    "payments in the first year or two look attractive, but they often cost more over the "
    "life of the loan, and they build spending habits that are hard to break when the full "
    "payments begin.";
const char* const QuestionEverything =
    "Some lenders take advantage of inexperienced borrowers. Question everything you do not "
    "understand, read every document before you sign it, and seek independent advice from "
    "someone who does not earn a commission on your loan.";
const char* const Subsidies =
    "Some local and national governments run subsidy or grant programmes for people buying "
    "their first home. Check whether you qualify before you apply for a loan.";
const char* const BuyOrBuild =
    "A home buyer can either buy an existing home or build a new one. With an existing home "
    "what you see is what you get: you can inspect it, have it valued and know the price. With "
    "a new home that is not so, because the finished house exists only on paper when you "
    "commit to it.";
const char* const BuildingTheirOwn =
    "People building their own house regularly exceed their budget. Watch the construction "
    "allowance closely, be wary of changes to the plans of a show home, since every change "
    "costs extra, and negotiate with the builder before you sign. Make sure that every quote "
    "includes labour, sales taxes and all fees, so that there are no surprises later.";
const char* const BuildingTheHouse =
    "People building the house regularly exceed their budget. Watch the construction "
    "allowance closely, be wary of changes to the plans of a show home, since every change "
    "costs extra, and negotiate with the builder before you sign. Make sure that every quote "
    "includes labour, sales taxes and all fees, so that there are no surprises later.";
const char* const BridgingFinance =
    "If you buy before you sell, you must either hope to sell in time or take bridging "
    "finance to cover both properties for a while. Bridging finance is risky: it is offered "
    "only for short periods, rarely more than six months, the interest alone is paid during "
    "that time, and it usually costs 3.5 to 4 percent more than ordinary home loan finance. If "
    "the old property does not sell, the costs mount quickly.";
const char* const AdditionalPropertyFirstPage =
    "People choose to buy additional property for two main reasons:\n"
    "    1. Leisure (a holiday home)\n"
    "    2. Investment (Rental or commercial)\n"
    "\n"
    "You do not need to own your own home to invest in property. An investment property "
    "offers two benefits: capital growth and negative gearing.\n"
    "Capital growth is the profit you make as the property rises in value over the years. "
    "There is no guarantee of it: values can stand still or fall.\n"
    "Negative gearing means deducting the costs of an investment property, chiefly the "
    "interest on its mortgage, from your other income for tax. Where the tax rules allow it, "
    "it is most useful to people on higher incomes.\n"
    "Lenders treat investment loans much like home loans, but they will often try to take a "
    "mortgage over your own home as well. Keep your home and your investments separate, and "
    "aim to own your home free of any mortgage.";
const char* const AdditionalPropertySecondPage =
    "Investment property can build wealth over the long term, but it has its pitfalls: "
    "empty periods between tenants, repairs, rising rates and falling values. Seek "
    "professional advice before you buy, and research the market where you intend to buy.";
const char* const EndowmentFirstPage =
    "ENDOWMENT MORTGAGE\n"
    "\n"
    "An endowment mortgage is an interest-only mortgage combined with an endowment policy, a "
    "mix of savings, investment and life insurance that matures at the end of the term and is "
    "meant to repay the loan in one sum.\n"
    "Cashing the policy in early brings heavy penalties, and when it matures the lump sum "
    "may not be enough to cover the debt.\n"
    "The charges on these policies are high and investment returns have fallen, so many "
    "lenders no longer offer this kind of mortgage.";
const char* const EndowmentCountries =
    "Many countries do not allow endowment mortgages. Among those that do are Australia, "
    "Ireland, South Africa, the United Kingdom and New Zealand.";
const char* const RevolvingFirstPage =
    "REVOLVING CREDIT FACILITY\n"
    "\n"
    "A revolving credit facility is a line of credit secured over your house. All your income "
    "is paid into it, your living expenses are drawn out of it as you need them, and interest "
    "is charged on the balance each day.\n"
    "You should not put your whole loan on such a facility: its rate is always floating, and "
    "both its rate and its fees are higher than those of an ordinary loan.\n"
    "The higher costs pay for the lender's uncertainty about how much you will owe, and for "
    "the regular reviews of your credit that the lender makes.";
const char* const RevolvingSecondPage =
    "A revolving credit facility needs a strict budget and the discipline to follow it.\n"
    "Sized to your present and future cash flow, it can save you a large amount of "
    "interest.\n"
    "In calculating values for this type of loan, we have assumed that your "
    "entire after "
    "tax income is applied to the loan, from which you then withdraw "
    "your budgeted "
    "living expenses. Whatever is left remains in the loan facility.\n"
    "\n";

std::array<std::optional<HelpTopic>, WhatIfTopic + 1> buildTopics() {
    std::array<std::optional<HelpTopic>, WhatIfTopic + 1> t;
    const auto s = [](const char* text) {
        return QCoreApplication::translate("hw::HelpTopics", text);
    };
    const auto page = [](std::initializer_list<const char*> pieces) {
        QString text;
        for (const char* piece : pieces)
            text += QCoreApplication::translate("hw::HelpTopics", piece);
        return text;
    };

    t[0] = HelpTopic{
        page({"People spend weeks choosing a television or a car, yet sign their mortgage papers "
              "without doing the same research, and so pay back thousands more than they need "
              "to.\n"
              "Getting the best deal from the bank is only half the battle. A flexible "
              "structure that lets you pay the loan off faster matters just as much, and the "
              "bottom line is how much you must pay back in total.\n"
              "\n"
              "In any loan there are three major factors:\n"
              "     1.  The amount of the loan\n"
              "     2.  The term of the loan (how many years it will take to repay)\n"
              "     3.  The interest rate agreed to at the time of borrowing.\n"
              "\n"
              "The interest you pay over the term measures how efficient a loan is. Hidden "
              "costs add to it, and interest that is not paid when it falls due is added to "
              "the loan, so that you pay interest on interest every day."}),
        page({"Fees and insurances add to the cost of a loan. That is why lenders must disclose "
              "the total cost of credit and the yearly finance rate, and these other costs "
              "deserve your closest scrutiny.\n"
              "\n"
              "Borrowers can negotiate a better deal. As with any large purchase, shop around "
              "before you sign."}),
        std::nullopt};
    t[1] = HelpTopic{
        page({"What is Mortgage\n"
              "\n"
              "The mortgage is the document that secures a loan over a property. It gives the "
              "lender rights over the property, up to taking possession of it and selling it "
              "in a mortgagee sale if the loan is not repaid.\n"
              "The word is also commonly used for the loan itself, and these pages use it so.\n"
              "In any loan there are two key factors:\n"
              "1. How the interest rate is determined (type of interest rate)\n"
              "2. When and how the loan will be repaid (type of loan).\n"
              "\n"
              "\n"
              "Pre-Approval and Pre-Qualification\n"
              "\n"
              "Pre-qualification is an informal estimate of how much you may be able to borrow. "
              "Pre-approval is a lender's actual commitment to lend you a stated amount, subject "
              "to the property. Sellers prefer buyers who are pre-approved, because their offers "
              "are more likely to go through."}),
        {},
        LabelPlacement{400, 0}};
    t[2] = HelpTopic{
        page({"Lenders look at your assets for two reasons: to find collateral for the loan, "
              "and to see whether your spending habits are building up a base of assets.\n"
              "Collateral is property offered as security for a loan in addition to the "
              "property being mortgaged. For a home loan the home itself is the obvious "
              "security.\n"
              "Because homes are good security, lenders will lend a high proportion of their "
              "value. This proportion is called the Loan to Value ratio (LVR) and is expressed "
              "as a percentage.\n"
              "Most lenders lend up to 80% of the value, and some up to 95%. Above 80% the "
              "borrower usually pays a once-only premium for Lenders Mortgage Insurance. This "
              "insurance covers the lender, not the borrower."}),
        page({"A lender may also require you to take out mortgage protection insurance and to "
              "pay for an independent valuation of the property, both of which add to the "
              "cost of the loan.\n"
              "At a very high LVR the lender may ask for a personal guarantee from a member of "
              "your family. A guarantor is as liable for the debt as the borrower, so anyone "
              "asked to give a guarantee should take independent legal advice first."}),
        std::nullopt};
    t[3] = HelpTopic{
        page({"Lenders assess everyone who applies for a loan by three criteria, known as the "
              "Three Cs of banking:\n"
              "\n"
              "1. Character - you as a person\n"
              "2. Cashflow - your income and ability ",
              "to repay a loan\n"
              "3. Collateral - the security the lender can fall back on should you ",
              "default on your payments.\n"
              "\n"
              "The lender will check your credit record. If you have defaulted on a payment in "
              "the past, it is best to say so early and explain what happened.\n"
              "\n"
              "Many lenders hold that your loan payments should not exceed 35% of your gross "
              "income. They also weigh the deposit you have saved, your credit history and the "
              "ratio of your debts to your income."}),
        {},
        std::nullopt};
    t[4] = HelpTopic{
        page({"\"Plans are worthless, but planning is everything.\"     Dwight D. Eisenhower\n"
              "\n"
              "\n"
              "A household budget is simply a plan for your money. Set one up before you take "
              "out a mortgage, and keep to it for as long as the mortgage lasts.\n"
              "You cannot shape a mortgage well without a budget. Like a diet, a budget that is "
              "too severe will be abandoned, and one that is too casual achieves nothing.\n"
              "Budgeting involves planning two variables:\n"
              "    1. Your income\n"
              "    2. Your expenditure"}),
        page({"Home Loans and Taxation\n"
              "\n"
              "In some countries, among them the USA, the United Kingdom and Ireland, part of "
              "the interest on a home mortgage may be deducted from income for tax, depending "
              "on the rules in force.\n"
              "In most countries the interest on money borrowed to earn income, for example to "
              "buy a rental property, is tax deductible."}),
        LabelPlacement{1000, 5255}};
    t[5] = HelpTopic{
        page({"The key to budgeting is controlling expenditure, and most people underestimate "
              "what they spend. Dividing your spending into categories helps you see it "
              "clearly.\n"
              "Work out all your living expenses for the period, and apply the whole surplus to "
              "reducing your debt.\n"
              "If you find you cannot keep to a budget, keep a cashbook for at least three "
              "months and write down everything you spend. You will see where your money "
              "goes."}),
        {},
        LabelPlacement{1000, 5255}};
    const QString firstHome =
        s(FirstHomeRisk) + u'\n' + s(QuestionEverything) + u'\n' + s(Subsidies);
    t[6] = HelpTopic{firstHome, {}, LabelPlacement{1500, 4300}};
    t[7] = HelpTopic{firstHome + QStringLiteral("\n\n") + s(BuyOrBuild), s(BuildingTheirOwn),
                     std::nullopt};
    t[8] = HelpTopic{
        page({"Improvements may or may not add to the value of your home. Weigh the cost of "
              "improving against the cost of moving to a house that already has what you want, "
              "and remember that the location of a house limits its value: the best house in "
              "the street is hard to sell for what it cost."}),
        {},
        LabelPlacement{1500, 4300}};
    t[9] = HelpTopic{s(BridgingFinance), {}, LabelPlacement{1000, 5255}};
    t[10] =
        HelpTopic{s(BridgingFinance), s(BuyOrBuild) + u'\n' + s(BuildingTheirOwn), std::nullopt};
    t[11] =
        HelpTopic{s(AdditionalPropertyFirstPage), s(AdditionalPropertySecondPage), std::nullopt};
    t[12] =
        HelpTopic{s(AdditionalPropertyFirstPage),
                  s(AdditionalPropertySecondPage) + QStringLiteral("\n\n") + s(BuildingTheHouse),
                  std::nullopt};
    t[13] = HelpTopic{
        page({"Refinancing replaces one loan with another. The costs of the new loan, the "
              "charges for leaving the old one and a smaller tax deduction can wipe out what "
              "you hoped to gain.\n"
              "Get a written lock-in of the rate and the charges until the loan is settled, "
              "shop around, and give your present lender every chance to make you an offer."}),
        page({"The lender must give you a written statement of the costs and terms of the new "
              "loan. Paying an application fee just to be considered for refinancing is for "
              "the most desperate applicants only.\n"
              "\n"
              "Combining debts at high interest, such as credit cards, into your home loan can "
              "save money, but it turns short-term debt into long-term debt. Put the savings "
              "towards repaying the debt, not towards new spending."}),
        std::nullopt};
    t[14] = HelpTopic{
        page({"Buying other things, such as a car or a boat, on the security of your house is "
              "cheaper than hire purchase, but lenders profit from it too, and fees can eat up "
              "the gain.\n"
              "Think hard before you borrow against your home for assets that produce no "
              "income, and work out the full cost of the loan before you sign."}),
        {},
        LabelPlacement{1000, 4300}};
    t[15] = HelpTopic{
        page({"Besides the price of the property there are the solicitor's fees, the "
              "valuation, the building inspection and the agent's fees, and once you own the "
              "house there are yearly costs such as rates and insurance.\n"
              "A lender may run an escrow account from which it pays your property taxes and "
              "insurance. Make sure that you are not penalised if the lender pays them late.\n"
              "\n"
              "A low interest rate may hide junk fees. Ask what each fee is for, use the "
              "lender's good faith estimate of the costs, and negotiate the fees away."}),
        page({"Get everything in writing, including any lock-in of the rate, and study a "
              "blank set of the closing documents well before settlement day.\n"
              "\n"
              "\n"
              "\n"
              "\n"
              "\n"
              "Points\n"
              "\n"
              "Points are fees paid to the lender or broker who arranges a loan. One point is 1% "
              "of the loan amount. They are also known as discount points, maximum loan "
              "charges, loan origination fees and mortgage points."}),
        std::nullopt};
    t[16] = HelpTopic{
        page({"The loan to value ratio relates the mortgage to the value of the property that "
              "secures it. Up to 95% of the value can usually be borrowed, and above 80% "
              "mortgage insurance is usually required.\n"
              "\n"
              "Five mathematical variables determine what a loan costs:\n"
              "     1.  Loan size -how much you are borrowing\n"
              "     2.  Time - how long you want the loan for\n"
              "     3.  Interest rate - the agreed price of the loan\n"
              "     4.  Frequency - how often will you make repayment\n"
              "     5.  Payments - how much will you repay.\n"
              "\n"
              "1. Size of loan\n"
              "Decide how much to borrow by how comfortable you are with the size of the "
              "mortgage and by the interest it will cost you. The rule is to borrow only as "
              "much as you need."}),
        page({"2. Time of loan\n"
              "Set your repayment first, at the most you can comfortably afford, and let it "
              "decide the term, rather than taking the longest period the lender offers.\n"
              "\n"
              "3. Interest rate\n"
              "Small differences in the rate make a large difference over the term, so haggle "
              "over every fraction of a percent.\n"
              "\n"
              "4. Frequency of Payments\n"
              "Payments that leave your account on pay day make budgeting easier.\n"
              "\n"
              "5. Payment size\n"
              "Under a realistic budget, put every spare amount towards the mortgage."}),
        std::nullopt};
    t[17] = HelpTopic{
        page({"Choosing the type of loan is critical, and most people are best served by two or "
              "more types together.\n"
              "Only someone whose budget never changes is suited by a single table loan or a "
              "single revolving credit facility.\n"
              "Splitting the borrowing combines cheap fixed-rate facilities with flexible "
              "floating ones, and the proportion between them is what matters.\n"
              "Put as much as you can on the cheapest rate, usually a fixed one, and enough on a "
              "floating or revolving facility to absorb any extra income you receive."}),
        {},
        LabelPlacement{400, 0}};
    t[20] = HelpTopic{
        page({"TABLE MORTGAGE\n"
              "\n"
              "A table mortgage is repaid in equal payments over the whole term. At first most "
              "of each payment is interest; with every payment the interest share falls and the "
              "share that repays the principal rises.\n"
              "The total interest paid over the term is large, so look for ways to reduce it, "
              "such as extra payments or a shorter term."}),
        {},
        LabelPlacement{1000, 5255}};
    t[21] = HelpTopic{
        page({"REDUCING BALANCE MORTGAGE\n"
              "\n"
              "Each payment of a reducing balance mortgage repays a fixed amount of the "
              "principal plus the interest on the balance that is left, so the payments fall "
              "every month.\n"
              "This suits borrowers who expect their income to fall, such as a couple planning "
              "a family, especially if the lender allows larger payments in the early years.\n"}),
        {},
        LabelPlacement{1000, 5255}};
    t[22] = HelpTopic{
        page({"INTEREST ONLY MORTGAGE\n"
              "\n"
              "Interest only mortgages are rare now; they were common when inflation was "
              "high.\n"
              "They are usually granted for a fixed term of two to five years, and the "
              "principal is repaid at the end in one balloon payment.\n"
              "The payments are small, but the whole debt is still owed at the end of the "
              "term.\n"
              "Lenders may require you to show that you could repay the loan as a table "
              "mortgage, and the end of the term, when the loan must be refinanced, is a "
              "vulnerable time."}),
        {},
        std::nullopt};
    const QString endowmentSecond = s(EndowmentCountries) + QStringLiteral("\n\n\n\n");
    t[23] = HelpTopic{
        s(EndowmentFirstPage),
        endowmentSecond +
            page({"In calculating values for table endowment mortgage we have assumed that:\n",
                  "-  Repayments of the mortgage are the same as that required to pay a table "
                  "mortgage for ",
                  "the selected term\n",
                  "-  Monthly contributions to the endowment policy are equal to the "
                  "difference between the ",
                  "first payment on the reducing and the table mortgage\n",
                  "-  The interest rate used to accumulate the funds in the savings account is "
                  "1.5% lower than ",
                  "the selected interest rate."}),
        std::nullopt};
    t[24] = HelpTopic{
        s(EndowmentFirstPage),
        endowmentSecond +
            page({"In calculating values for interest only endowment mortgage we have assumed "
                  "that:\n",
                  "-  Repayments of the mortgage are the same as that required to pay "
                  "an interest only ",
                  "mortgage for the selected term\n",
                  "-  Monthly contributions to the endowment policy are equal to the "
                  "difference between the ",
                  "first payment on the reducing and interest only mortgage\n",
                  "-  The interest rate used to accumulate the funds in the savings account is "
                  "1.5% lower than ",
                  "the selected interest rate."}),
        std::nullopt};
    t[25] = HelpTopic{s(RevolvingFirstPage), s(RevolvingSecondPage), LabelPlacement{400, 0}};
    t[26] = HelpTopic{
        s(RevolvingFirstPage),
        s(RevolvingSecondPage) +
            page({"With credit card management you use a credit card as your main tool for "
                  "spending and pay its full balance from the loan account once a month. Your "
                  "income stays in the loan for up to 55 days before your spending is taken "
                  "out, and all that time it reduces the interest you pay."}),
        LabelPlacement{400, 0}};
    t[30] = HelpTopic{
        page({"FIXED RATE\n"
              "\n"
              "\n"
              "A fixed rate stays the same for an agreed period, usually between six months and "
              "five years and typically one, two or three years. Your payments are certain, "
              "but the loan cannot be varied or repaid faster without a penalty.\n"
              "The penalties can be substantial. Some lenders allow you to raise your payments "
              "by no more than about 5%."}),
        page({"Before you fix the rate, be sure that you will not sell the property, change "
              "lenders or repay a lump sum during the period. Shorter periods are better.\n"
              "Ask what happens at the end of the fixed term, and compare fixed rates, which "
              "differ from bank to bank.\n"
              "Fix the rate when rates are low, not when they have already peaked.\n"
              "Use fixed rates for certainty, to reduce your risk."}),
        std::nullopt};
    t[31] = HelpTopic{
        page({"FLOATING  (VARIABLE OR ADJUSTABLE)  RATE\n"
              "\n"
              "\n"
              "A floating rate can change at any time. Banks advertise their floating rates, "
              "which makes them a good benchmark for comparing loans.\n"
              "Borrowers return to the floating rate at the end of a fixed term. Check the fees "
              "and any penalties for repaying early.\n"
              "A floating-rate loan can be repaid at any time, but it usually costs more than a "
              "fixed one and carries the risk of rising rates. You can usually choose to fix "
              "the rate later."}),
        {},
        std::nullopt};
    t[32] = HelpTopic{
        page({"CAPPED RATES\n"
              "\n"
              "\n"
              "A capped rate can fall with the floating rate but cannot rise above the agreed "
              "cap, usually for a year. The protection costs a higher fee or a higher rate, and "
              "there are penalties for repaying early."}),
        {},
        std::nullopt};
    t[WhatIfTopic] = HelpTopic{
        page({"WHAT IF\n"
              "\n"
              "\n"
              "Rates rise: every type is worked out again at your rate plus the rise you choose "
              "(2 points unless you change it). A type marked \"No longer affordable\" fits your "
              "budget today but would not if rates rose that far. Lenders make this test "
              "before they lend.\n"
              "How much could we borrow: the largest amount each type lets you borrow with your "
              "spare income, at your rate and term, and what share of the property's value "
              "that would be. Below the table: how long a Table loan of the amount you entered "
              "would take if you paid all your spare income into it."}),
        page({"Paying extra: an extra amount every month, a lump sum in one month, or both, on "
              "a Table or Reducing Balance loan. You see when the loan would be paid off, what "
              "you would pay in all, and how much interest you would save; the chart shows "
              "the balance both ways. Beside it: keeping the term instead, the extra lowers "
              "the repayment you must make (a monthly extra lowers it every month, down to the "
              "last repayment shown), and saves less interest.\n"
              "A fixed rate that ends: a Table loan at your rate for the first years, after "
              "which the rate changes (to your rate plus 2 points unless you choose another) "
              "and the repayment is worked out again for the rest of the term. You see the new "
              "repayment and whether your budget covers it.\n"
              "How often you pay: the loan repaid monthly, fortnightly or weekly, interest "
              "charged each time at the yearly rate divided by the payments in a year. Paying "
              "half the monthly repayment every fortnight makes thirteen monthly repayments a "
              "year, so the loan is paid off years sooner.\n"
              "An offset account: savings kept in an account linked to the loan. You pay "
              "interest only on what you owe less what you hold there; your repayment stays the "
              "same, so the loan is paid off sooner, and you can still draw on the savings. "
              "Beside it: the same savings paid into the loan instead, the starting savings at "
              "once and each month's addition as an extra repayment.\n"
              "Refinancing: your current loan beside the loan of this case. The loan of this "
              "case already carries the fees and bank charges you entered; the costs of "
              "switching are what you would pay beside it. You see what each loan costs a "
              "month and to its end, and the break-even month: counting what you pay month by "
              "month until both loans have ended (the costs of switching at the start), the "
              "first month by which the new loan has cost you no more than the current one. A "
              "shorter new loan can break even after it ends, when you no longer pay it.\n"
              "Nothing here changes the results page. Tick \"What If Page\" in the preview to "
              "print these answers with the report."}),
        std::nullopt};
    return t;
}

} // namespace

const HelpTopic* helpTopic(int number) {
    static const auto topics = buildTopics();
    if (number < 0 || number >= static_cast<int>(topics.size()))
        return nullptr;
    const auto& topic = topics[static_cast<std::size_t>(number)];
    return topic ? &*topic : nullptr;
}

} // namespace hw
