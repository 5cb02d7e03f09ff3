// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace hw {

// A field's caption, right-aligned beside it: on one line while its column has
// the room, wrapped at its words only when the window is too narrow. (A plain
// word-wrapped label asks for about half its one-line width and so wraps with
// room to spare.)
class CaptionLabel : public QLabel {
public:
    explicit CaptionLabel(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
};

} // namespace hw
