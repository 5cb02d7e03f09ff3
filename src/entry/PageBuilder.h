// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumericField.h"

#include <QString>
#include <functional>
#include <span>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace hw {

// One field of a page as designed: its label, format, starting value and kind.
// Most are amounts that start at 0, typed into.
struct FieldSpec {
    const char* label;
    NumericField::Format format = NumericField::Format::Amount;
    double start = 0;
    // The text the field starts with where the user's currency is written like "$0.00".
    const char* literal = "$0.00";
    NumericField::Kind kind = NumericField::Kind::Input;
    NumericField::Tone tone = NumericField::Tone::Normal;
};

// Builds the labelled fields, totals and buttons of the data pages.
class PageBuilder {
public:
    PageBuilder(QWidget* panel, const Regional& regional, std::function<void(NumericField*)> adopt);

    // Fields in a column of label/field pairs, from `row` down, in `column` (0, 1, 2...),
    // kept in `group` in the same order.
    void column(QGridLayout* grid, std::span<NumericField*> group, std::span<const FieldSpec> specs,
                int row, int column) {
        for (std::size_t i = 0; i < specs.size(); ++i)
            group[i] = field(grid, row + static_cast<int>(i), column, specs[i]);
    }
    NumericField* field(QGridLayout* grid, int row, int column, const FieldSpec& spec);
    // A grid of label/field pairs laid out alike on every page: the first
    // column's captions right-aligned in one width, the fields beside them.
    static QGridLayout* grid();
    // Keeps the grid's columns together at the left instead of spread across the page.
    static void packLeft(QGridLayout* grid);
    QLabel* label(const QString& text);
    // A field's caption, right-aligned, on one line while there is room.
    QLabel* caption(const QString& text);
    // A figure the page shows: grey, read-only, never in the tab order.
    QLineEdit* display(const QString& startText, bool asTotal);
    // A page total: a display with the width of an amount field.
    QLineEdit* total(const QString& startText, bool asTotal);
    QPushButton* button(const QString& caption);
    QPushButton* option(const QString& caption);
    QString startText(const FieldSpec& spec) const;
    // Makes a field or display wide enough for the widest figure of its format
    // the program accepts, and at least as wide as designed.
    void fitWidth(QLineEdit* edit, NumericField::Format format) const;
    // The widest texts of a format: the largest amount either way, 99.99 %, 100.
    QString startAmount(double value, const char* literal) const;

    QStringList widestTexts(NumericField::Format format) const;

    // A page's total and its Calculate on one line of the grid, below the
    // fields: the total in the field column `column` (1, 3 ...) under `caption`'s
    // place, Calculate in the column after it.
    struct TotalRow {
        QPushButton* calculate;
        QLineEdit* total;
    };
    TotalRow totalRow(QGridLayout* grid, int row, int column, const QString& caption,
                      const char* totalLiteral, const QString& totalName);

    // The text a figure the page shows (a total, a carried figure) starts with,
    // kept as a property of its line edit so that a new case can start it again.
    static constexpr const char* StartTextProperty = "startText";
    // Every figure shown under `panel` back to its starting text.
    static void showStartingFigures(QWidget* panel);

    static constexpr int CaptionWidth = 3600; // twips

    static constexpr int AmountWidth = 1950; // twips
    static constexpr int PercentWidth = 1200;

private:
    QWidget* panel_;
    const Regional& regional_;
    std::function<void(NumericField*)> adopt_;
};

} // namespace hw
