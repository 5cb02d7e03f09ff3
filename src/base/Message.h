// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace hw {

// Message styles: one "OK" button, "Yes" and "No", "Yes", "No" and "Cancel",
// or "Save", "Don't Save" and "Cancel". Style 0 counts as OK.
// A question shows the question mark, "OK" alone a warning: most such messages
// refuse something. A message that only informs adds MsgInformation.
enum MessageStyle : int {
    MsgDefault = 0,
    MsgYesNoCancel = 3,
    MsgOkOnly = 4,
    MsgYesNo = 6,
    MsgSaveDontSaveCancel = 7,
    MsgButtons = 0x0F,
    MsgInformation = 64
};
// "OK", "Yes" and "Save" answer 0, "No" and "Don't Save" 1, "Cancel" 2.
enum MessageAnswer : int { AnswerOk = 0, AnswerNo = 1, AnswerCancel = 2 };

// Shows `text` in the program's own message box and waits for a button;
// answers the index of the clicked button ("OK" and "Yes" 0, "No" 1, "Cancel" 2).
int ShowMessage(const QString& text, int style);

// The one seam for tests: while a responder is installed, ShowMessage hands
// it the text and style and returns its answer instead of opening the box.
using MessageResponder = std::function<int(const QString& text, int style)>;
void setMessageResponder(MessageResponder responder);

// The window that messages are centred over.
void setMessageOwner(QWidget* owner);

} // namespace hw
