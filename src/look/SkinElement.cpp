// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinElement.h"

#include <QEasingCurve>
#include <QPropertyAnimation>
#include <QStringList>

namespace hw::Skin {

namespace {
QRect withValue(QRect r, int number, int value) {
    switch (number) {
    case 1:
        r.moveLeft(value);
        break;
    case 2:
        r.moveTop(value);
        break;
    case 3:
        r.setRight(value);
        break;
    case 4:
        r.setBottom(value);
        break;
    case 5:
        r.setWidth(value);
        break;
    case 6:
        r.setHeight(value);
        break;
    default:
        break;
    }
    return r;
}

QEasingCurve easingFor(const QString& name) {
    if (name == QLatin1String("decel"))
        return QEasingCurve::OutCubic;
    if (name == QLatin1String("accel"))
        return QEasingCurve::InCubic;
    return QEasingCurve::Linear;
}
} // namespace

int SkinElement::value(int number) const {
    if (!control_)
        return 0;
    const QRect r = control_->geometry();
    const int values[] = {r.left(), r.top(), r.right(), r.bottom(), r.width(), r.height()};
    return number >= 1 && number <= 6 ? values[number - 1] : 0;
}

void SkinElement::setValue(int number, const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (control_ && ok)
        control_->setGeometry(withValue(control_->geometry(), number, v));
}

bool SkinElement::command(const QString& text) {
    const QStringList words = text.simplified().split(u' ');
    if (!control_ || words.size() != 9 || words[0] != QLatin1String("moveto"))
        return false;
    bool ok = false;
    const int duration = words[7].toInt(&ok);
    if (!ok || duration < 0)
        return false;
    QRect target = control_->geometry();
    for (int number = 1; number <= 6; ++number) {
        const QString& word = words[number];
        if (word == QLatin1String("-"))
            continue;
        const int v = word.toInt(&ok);
        if (!ok)
            return false;
        target = withValue(target, number, v);
    }
    auto* move = new QPropertyAnimation(control_, "geometry", control_);
    move->setDuration(duration);
    move->setEasingCurve(easingFor(words[8]));
    move->setEndValue(target);
    move->start(QAbstractAnimation::DeleteWhenStopped);
    return true;
}

SkinElement elementOf(QWidget* control) {
    return SkinElement(control);
}

} // namespace hw::Skin
