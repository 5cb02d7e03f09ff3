#include "frmMortgage.h"

#include <QLabel>

// The guidance text at the top of every step.

namespace hw {

void frmMortgage::SetGuidanceTexts() {
    static const char* const texts[StepCount] = {
        "Fitting a mortgage to yourself means selecting the type of loan that is right for you.",
        "First we  need to  determine  the  purpose for  your mortgage.",
        "An asset  is everything that  you own  that  has  monetary  value.",
        "The opposite of assets are liabilities.",
        "The first step in  developing a budget  is calculating total  annual income.",
        "The next step is setting expenses categories, for example;  utilities, maintenance, "
        "insurance etc.",
        "As a  first  time home  buyer you  need to provide  a few more details.",
        "As a first  time home builder you  need to provide a few more details.",
        "As you wish to improve your home you need to provide a few more details.",
        "As you are selling your existing property and wish tu purchase another, you need to "
        "provide a   few   more   details.",
        "As you are  selling your existing  property and wish  tu build another,  you need  to "
        "provide a few   more   details.",
        "As you wish  to make an  additional purchase  you need to  provide a  few  more details.",
        "As you wish to  do an additional  build  you need to provide  a few more details.",
        "As you wish to refinance you need to provide a few more details.",
        "As you have chosen an alternative mortgage requirement option you need to provide a few "
        "more details.",
        "Now we need to know what other fees appy to this mortgage.",
        "These  figures  represent  your mortgage  requirements  and your  Loan to Value Ratio.",
        "These figures represent  the mortgage options available.",
        "Because the average borrower has limited income and expenditure is tight, it is "
        "important to get  as  much  from  our  money  as  we  can.",
    };
    for (int step = 0; step < StepCount; ++step)
        sknLabel[static_cast<std::size_t>(step)]->setText(QString::fromLatin1(texts[step]));
}

} // namespace hw
