// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/LoadOnShowDialog.h"

#include <cstdint>

class QLabel;
class QPushButton;
class QScrollArea;

namespace hw {

// The information window: one or two pages of explanation on a step of the
// wizard, a mortgage type or an interest-rate type. Callers set the topic,
// then show the window modally.
class InformationWindow : public LoadOnShowDialog {
    Q_OBJECT
public:
    explicit InformationWindow(QWidget* owner = nullptr);

    int topic() const { return topic_; }
    void setTopic(int topic) { topic_ = static_cast<std::int16_t>(topic); }
    // Shows the current page of the topic and places the text label for it.
    void showCurrentPage();

    std::int16_t page() const { return page_; }
    // The text of the page shown, as the topic holds it.
    const QString& shownPage() const { return shownPage_; }
    // A page laid out for reading: its heading, paragraphs and lists.
    static QString pageHtml(const QString& page);

private:
    void loadOnShow() override;
    void goNext();
    void placePageButton(int left, int width, const QString& caption);

    std::int16_t topic_ = 0;
    std::int16_t page_ = 0;
    QLabel* textLabel_ = nullptr;
    QPushButton* pageButton_ = nullptr; // "Next" to the second page, "Back" to the first
    QPushButton* exitButton_ = nullptr;
    // The label sits in a scroll area so that a page longer than it can hold scrolls.
    QScrollArea* textArea_ = nullptr;
    // Pixels the window is shorter than designed, on a screen too small for it:
    // the text scrolls in less room and the buttons move up.
    int lostHeight_ = 0;
    QString shownPage_;
};

// A window's "Tell Me More" button, which shows the window's own topic.
QPushButton* tellMeMoreButton(QWidget* window, int topic);

} // namespace hw
