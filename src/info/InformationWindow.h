#pragma once

#include "base/LoadOnShowDialog.h"

#include <cstdint>

class QLabel;
class QPushButton;
class QScrollArea;

namespace hw {

// The information window: one or two pages of explanation on a step of the
// wizard, a mortgage type or an interest-rate type. Callers write Topic, then
// show the window modally.
class InformationWindow : public LoadOnShowDialog {
    Q_OBJECT
public:
    explicit InformationWindow(QWidget* owner = nullptr);

    std::int16_t Topic = 0;

    // Shows the current page of Topic and places the text label for it.
    void SetText();

    QLabel* lblText = nullptr;
    QPushButton* cmdNext = nullptr; // the page button
    QPushButton* cmdExit = nullptr;
    // The label sits in a scroll area so that a page longer than it can hold scrolls.
    QScrollArea* textArea = nullptr;

    std::int16_t page() const { return Page; }
    // The text of the page shown, as the topic holds it.
    const QString& shownPage() const { return shownPage_; }
    // A page laid out for reading: its heading, paragraphs and lists.
    static QString pageHtml(const QString& page);

private:
    void loadOnShow() override;
    void goNext();
    void placePageButton(int left, int width, const QString& caption);
    // Pixels the window is shorter than designed, on a screen too small for it:
    // the text scrolls in less room and the buttons move up.
    int lostHeight_ = 0;

    std::int16_t Page = 0;
    QString shownPage_;
};

} // namespace hw
