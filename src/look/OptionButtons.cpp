// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionButtons.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QObject>
#include <QPointer>

namespace hw {

namespace {

class RadioAccessible : public QAccessibleWidget {
public:
    explicit RadioAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && QAccessibleWidget::text(t).isEmpty())
            return QString(button()->text()).remove(u'&');
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* radioFactory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<OptionButton*>(object))
        return new RadioAccessible(button);
    return nullptr;
}

// Moves the choice with the arrow keys before the button's own handling, which
// would only move within a column.
class ArrowKeys : public QObject {
public:
    ArrowKeys(const QList<QAbstractButton*>& buttons, QObject* parent)
        : QObject(parent), buttons_(buttons.begin(), buttons.end()) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        int step = 0;
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right)
            step = 1;
        else if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left)
            step = -1;
        const qsizetype at = buttons_.indexOf(qobject_cast<QAbstractButton*>(watched));
        if (step == 0 || at < 0)
            return false;
        const qsizetype count = buttons_.size();
        for (qsizetype i = 1; i < count; ++i) {
            QAbstractButton* next = buttons_[(at + step * i + count * i) % count];
            if (next && next->isEnabled() && next->isVisible()) {
                next->setFocus(Qt::TabFocusReason);
                next->click();
                break;
            }
        }
        return true;
    }

private:
    QList<QPointer<QAbstractButton>> buttons_;
};

} // namespace

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setCheckable(true);
    static const bool installed = [] {
        QAccessible::installFactory(radioFactory);
        return true;
    }();
    (void)installed;
}

void arrowKeysChooseAmong(const QList<QAbstractButton*>& buttons) {
    if (buttons.isEmpty())
        return;
    auto* filter = new ArrowKeys(buttons, buttons.front());
    for (QAbstractButton* button : buttons)
        button->installEventFilter(filter);
}

} // namespace hw
