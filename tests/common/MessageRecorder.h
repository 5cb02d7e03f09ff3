// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Message.h"

#include <QList>
#include <QPair>
#include <QString>

// Answers every message in place of the user and remembers what was asked.
class MessageRecorder {
public:
    MessageRecorder() {
        hw::setMessageResponder([this](const QString& text, int style) {
            messages.append({text, style});
            return answers.isEmpty() ? 0 : answers.takeFirst();
        });
    }
    ~MessageRecorder() { hw::setMessageResponder({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList texts() const {
        QStringList out;
        for (const auto& m : messages)
            out << m.first;
        return out;
    }
    void clear() { messages.clear(); }

    QList<QPair<QString, int>> messages;
    QList<int> answers;
};
