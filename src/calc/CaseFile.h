// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Hearthwise case file: a household's case as JSON that reads the same in
// every locale. Amounts are plain decimal strings ("350000.00"), percentages
// and years are numbers, the purpose and the modes are words. Every key may be
// left out (a figure left out is 0, a What If figure the window's start);
// keys the program does not know are
// passed over, so that a later 1.x version's files still open.

#include "MortgageCase.h"
#include "WhatIf.h"

#include <QByteArray>
#include <QString>
#include <variant>

namespace hw {

constexpr int CaseFileMajorVersion = 1;
constexpr qsizetype LargestCaseFile = 1024 * 1024;

struct CaseFileContent {
    MortgageCase value;
    WhatIfSettings whatIf;
};

// What is wrong with a file, naming the field and its value where there is one.
struct CaseFileError {
    QString what;
};

// The file's text for the case and the What If settings last used.
QByteArray caseFileText(const CaseFileContent& content);

// Reads a case file. A figure must be one the pages accept: an amount of 0 or
// more within the program's range and in the currency's `currencyDecimals`, a
// tax rate or bank charge below 100 %, a rate below 100 %, a term of 0.1 to
// 100 years; a What If figure one its field and question take. Anything else
// is refused with what is wrong, naming the field by its page and caption
// and writing the range in `forms`. What the reader takes, the writer writes
// back so that it reads again the same.
std::variant<CaseFileContent, CaseFileError>
readCaseFile(const QByteArray& bytes, int currencyDecimals, const Regional& forms = plainForms());
// The same for the file at `path`, of which no more is read than a case can
// take; a file that cannot be read says why.
std::variant<CaseFileContent, CaseFileError>
readCaseFileAt(const QString& path, int currencyDecimals, const Regional& forms = plainForms());
// What the user is told of a file that is refused: "FILE could not be opened. WHY"
QString caseFileRefusal(const QString& path, const CaseFileError& error);

} // namespace hw
