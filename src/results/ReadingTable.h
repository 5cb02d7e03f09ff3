// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

namespace hw {

// A table of figures to read and copy, not to edit: no row numbers, and Tab
// leaves it (the arrows move within it).
inline QTableWidget* readingTable(int rows, const QStringList& heads, QWidget* parent) {
    auto* table = new QTableWidget(rows, static_cast<int>(heads.size()), parent);
    table->setHorizontalHeaderLabels(heads);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setVisible(false);
    // Rows as tall as a line of its text and a little air, so that a short
    // window still shows many of them.
    table->ensurePolished();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    return table;
}

} // namespace hw
