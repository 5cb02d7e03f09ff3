#pragma once

#include "calc/CaseResults.h"
#include "entry/NumericField.h"
#include "entry/PageBuilder.h"
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
    // Whether the page shown has worked out its totals since its last change.
    bool pageCalculated = false;
    // Runs a button's action after committing the field being edited.
    std::function<void(QAbstractButton*, std::function<void()>)> onAction;
    // Told after a field was committed and written into the case.
    std::function<void()> changed;
    // Opens the information window on a topic.
    std::function<void(int topic)> showHelp;
    int purpose() const { return entered.purpose; }
};

// One step of the wizard: it owns its controls, and the step machine asks it
// to set up, check, calculate and hand on. Everything about one page is in its class.
class StepPage : public QObject {
    Q_OBJECT
public:
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

    // Makes the page's controls under its guidance and title bar.
    virtual void build(QWidget* panel, QVBoxLayout* layout) = 0;
    // The starting state of the controls, once built.
    virtual void setUp() {}
    // Next is about to show the page: it takes what the pages before it
    // worked out. False, after its one message, keeps the page before.
    virtual bool prepare() { return true; }
    // The page has just been shown: its first field takes the focus.
    virtual void enter();
    // The checks before the page is calculated or left; false after one message.
    virtual bool validate() { return true; }
    // The page's Calculate; false after one message where it cannot work it out.
    virtual bool calculate() { return true; }
    // The checks of what the page worked out, before Next leaves it.
    virtual bool confirm() { return true; }
    // Back leaves the page: a percentage out of range goes back to its starting value.
    virtual void repair() {}
    // The field the focus goes to on entry; none on pages without fields.
    virtual NumericField* entryFocus() { return nullptr; }
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

protected:
    const Regional& regional() const { return context_.regional; }
    // A field of this page: a change makes its totals stale, a commit writes the case.
    void adopt(NumericField* field);
    // Builds the page's labelled fields, totals and buttons; its fields are adopted.
    PageBuilder builder(QWidget* panel);
    // Puts the page's grid of fields at the top of the page, its columns
    // together at the left, and makes `calculate` run the page's Calculate.
    void placeFields(QVBoxLayout* layout, QGridLayout* grid, QAbstractButton* calculate);
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
    const char* title_;
    const char* guidance_;
};

} // namespace hw
