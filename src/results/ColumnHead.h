// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>

namespace hw {

// A column head of the results table. Its caption is written as designed, with
// runs of blanks that put it on two lines ("Final  Balance"); a long run parts
// two sub-columns ("First                 Last"). text() stays the caption.
class ColumnHead : public QLabel {
    Q_OBJECT
public:
    explicit ColumnHead(const QString& caption, QWidget* parent = nullptr);

    // The lines the caption is shown in; a tab parts the sub-columns of a line.
    static QStringList lines(const QString& caption);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace hw
