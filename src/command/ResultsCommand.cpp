// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsCommand.h"

#include "calc/CaseFile.h"
#include "calc/CaseResults.h"
#include "calc/LenderTexts.h"
#include "calc/OptionTexts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace hw {

namespace {

// The texts of this file, in its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(hw::ResultsCommand)
};

QByteArray usage() {
    return Texts::tr("Usage: hearthwise [FILE]\n"
                     "       hearthwise --results FILE [--format csv|json]\n"
                     "       hearthwise --report FILE --pdf OUT.pdf [--chart]\n"
                     "  FILE             open the saved case in the window\n"
                     "  --results FILE   print the results of a saved case and exit\n"
                     "  --format FORMAT  csv (the default) or json\n"
                     "  --report FILE    write the report \"Mortgage Options\" of a saved case\n"
                     "  --pdf OUT.pdf    the PDF file the report is written to\n"
                     "  --chart          add the chart of the balances to the report\n"
                     "  --version        print the version and exit\n"
                     "  --help           print this help and exit\n")
        .toUtf8();
}

// One line on standard error; a command not understood points to the help.
CommandOutput refused(const QString& message, bool notUnderstood = false) {
    const QString line = notUnderstood
                             ? Texts::tr("%1 (hearthwise --help lists the options)").arg(message)
                             : message;
    return {2, {}, line.toUtf8() + '\n'};
}

// Each type's row as plain texts ("." decimals, no grouping or symbol), in
// the report's record: an empty text where the type has no such figure.
std::array<ReportRecord, MortgageTypeCount> plainRows(const CaseResults& results,
                                                      const Regional& regional) {
    const int decimals = regional.currencyDecimals();
    const auto money = [&](std::optional<double> value) {
        return value ? QString::number(regional.shown(*value).toDouble(), 'f', decimals)
                     : QString();
    };
    std::array<ReportRecord, MortgageTypeCount> rows;
    for (int k = 0; k < MortgageTypeCount; ++k) {
        const OptionFigures& figures = results.options->types[static_cast<std::size_t>(k)];
        ReportRecord& row = rows[static_cast<std::size_t>(k)];
        row.mortgageType = mortgageTypeName(k);
        row.affordable = figures.affordable;
        row.reason = notAffordableReason(figures, regional);
        if (!figures.affordable)
            continue;
        // The first three types keep the entered term; the others say how long they run.
        row.term = QString::number(figures.years.value_or(results.worked.termYears), 'f', 2);
        row.first = money(figures.first);
        row.last = money(k == TableType ? figures.first : figures.last);
        row.paid = money(figures.totalPaid);
        row.interest = money(figures.interest);
        row.finalBalance = money(figures.finalBalance.value_or(0.0));
    }
    return rows;
}

QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QByteArray csv(const std::array<ReportRecord, MortgageTypeCount>& rows) {
    QStringList lines{QStringLiteral("type,term_years,first_repayment,last_repayment,total_paid,"
                                     "interest,final_balance,affordable,reason")};
    for (const ReportRecord& row : rows) {
        const QStringList fields{
            row.mortgageType, row.term,
            row.first,        row.last,
            row.paid,         row.interest,
            row.finalBalance, row.affordable ? QStringLiteral("yes") : QStringLiteral("no"),
            row.reason};
        QStringList quoted;
        for (const QString& field : fields)
            quoted << csvField(field);
        lines << quoted.join(u',');
    }
    return lines.join(u'\n').toUtf8() + '\n';
}

// A JSON string, quoted and escaped.
QString jsonString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// A type's lender checks: each rule, its figure and limit, and whether the loan
// passes it (a rule that only limits how many such loans lenders make is
// passed, with "note": true where the loan is one).
QString jsonChecks(const TypeChecks& checks) {
    const auto number = [](double value) { return QString::number(value, 'f', 4); };
    QStringList out;
    for (const LenderCheck& check : checks)
        out << QStringLiteral("{\"rule\": \"%1\", \"figure\": %2, \"limit\": %3, \"passes\": "
                              "%4, \"note\": %5}")
                   .arg(lenderRuleKey(check.rule),
                        check.figure ? number(*check.figure) : QStringLiteral("null"),
                        number(check.limit),
                        check.verdict != Verdict::Fails ? QStringLiteral("true")
                                                        : QStringLiteral("false"),
                        check.verdict == Verdict::Noted ? QStringLiteral("true")
                                                        : QStringLiteral("false"));
    return u'[' + out.join(QStringLiteral(", ")) + u']';
}

// The figures are written as the plain texts, so that they keep the currency's decimals.
QByteArray json(const std::array<ReportRecord, MortgageTypeCount>& rows, LenderCountry country,
                const std::array<TypeChecks, MortgageTypeCount>& checks) {
    const auto number = [](const QString& text) {
        return text.isEmpty() ? QStringLiteral("null") : text;
    };
    QStringList types;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const ReportRecord& row = rows[k];
        types << QStringLiteral("    {\"type\": %1, \"termYears\": %2, \"firstRepayment\": %3, "
                                "\"lastRepayment\": %4, \"totalPaid\": %5, \"interest\": %6, "
                                "\"finalBalance\": %7, \"affordable\": %8, \"reason\": %9, "
                                "\"lenderChecks\": %10}")
                     .arg(jsonString(row.mortgageType), number(row.term), number(row.first),
                          number(row.last), number(row.paid), number(row.interest),
                          number(row.finalBalance),
                          row.affordable ? QStringLiteral("true") : QStringLiteral("false"),
                          jsonString(row.reason), jsonChecks(checks[k]));
    }
    return QStringLiteral("{\n  \"lenderCountry\": \"%1\",\n  \"types\": [\n%2\n  ]\n}\n")
        .arg(lenderCountryKey(country), types.join(QStringLiteral(",\n")))
        .toUtf8();
}

