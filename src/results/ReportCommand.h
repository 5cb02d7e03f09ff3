// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command/ResultsCommand.h"

namespace hw {

// `hearthwise --report FILE --pdf OUT.pdf [--chart]`: the report "Mortgage
// Options" of a saved case written as the preview's Save as PDF writes it, in
// the regional forms of `locale`, showing no window. Refusals are those of
// `--results`; a PDF that cannot be written says why, and an old file of that
// name is left as it was. Needs a QGuiApplication (the offscreen platform
// serves, so no display is needed).
CommandOutput runReportCommand(const QStringList& arguments, const QLocale& locale);

} // namespace hw
