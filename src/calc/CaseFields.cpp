// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseFields.h"

#include <QCoreApplication>

namespace hw::captions {

QString pageName(const char* title) {
    const QString lower = QCoreApplication::translate("hw::StepPage", title).toLower();
    return lower.left(1).toUpper() + lower.mid(1);
}

QString fieldName(const char* title, const char* caption) {
    QString field = QCoreApplication::translate("hw::PageBuilder", caption).trimmed();
    if (field.endsWith(u':'))
        field.chop(1);
    return QCoreApplication::translate("hw::CaseFields", "%1, %2").arg(pageName(title), field);
}

QString taxRateName(std::size_t row) {
    return QCoreApplication::translate("hw::CaseFields", "%1, tax rate")
        .arg(fieldName(IncomeTitle, Income[row]));
}

} // namespace hw::captions
