// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/CaseResults.h"
#include "entry/NumericField.h"
#include "entry/PageBuilder.h"
#include "entry/SharedColumns.h"
#include "money/Currency.h"
#include "money/Regional.h"
#include "steps/StepPath.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

class QAbstractButton;
class QGridLayout;
class QVBoxLayout;
class QWidget;

namespace hw {

// What every page shares: the regional forms, the case as entered, the
// figures worked out so far, and the window's ways of acting.
struct PageContext {
    explicit PageContext(const Regional& forms) : regional(forms) {}
    const Regional& regional;
    // Everything the household entered: each page writes its committed values here.
    MortgageCase entered;
    CaseFigures figures;
    // Runs a button's action after committing the field being edited.
    std::function<void(QAbstractButton*, std::function<void()>)> onAction;
    // Told after a field was committed and written into the case.
    std::function<void()> changed;
    // Opens the information window on a topic.
    std::function<void(int topic)> showHelp;
    // The columns of the pages' grids, alike from page to page.
    SharedColumns columns;
    int purpose() const { return entered.purpose; }
};

// One step of the wizard. A page builds itself (guidance, title bar,
// controls) into the panel the window gives it, owns its controls, and says
// what the window shows around it. The step machine uses four hooks:
//   arrive()  Next is about to show the page: it takes what the pages before
//             worked out (false, after its one message, keeps the page before);
//   enterPage()  the page has just been shown: its totals count as stale and
//             its first field takes the focus;
//   leave()   Next or Back leaves it: Next checks, works out and confirms the
//             page (false after its one message keeps it), Back repairs it;
//   store()/load()  the case value out of its fields and into them, with
//             showWorkedOut() for what the core worked an opened case out to.
// Everything about one page is in its class.
class StepPage : public QObject {
    Q_OBJECT
public:
    // What the window shows around the page: the first page has no Back and
    // leaves the window's title to the program; the last has no Next, and
    // Back stands in Next's place.
    struct Furniture {
        bool first = false;
        bool last = false;
    };
    enum class Way { Next, Back };

    // `title` is the bar across the page (none for the picture, purpose and
    // results pages); `guidance` the text at its top.
    StepPage(PageContext& context, int step, const char* title, const char* guidance);

    int step() const { return step_; }
    QString title() const;
    // What a screen reader and the window title call the page.
    virtual QString name() const;
    QString guidance() const;
    // The topic "Tell Me More" opens on this page; none (-1) where there is nothing more.
    virtual int helpTopic() const { return step_; }
    // The handbook's section on this page: an id of the handbook's page.
    QString handbookSection() const;

    virtual Furniture furniture() const { return {}; }

    // Builds the page into `panel`: its guidance, its title bar, its controls.
    void buildInto(QWidget* panel);
    // The starting state of the controls, once built.
    virtual void setUp() {}
    bool arrive() { return prepare(); }
    // A page just shown has not worked out its totals, whatever the page before it did.
    void enterPage() {
        calculated_ = false;
        enter();
        showTotals();
    }
    bool leave(Way way);
    // The page's inputs into the case value, and back from it (the whole page:
    // nothing of the case before is kept).
    virtual void store(MortgageCase& value) const { Q_UNUSED(value) }
    virtual void load(const MortgageCase& value) { Q_UNUSED(value) }
    // Sets the figures the page works out rather than is given (carried debts,
    // bank charges from their percentage) to 0 in `value`: what is left is
    // what the household typed or chose.
    virtual void forgetWorkedOut(MortgageCase& value) const { Q_UNUSED(value) }
    // Shows what the core worked an opened case out to: the figures the page
    // is given on entry, and its totals where the case passed the page.
    virtual void showWorkedOut(const CaseResults& results) { Q_UNUSED(results) }
    // Says the refusal's message and gives its field the focus; true when there was one.
    bool refused(const Refusal& refusal);
    // What takes the focus as the page is entered: its first field, or none
    // where the page's first control will do.
    virtual QWidget* focusOnEntry() { return entryFocus(); }

protected:
    // On entering: the first field takes the focus.
    virtual void enter();
    // Whether the page has worked out its totals since its last change: Next
    // runs its Calculate only when not. A change of any of its fields, or of a
    // choice, makes them stale.
    bool calculated() const { return calculated_; }
    void setCalculated(bool calculated) { calculated_ = calculated; }
    // Makes the page's controls under its guidance and title bar.
    virtual void build(QWidget* panel, QVBoxLayout* layout) = 0;
    // On arriving: takes what the pages before worked out.
    virtual bool prepare() { return true; }
    // On leaving by Next, in turn: the checks before the page is worked out,
    // the page's Calculate (run only when its totals are stale; also its
    // Calculate button's), the checks of what it worked out. Each is false
    // after its one message.
    virtual bool validate() { return true; }
    virtual bool calculate() { return true; }
    virtual bool confirm() { return true; }
    // On leaving by Back: a percentage out of range goes back to its starting value.
    virtual void repair() {}
    // The page's totals worked out quietly from its figures as they stand, as
    // the page is entered and as each figure is entered, so that no total
    // disagrees with the figures beside it. Nothing is refused or carried on:
    // that stays with Calculate and Next.
    virtual void showTotals() {}
    // The field the focus goes to on entry; none on pages without fields.
    virtual NumericField* entryFocus() { return nullptr; }
    const Regional& regional() const { return context_.regional; }
    // A field of this page: a change makes its totals stale, a commit writes the case.
    void adopt(NumericField* field);
    // Builds the page's labelled fields, totals and buttons; its fields are adopted.
    PageBuilder builder(QWidget* panel);
    // Puts the page's grid of fields at the top of the page, its columns
    // together at the left, and makes `calculate` run the page's Calculate.
    // The grid's first `sharedColumns` columns (all, unless given) line up with
    // those of the other pages.
    void placeFields(QVBoxLayout* layout, QGridLayout* grid, QAbstractButton* calculate,
                     int sharedColumns = -1);
    // Puts the grid at the top of the page, lined up with the other pages.
    void placeGrid(QVBoxLayout* layout, QGridLayout* grid, int sharedColumns = -1);
    // Runs `action` when `button` is pressed, after the field being edited is committed.
    void onAction(QAbstractButton* button, std::function<void()> action);
    // Says `message` and gives `field` the focus: the page's refusal.
    void refuse(const char* message, NumericField* field = nullptr);
    // The page's field that a refusal names; none on pages without fields.
    virtual NumericField* fieldAt(PageField field) {
        Q_UNUSED(field)
        return nullptr;
    }
    // The case as the page's fields now hold it.
    const MortgageCase& current() const;
    // Says that a sum left the currency range; always false.
    bool tooLarge();

    PageContext& context_;

private:
    int step_;
    bool calculated_ = false;
    const char* title_;
    const char* guidance_;
};

} // namespace hw
