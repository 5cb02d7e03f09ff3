// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColumnHead.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyleOption>

namespace hw {

namespace {
constexpr int SubColumnGap = 8; // blanks that part two sub-columns rather than two lines
constexpr int Padding = 4;
} // namespace

ColumnHead::ColumnHead(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
}

QStringList ColumnHead::lines(const QString& caption) {
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    const QString text = caption.trimmed();
    QStringList out;
    qsizetype from = 0;
    qsizetype gapBefore = 0;
    const auto add = [&out, &gapBefore](const QString& segment) {
        if (gapBefore < SubColumnGap || out.isEmpty()) {
            out << segment;
            return;
        }
        // "Monthly Repayments First" + gap + "Last": the word before the gap
        // heads the left sub-column of a new line.
        QString& previous = out.last();
        const qsizetype lastBlank = previous.lastIndexOf(u' ');
        const QString word = previous.mid(lastBlank + 1);
        if (lastBlank < 0)
            out.removeLast();
        else
            previous.truncate(lastBlank);
        out << word + u'\t' + segment;
    };
    for (auto runs = blanks.globalMatch(text); runs.hasNext();) {
        const auto run = runs.next();
        add(text.mid(from, run.capturedStart() - from));
        gapBefore = run.capturedLength();
        from = run.capturedEnd();
    }
    add(text.mid(from));
    return out;
}

QSize ColumnHead::sizeHint() const {
    ensurePolished(); // measured in the skin's font
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString& line : lines(text()))
        for (const QString& cell : line.split(u'\t'))
            width = std::max(width, metrics.horizontalAdvance(cell));
    const int height = static_cast<int>(lines(text()).size()) * metrics.lineSpacing();
    return {width + 4 * Padding, height + 2 * Padding};
}

QSize ColumnHead::minimumSizeHint() const {
    return sizeHint();
}

void ColumnHead::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    const QFontMetrics metrics(font());
    QRect line = rect().adjusted(Padding, Padding, -Padding, 0);
    line.setHeight(metrics.lineSpacing());
    for (const QString& text : lines(this->text())) {
        const QStringList cells = text.split(u'\t');
        const int width = line.width() / static_cast<int>(cells.size());
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const QRect cell(line.left() + static_cast<int>(i) * width, line.top(), width,
                             line.height());
            style()->drawItemText(&painter, cell, Qt::AlignCenter, palette(), isEnabled(), cells[i],
                                  foregroundRole());
        }
        line.translate(0, metrics.lineSpacing());
    }
}

} // namespace hw
