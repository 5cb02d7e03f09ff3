// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace hw {

// What writing a file came to: true when it was written, else why not, in the
// system's words ("No space left on device").
struct WriteOutcome {
    bool written = true;
    QString why;
    explicit operator bool() const { return written; }
    static WriteOutcome failed(const QString& why) { return {false, why}; }
};

// Writes `bytes` as the whole of the file at `path`: beside the old file
// first, then put in its place. A failed open, write, flush or commit leaves
// the old file byte for byte.
WriteOutcome writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace hw
