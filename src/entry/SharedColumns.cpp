// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SharedColumns.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace hw {

namespace {

// Calls `visit` with each widget that stands in one of the grid's first
// `columns` columns alone, and its column.
template <typename Visit> void forEachCell(QGridLayout* grid, int columns, Visit visit) {
    for (int i = 0; i < grid->count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        if (QWidget* widget = grid->itemAt(i)->widget();
            widget && columnSpan == 1 && column < columns)
            visit(widget, static_cast<std::size_t>(column));
    }
}

} // namespace

void SharedColumns::measure(QGridLayout* grid, int columns) {
    if (measured_.size() < static_cast<std::size_t>(columns))
        measured_.resize(static_cast<std::size_t>(columns));
    spacing_ = std::max(spacing_, grid->horizontalSpacing());
    forEachCell(grid, columns, [this](QWidget* widget, std::size_t column) {
        const auto* label = qobject_cast<QLabel*>(widget);
        Width& shared = measured_[column];
        shared.wanted = std::max(shared.wanted, widget->sizeHint().width());
        // Only a caption gives up room, by wrapping at its words.
        const int least = label && label->wordWrap()
                              ? widget->minimumSizeHint().width()
                              : std::max(widget->sizeHint().width(), widget->minimumWidth());
        shared.least = std::max(shared.least, least);
    });
    for (Width& shared : measured_)
        shared.wanted = std::max(shared.wanted, shared.least);
}

std::vector<int> SharedColumns::widthsIn(int room) const {
    std::vector<int> widths;
    int wanted = spacing_ * (static_cast<int>(measured_.size()) - 1);
    int give = 0;
    for (const Width& shared : measured_) {
        widths.push_back(shared.wanted);
        wanted += shared.wanted;
        give += shared.wanted - shared.least;
    }
    const int short_ = wanted - room;
    if (short_ <= 0 || give == 0)
        return widths;
    // Each caption column gives up room in proportion to what it can give.
    const double share = std::min(1.0, double(short_) / give);
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const int canGive = measured_[c].wanted - measured_[c].least;
        widths[c] -= std::min(canGive, static_cast<int>(std::ceil(canGive * share)));
    }
    return widths;
}

void SharedColumns::apply(QGridLayout* grid, int columns, const std::vector<int>& widths) {
    for (int c = 0; c < columns; ++c) {
        const int width = widths[static_cast<std::size_t>(c)];
        if (grid->columnMinimumWidth(c) != width)
            grid->setColumnMinimumWidth(c, width);
    }
    // No caption asks for more than its column: it wraps instead.
    forEachCell(grid, columns, [&widths](QWidget* widget, std::size_t column) {
        auto* caption = qobject_cast<QLabel*>(widget);
        if (caption && caption->wordWrap() && caption->maximumWidth() != widths[column])
            caption->setMaximumWidth(widths[column]);
    });
}

void SharedColumns::fitTo(int room) {
    const std::vector<int> widths = widthsIn(room);
    for (const Joined& joined : joined_)
        if (joined.grid)
            apply(joined.grid, joined.columns, widths);
}

void SharedColumns::join(QGridLayout* grid, int columns) {
    measure(grid, columns);
    joined_.push_back({grid, columns});
    fitToArea();
}

void SharedColumns::fitWithin(QAbstractScrollArea* area) {
    area_ = area;
    area->installEventFilter(this);
    fitToArea();
}

void SharedColumns::forget() {
    if (area_)
        area_->removeEventFilter(this);
    measured_.clear();
    joined_.clear();
    area_ = nullptr;
}

void SharedColumns::fitToArea() {
    if (!area_)
        return;
    const int scrollBar = area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                      area_->verticalScrollBar());
    fitTo(area_->width() - 2 * area_->frameWidth() - scrollBar);
}

bool SharedColumns::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_ && event->type() == QEvent::Resize)
        fitToArea();
    return false;
}

} // namespace hw
