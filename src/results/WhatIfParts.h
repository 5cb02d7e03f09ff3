// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts the What If window's tabs are built from.

#include "BalanceChart.h"
#include "ReadingTable.h"
#include "calc/OptionTexts.h"
#include "look/Skin.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>

namespace hw::whatif {

// The first column takes what room is left, every other column is as wide as
// its widest text, so that no answer is cut.
inline void sizeColumns(QTableWidget* table) {
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
}

// A table of the seven types, their names in the first column.
inline QTableWidget* answerTable(const QStringList& heads, QWidget* parent) {
    QTableWidget* table = readingTable(MortgageTypeCount, heads, parent);
    sizeColumns(table);
    table->horizontalHeader()->setStretchLastSection(false);
    for (int k = 0; k < MortgageTypeCount; ++k)
        table->setItem(k, 0, new QTableWidgetItem(mortgageTypeName(k)));
    return table;
}

// Figures stand right-aligned, words left-aligned, in every column alike.
enum class Cell { Words, Figure };
inline void setCell(QTableWidget* table, int row, int column, const QString& text,
                    Cell kind = Cell::Figure) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(
        (kind == Cell::Figure ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft) |
        Qt::AlignVCenter);
    table->setItem(row, column, item);
}

// The balance month by month as a chart line, in years.
inline BalanceSeries series(int type, const QString& name, const std::vector<ScheduleRow>& rows,
                            double amount) {
    BalanceSeries line{type, name, {QPointF(0.0, amount)}};
    for (const ScheduleRow& row : rows)
        line.points.emplace_back(row.month / 12.0, row.balance);
    return line;
}

// A tab's "Work Out" button, found by `objectName`.
inline QPushButton* workOut(QWidget* parent, const char* objectName) {
    auto* push =
        new QPushButton(QCoreApplication::translate("hw::WhatIfWindow", "&Work Out"), parent);
    push->setObjectName(QLatin1String(objectName));
    Skin::applyTo(push, Skin::Element::Button);
    // The same size on every tab, whatever room its row gives.
    push->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return push;
}

// The choice between the two types that repay month by month, as a row of
// radio buttons under `caption` in `form`: a screen reader names the row by its
// caption and each button by its type (a drop-down list here would be named
// by the type it shows). The caption's key goes to the type chosen.
inline QButtonGroup* typeChoice(QFormLayout* form, const QString& caption, const char* objectName,
                                int chosen, QWidget* page) {
    auto* row = new QWidget(page);
    row->setObjectName(QLatin1String(objectName));
    row->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(row);
    for (const int type : {TableType, ReducingBalanceType}) {
        auto* button = new QRadioButton(mortgageTypeName(type), row);
        group->addButton(button, type);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    QObject::connect(group, &QButtonGroup::buttonToggled, row,
                     [row](QAbstractButton* button, bool on) {
                         if (on)
                             row->setFocusProxy(button);
                     });
    group->button(chosen == ReducingBalanceType ? ReducingBalanceType : TableType)
        ->setChecked(true);
    form->addRow(caption, row);
    return group;
}

// A chart over its months: ten months show, and the chart takes the rest of
// the height. On a window too short for both the chart gives its room to the
// months (the splitter's handle brings it back).
class ChartOverMonths : public QSplitter {
public:
    ChartOverMonths(QWidget* chart, QTableWidget* months, QWidget* parent)
        : QSplitter(Qt::Vertical, parent), months_(months) {
        addWidget(chart);
        addWidget(months);
        setCollapsible(1, false);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QSplitter::resizeEvent(event);
        const int tenMonths = months_->horizontalHeader()->sizeHint().height() +
                              10 * months_->verticalHeader()->defaultSectionSize() +
                              months_->horizontalScrollBar()->sizeHint().height() +
                              2 * months_->frameWidth();
        const int chart = height() - handleWidth() - tenMonths;
        setSizes({chart >= widget(0)->minimumHeight() ? chart : 0, tenMonths});
    }

private:
    QTableWidget* months_;
};

// An answer table as tall as its rows: never stretched over empty room, nor
// squeezed so that a row of its answer is cut.
inline void fitRows(QTableWidget* table) {
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

} // namespace hw::whatif
