// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QLabel>

namespace hw {

// A word-wrapped label of plain text that lays its text out once for each
// width it is asked about. A layout asks a label's height for a width many
// times as a window opens, and QLabel lays a long text out afresh each time.
class WrappedLabel : public QLabel {
public:
    explicit WrappedLabel(const QString& text, QWidget* parent = nullptr);

    int heightForWidth(int width) const override;

protected:
    bool event(QEvent* event) override;

private:
    mutable QHash<int, int> heights_;
    // The text the heights were measured for.
    mutable QString measured_;
};

} // namespace hw
