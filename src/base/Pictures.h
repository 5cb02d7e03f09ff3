// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QWidget>

namespace hw {

// The picture of the opening and closing pages (the closing one with a key),
// as wide as the page.
class HouseScene : public QWidget {
public:
    explicit HouseScene(bool withKey, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool withKey_;
};
// The program's icon: the house of the opening page on a paper tile.
QIcon programIcon();

} // namespace hw
