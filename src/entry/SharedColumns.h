// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <vector>

class QAbstractScrollArea;
class QGridLayout;

namespace hw {

// The columns the data pages share, so that captions, fields and totals stand
// in the same place from page to page. Each shared column is as wide as the
// widest thing any page puts in it; where the pages are too narrow for that,
// the caption columns give up the room alike on every page, their captions
// wrapping at words, and only then.
class SharedColumns : public QObject {
public:
    SharedColumns() = default;

    // Shares the grid's first `columns` columns with the pages that joined
    // before and after it. Call once the grid holds its widgets and lies in
    // its page's layout.
    void join(QGridLayout* grid, int columns);
    // The pages lie in `area`: the columns fit the room it gives a page that
    // scrolls, whether or not the page on it does, so that no page's columns
    // depend on its own length or width.
    void fitWithin(QAbstractScrollArea* area);
    // Forgets every grid and width, as the pages are made again (in another language).
    void forget();

    struct Width {
        int least = 0;
        int wanted = 0;
    };
    // The widths the shared columns take in `room` pixels.
    std::vector<int> widthsIn(int room) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void measure(QGridLayout* grid, int columns);
    void fitTo(int room);
    void fitToArea();
    static void apply(QGridLayout* grid, int columns, const std::vector<int>& widths);

    struct Joined {
        QPointer<QGridLayout> grid;
        int columns;
    };
    std::vector<Width> measured_;
    std::vector<Joined> joined_;
    QPointer<QAbstractScrollArea> area_;
    int spacing_ = 0;
};

} // namespace hw
