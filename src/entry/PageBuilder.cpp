// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageBuilder.h"

#include "base/Twips.h"
#include "look/CaptionLabel.h"
#include "look/FigureWidth.h"
#include "look/OptionButtons.h"
#include "look/Skin.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <limits>

namespace hw {

PageBuilder::PageBuilder(QWidget* panel, const Regional& regional,
                         std::function<void(NumericField*)> adopt)
    : panel_(panel), regional_(regional), adopt_(std::move(adopt)) {}

QString PageBuilder::startAmount(double value, const char* literal) const {
    // The designed starting texts are written for a dollar locale; elsewhere
    // the same values appear in the user's own currency form.
    const QLocale& locale = regional_.locale();
    if (literal && locale.currencySymbol() == QLatin1String("$") &&
        regional_.decimalSeparator() == u'.')
        return QString::fromLatin1(literal);
    return regional_.currency(value);
}

QString PageBuilder::startText(const FieldSpec& spec) const {
    switch (spec.format) {
    case NumericField::Format::Amount:
        return startAmount(spec.start, spec.literal);
    case NumericField::Format::Percentage:
        return regional_.percent(spec.start / 100.0);
    case NumericField::Format::Number:
        return regional_.number(spec.start);
    case NumericField::Format::Count:
        return regional_.locale().toString(static_cast<qlonglong>(spec.start));
    }
    return QString();
}

QStringList PageBuilder::widestTexts(NumericField::Format format) const {
    return hw::widestTexts(format, regional_);
}

void PageBuilder::fitWidth(QLineEdit* edit, NumericField::Format format) const {
    const int designed = format == NumericField::Format::Percentage ? PercentWidth : AmountWidth;
    fitToFigures(edit, widestTexts(format), twips(designed));
}

QGridLayout* PageBuilder::grid() {
    auto* layout = new QGridLayout;
    layout->setHorizontalSpacing(twips(150));
    layout->setVerticalSpacing(twips(120));
    layout->setColumnMinimumWidth(0, twips(CaptionWidth));
    return layout;
}

void PageBuilder::packLeft(QGridLayout* grid) {
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0,
                  grid->columnCount());
}

QLabel* PageBuilder::label(const QString& text) {
    auto* caption = new QLabel(text, panel_);
    Skin::applyTo(caption, Skin::Element::Label);
    return caption;
}

QLabel* PageBuilder::caption(const QString& text) {
    auto* caption = new CaptionLabel(text, panel_);
    Skin::applyTo(caption, Skin::Element::Label);
    return caption;
}

NumericField* PageBuilder::field(QGridLayout* grid, int row, int column, const FieldSpec& spec) {
    QLabel* caption =
        this->caption(QCoreApplication::translate("hw::PageBuilder", spec.label).trimmed());
    auto* edit = new NumericField(spec.format, regional_, panel_);
    edit->setKind(spec.kind, spec.tone);
    fitWidth(edit, spec.format);
    edit->setText(startText(spec));
    if (spec.kind == NumericField::Kind::Display)
        edit->setProperty(StartTextProperty, edit->text());
    edit->setAccessibleName(caption->text());
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 2 * column);
    // Right-aligned in its column, so that totals and carried figures end where the fields do.
    grid->addWidget(edit, row, 2 * column + 1, Qt::AlignRight);
    adopt_(edit);
    return edit;
}

QLineEdit* PageBuilder::display(const QString& startText, bool asTotal) {
    auto* edit = new QLineEdit(startText, panel_);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    edit->setProperty("display", true);
    edit->setProperty("tone", asTotal ? QStringLiteral("total") : QStringLiteral("normal"));
    edit->setProperty(StartTextProperty, startText);
    return edit;
}

QLineEdit* PageBuilder::total(const QString& startText, bool asTotal) {
    QLineEdit* edit = display(startText, asTotal);
    fitWidth(edit, NumericField::Format::Amount);
    return edit;
}

void PageBuilder::showStartingFigures(QWidget* panel) {
    for (QLineEdit* shown : panel->findChildren<QLineEdit*>())
        if (const QVariant start = shown->property(StartTextProperty); start.isValid())
            shown->setText(start.toString());
}

QPushButton* PageBuilder::button(const QString& caption) {
    auto* push = new QPushButton(caption, panel_);
    push->setMinimumSize(twips(1215), twips(495));
    Skin::applyTo(push, Skin::Element::Button);
    return push;
}

QPushButton* PageBuilder::option(const QString& caption) {
    auto* push = new OptionButton(caption, panel_);
    push->setMinimumSize(twips(1215), twips(495));
    Skin::applyTo(push, Skin::Element::Option);
    return push;
}

PageBuilder::TotalRow PageBuilder::totalRow(QGridLayout* grid, int row, int column,
                                            const QString& caption, const char* totalLiteral,
                                            const QString& totalName) {
    TotalRow line{button(QCoreApplication::translate("hw::PageBuilder", "&Calculate")),
                  total(startAmount(0, totalLiteral), true)};
    line.total->setAccessibleName(totalName);
    if (!caption.isEmpty())
        grid->addWidget(this->caption(caption), row, column - 1);
    grid->addWidget(line.total, row, column, Qt::AlignRight);
    grid->addWidget(line.calculate, row, column + 1, Qt::AlignLeft);
    return line;
}

} // namespace hw
