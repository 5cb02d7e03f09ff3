// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the regional readings and to the working out of the
// seven mortgage types: nothing may crash, hang, overflow or misbehave.
// Input: byte 0 picks one of eight locales, byte 1 the reading flags; the rest is UTF-8
// text whose lines are, in order, the amount, rate, term, income, expenditure,
// displayed income and displayed expenditure. The whole input is also read as
// a case file: whatever is taken must write and read back the same.

#include "calc/CaseFile.h"
#include "calc/MortgageOptions.h"
#include "calc/OptionTexts.h"

#include <cstddef>
#include <cstdint>

namespace {

const hw::Regional& regional(std::uint8_t pick) {
    static const hw::Regional locales[] = {
        hw::Regional(QLocale(QStringLiteral("en_US"))),
        hw::Regional(QLocale(QStringLiteral("en_NZ"))),
        hw::Regional(QLocale(QStringLiteral("de_DE"))),
        hw::Regional(QLocale(QStringLiteral("fr_FR"))),
        hw::Regional(QLocale(QStringLiteral("en_IN"))), // 1,00,000 grouping
        hw::Regional(QLocale(QStringLiteral("ja_JP"))), // a currency without decimals
        hw::Regional(QLocale(QStringLiteral("ar_EG"))), // Arabic-Indic digits and separators
        hw::Regional(QLocale(QStringLiteral("de_CH"))), // "'" grouping, "." decimals
    };
    return locales[pick % (sizeof locales / sizeof locales[0])];
}

void readEveryWay(const hw::Regional& r, const QString& text, hw::Regional::Reading reading) {
    if (const auto amount = r.toCurrency(text, reading)) {
        // Whatever reads as an amount shows again, and what is
        // shown reads back to the same value at the currency's precision.
        const QString shown = r.currency(amount.value);
        const auto again = r.toCurrency(shown);
        const bool withinRange = amount.value.magnitudeIn(0) < 100'000'000'000'000ULL;
        if (withinRange && (!again || r.currency(again.value) != shown))
            __builtin_trap();
    }
    if (const auto value = r.toDouble(text, reading)) {
        (void)r.currency(value.value);
        (void)r.number(value.value);
        (void)r.editing(value.value);
    }
    (void)r.toFloat(text, reading);
}

} // namespace

void readAsCaseFile(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = hw::readCaseFile(bytes, 2);
    if (const auto* content = std::get_if<hw::CaseFileContent>(&read)) {
        const auto again = hw::readCaseFile(hw::caseFileText(*content), 2);
        // Every file it opens it can write, and what it writes opens again the
        // same, the What If settings included.
        const auto* same = std::get_if<hw::CaseFileContent>(&again);
        if (!same || !(same->value == content->value) ||
            hw::caseFileText(*same) != hw::caseFileText(*content))
            __builtin_trap();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readAsCaseFile(data, size);
    if (size < 2)
        return 0;
    const hw::Regional& r = regional(data[0]);
    const auto reading = hw::Regional::Reading::fromInt(data[1] % 4);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2),
                                           static_cast<qsizetype>(size - 2));
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines)
        readEveryWay(r, line, reading);

    // The case as the rate page reads its figures.
    const auto amount = [&r](const QString& text) {
        return r.toCurrency(text).valueOr(hw::Currency());
    };
    const hw::OptionsInput input{amount(lines.value(0)),
                                 r.toFloat(lines.value(1), hw::Regional::Percent).valueOr(0.0F),
                                 r.toFloat(lines.value(2)).valueOr(0.0F),
                                 r.toDouble(lines.value(3)).valueOr(0.0),
                                 r.toDouble(lines.value(4)).valueOr(0.0),
                                 amount(lines.value(5)),
                                 amount(lines.value(6))};
    const hw::OptionsResult result = hw::calculateOptions(input);
    const auto content = hw::reportContent(
        result, {lines.value(7), input.amount, lines.value(1), lines.value(2), lines.value(8)}, r);
    for (int type = 0; type < hw::MortgageTypeCount; ++type)
        if (result.types[static_cast<std::size_t>(type)].affordable)
            (void)hw::rowTexts(type, result.types[static_cast<std::size_t>(type)], lines.value(2),
                               r);
    (void)content;
    return 0;
}