// Whether two paths name one file, also through a link or another spelling.
bool sameFile(const QString& one, const QString& other) {
    const QFileInfo first(one);
    const QFileInfo second(other);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

bool isCommand(const QStringList& arguments) {
    // Any other argument is the windows' own (Qt's -style, -platform ...).
    return arguments.contains(QLatin1String("--results")) ||
           arguments.contains(QLatin1String("--report")) ||
           arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h")) ||
           arguments.contains(QLatin1String("--version"));
}

bool drawsReport(const QStringList& arguments) {
    return arguments.contains(QLatin1String("--report")) &&
           !arguments.contains(QLatin1String("--help")) &&
           !arguments.contains(QLatin1String("-h")) &&
           !arguments.contains(QLatin1String("--version"));
}

std::variant<QString, CommandOutput> caseToOpen(const QStringList& arguments) {
    QString path;
    for (const QString& argument : arguments.mid(1)) {
        if (argument.startsWith(QLatin1Char('-')))
            return refused(Texts::tr("Unknown option: %1").arg(argument), true);
        if (!path.isEmpty())
            return refused(Texts::tr("Give one case file to open."), true);
        path = argument;
    }
    return path;
}

std::variant<CommandRequest, CommandOutput> commandRequest(const QStringList& arguments) {
    const QStringList given = arguments.mid(1);
    CommandRequest request;
    QString format = QStringLiteral("csv");
    for (qsizetype i = 0; i < given.size(); ++i) {
        const QString& option = given[i];
        QString* const value = option == QLatin1String("--results")  ? &request.casePath
                               : option == QLatin1String("--report") ? &request.casePath
                               : option == QLatin1String("--format") ? &format
                               : option == QLatin1String("--pdf")    ? &request.pdfPath
                                                                     : nullptr;
        if (value && i + 1 < given.size()) {
            *value = given[++i];
            if (option == QLatin1String("--report"))
                request.report = true;
        } else if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            return CommandOutput{0, usage(), {}};
        } else if (option == QLatin1String("--version")) {
            return CommandOutput{0, QByteArrayLiteral("hearthwise " HEARTHWISE_VERSION "\n"), {}};
        } else if (option == QLatin1String("--chart")) {
            request.chart = true;
        } else {
            return refused(Texts::tr("Unknown option: %1").arg(option), true);
        }
    }
    if (request.report) {
        if (request.pdfPath.isEmpty())
            return refused(Texts::tr("Give the PDF file to write with --pdf OUT.pdf."), true);
        // The report written over the case it is made from would lose the case.
        if (sameFile(request.pdfPath, request.casePath))
            return refused(Texts::tr("The report would replace the case file it is made from: %1")
                               .arg(request.casePath));
    } else if (request.casePath.isEmpty()) {
        return refused(Texts::tr("Give the case file with --results FILE."), true);
    } else if (!request.pdfPath.isEmpty() || request.chart) {
        return refused(Texts::tr("--pdf and --chart go with --report FILE."), true);
    }
    if (format == QLatin1String("json"))
        request.json = true;
    else if (format != QLatin1String("csv"))
        return refused(Texts::tr("Unknown format: %1 (csv or json)").arg(format), true);
    return request;
}

std::variant<CaseResults, CommandOutput>
workOutCaseAt(const QString& path, const Regional& regional, Schedules schedules) {
    const auto read = readCaseFileAt(path, regional.currencyDecimals(), regional);
    if (const auto* error = std::get_if<CaseFileError>(&read))
        return refused(caseFileRefusal(path, *error));
    CaseResults results = workOutCase(std::get<CaseFileContent>(read).value, regional, schedules);
    if (results.refusal)
        return refused(Texts::tr("%1 stops short of its results: %2")
                           .arg(QFileInfo(path).fileName(), results.refusal->describe()));
    return results;
}

CommandOutput runCommand(const QStringList& arguments, const QLocale& locale) {
    const auto request = commandRequest(arguments);
    if (const auto* answer = std::get_if<CommandOutput>(&request))
        return *answer;
    const CommandRequest& asked = std::get<CommandRequest>(request);
    if (asked.report)
        return refused(Texts::tr("The report needs the program's windows: hearthwise --report FILE "
                                 "--pdf OUT.pdf"));
    const Regional regional(locale);
    const auto worked = workOutCaseAt(asked.casePath, regional);
    if (const auto* answer = std::get_if<CommandOutput>(&worked))
        return *answer;
    const CaseResults& results = std::get<CaseResults>(worked);
    const auto rows = plainRows(results, regional);
    if (!asked.json)
        return {0, csv(rows), {}};
    const LenderCase lender = lenderCaseOf(results.worked, results.figures);
    return {0, json(rows, lender.figures.country, lenderChecks(lender)), {}};
}

} // namespace hw
