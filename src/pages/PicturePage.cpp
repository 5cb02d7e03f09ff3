// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PicturePage.h"

#include "base/Pictures.h"

#include <QVBoxLayout>

namespace hw {

namespace {

const char* const OpeningGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "Fitting a mortgage to yourself means selecting the type of loan that is right for you. "
    "The right type depends on your own finances and on your plans for the years ahead.\n"
    "Two aims guide the choice: pay the lowest rate of interest you can get, and never let "
    "savings sit idle while you still owe money on your home.\n"
    "Choose early. How much you can borrow depends on your income, on the equity you bring and "
    "on the repayments you can afford, and knowing these before you look at houses puts you in "
    "a stronger position.\n"
    "Hearthwise compares the total cost of the usual types of mortgage over the whole term, "
    "assuming the interest rate does not change. A wrong choice can cost you thousands, so use "
    "these figures to shop around.");

const char* const ClosingGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "Because the average borrower has limited income and expenditure is tight, it is "
    "important to get as much from our money as we can. The savings come from a lower "
    "rate of interest and from putting your savings and any surplus income towards your debt.\n"
    "Look for a loan whose interest is calculated on the daily reducing balance and that "
    "accepts extra payments at any time with little or no fee for repaying early.\n"
    "\n"
    "REMEMBER: YOUR BEST INVESTMENT IS TO PAY OFF YOUR MORTGAGE AS SOON AS POSSIBLE.\n"
    "\n"
    "Fit the mortgage to your own affairs, keep to your budget with discipline, but do not "
    "become a slave to it.");

} // namespace

PicturePage::PicturePage(PageContext& context, int step, const char* name, const char* guidance)
    : StepPage(context, step, nullptr, guidance), name_(name) {}

void PicturePage::build(QWidget* panel, QVBoxLayout* layout) {
    auto* picture = new HouseScene(step() == ClosingStep, panel);
    picture->setObjectName(QStringLiteral("Picture1%1").arg(step() == OpeningStep ? 0 : 1));
    layout->addWidget(picture, 1);
}

std::unique_ptr<StepPage> makeOpeningPage(PageContext& context) {
    return std::make_unique<PicturePage>(
        context, OpeningStep, QT_TRANSLATE_NOOP("hw::PicturePage", "Welcome"), OpeningGuidance);
}

std::unique_ptr<StepPage> makeClosingPage(PageContext& context) {
    return std::make_unique<PicturePage>(
        context, ClosingStep, QT_TRANSLATE_NOOP("hw::PicturePage", "Thank you"), ClosingGuidance);
}

} // namespace hw
