// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Message.h"

#include "MessageBox.h"

#include <QApplication>
#include <QPointer>

namespace hw {

namespace {
MessageResponder& responder() {
    static MessageResponder instance;
    return instance;
}
QPointer<QWidget>& owner() {
    static QPointer<QWidget> instance;
    return instance;
}
} // namespace

void setMessageResponder(MessageResponder r) {
    responder() = std::move(r);
}

void setMessageOwner(QWidget* w) {
    owner() = w;
}

int ShowMessage(const QString& text, int style) {
    if ((style & MsgButtons) == MsgDefault)
        style |= MsgOkOnly;
    if (responder())
        return responder()(text, style);
    MessageBox box(owner());
    return box.ask(text, style);
}

} // namespace hw
