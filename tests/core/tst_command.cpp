// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Money.h"
#include "PdfText.h"
#include "calc/CaseFile.h"
#include "command/ResultsCommand.h"
#include "store/WholeFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace hw;

namespace {

// $200,000 over 25 years at 6 %, with $4,250 a month after tax.
MortgageCase otherLoan() {
    MortgageCase c;
    c.purpose = OtherLoans;
    c.income[0] = {units(60000), 15.0};
    c.budget = {units(100), units(100), units(100), units(50), units(50), units(20), units(30)};
    c.purposes[OtherLoans].first = {units(200000)};
    c.chargesMode = ChargesMode::FixedAmount;
    c.ratePercent = 6.0;
    c.termYears = 25.0;
    return c;
}
} // namespace

class CommandTest : public QObject {
    Q_OBJECT
private slots:
    // The results as plain numbers: "." decimals, no grouping or symbol, the
    // currency's decimals, whatever the locale.
    void csvInEveryForm_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("tableRow");
        QTest::newRow("en_US") << "en_US"
                               << "Table,25.00,1288.60,1288.60,386580.84,186580.84,0.00,yes,";
        QTest::newRow("de_DE") << "de_DE"
                               << "Table,25.00,1288.60,1288.60,386580.84,186580.84,0.00,yes,";
        QTest::newRow("ja_JP") << "ja_JP"
                               << "Table,25.00,1289,1289,386581,186581,0,yes,";
    }
    void csvInEveryForm() {
        QFETCH(QString, locale);
        const CommandOutput output = run({"--results", write(otherLoan())}, locale);
        QVERIFY(output.exitCode == 0 && output.err.isEmpty());
        const QStringList lines = QString::fromUtf8(output.out).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + MortgageTypeCount);
        QCOMPARE(lines[0], QStringLiteral("type,term_years,first_repayment,last_repayment,"
                                          "total_paid,interest,final_balance,affordable,reason"));
        QTEST(lines[1], "tableRow");
    }

    // JSON: the same figures, numbers as numbers; a type that cannot be
    // afforded says why and has no figures; each type's lender checks.
    void json() {
        MortgageCase refused = otherLoan();
        refused.budget[0] = units(1200); // leaves $891.67 a month spare
        MortgageCase irish = otherLoan();
        irish.lender.country = LenderCountry::Ireland;
        QJsonObject table[2];
        for (int i = 0; i < 2; ++i) {
            const CommandOutput output =
                run({"--results", write(i ? refused : irish), "--format", "json"}, "en_US");
            const QJsonObject all = QJsonDocument::fromJson(output.out).object();
            QCOMPARE(all["lenderCountry"].toString(), i ? "none" : "ie");
            table[i] = all["types"].toArray()[0].toObject();
        }
        // $200,000 on $60,000 a year: 3.33 times, within Ireland's 3.5.
        const QJsonObject loanToIncome = table[0]["lenderChecks"].toArray()[0].toObject();
        QCOMPARE(loanToIncome["rule"].toString(), QStringLiteral("loan-to-income"));
        QCOMPARE(loanToIncome["figure"].toDouble(), 3.3333);
        QCOMPARE(loanToIncome["limit"].toDouble(), 3.5);
        QVERIFY(loanToIncome["passes"].toBool());
        QVERIFY(table[1]["lenderChecks"].toArray().isEmpty());
        QCOMPARE(table[0]["firstRepayment"].toDouble(), 1288.60);
        QCOMPARE(table[0]["affordable"].toBool(), true);
        QCOMPARE(table[1]["affordable"].toBool(true), false);
        QVERIFY(table[1]["totalPaid"].isNull());
        QCOMPARE(table[1]["reason"].toString(),
                 QStringLiteral("Needs $1,288.60 a month; $891.67 is spare"));
    }

    // What cannot be answered goes to standard error with exit 2: a file the
    // program refuses (with the window's message), a case its pages stop, a
    // command it does not know.
    void refusals() {
        const QString missing = folder_.filePath("missing.hearthwise");
        const CommandOutput absent = run({"--results", missing}, "en_US");
        QVERIFY(absent.exitCode == 2 && absent.out.isEmpty());
        QCOMPARE(QString::fromUtf8(absent.err).trimmed(),
                 caseFileRefusal(missing, std::get<CaseFileError>(readCaseFileAt(missing, 2))));

        MortgageCase c = otherLoan();
        c.termYears = 0;
        const CommandOutput stopped = run({"--results", write(c)}, "en_US");
        QCOMPARE(stopped.exitCode, 2);
        QVERIFY(stopped.err.contains("Interest rate and term, Term in Years: Term in years must be "
                                     "between 0.1 and 100."));

        // The report is never written over the case it is made from.
        const QString ours = write(c);
        const auto bytes = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = bytes(ours);
        const CommandOutput over = run({"--report", ours, "--pdf", ours}, "en_US");
        QVERIFY(over.exitCode == 2 && over.err.contains("would replace the case file"));
        QCOMPARE(bytes(ours), before);

        for (const QStringList& wrong : {QStringList{"--results"},
                                         {"--results", "x", "--format", "xml"},
                                         {"--results", "x", "-v"},
                                         {"--report", "x"},
                                         {"--results", "x", "--pdf", "x.pdf"}}) {
            const CommandOutput output = run(wrong, "en_US");
            QCOMPARE(output.exitCode, 2);
            QVERIFY(output.err.endsWith("(hearthwise --help lists the options)\n"));
            QCOMPARE(output.err.count('\n'), 1);
        }
    }

    // What a start of the windows is given: a case file to open, or a refusal.
    void windowArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("opened"); // null where refused
        QTest::newRow("nothing") << QStringList{} << QString("");
        QTest::newRow("a case file") << QStringList{"ours.hearthwise"} << "ours.hearthwise";
        QTest::newRow("two files") << QStringList{"a.hearthwise", "b.hearthwise"} << QString();
        QTest::newRow("an option unknown") << QStringList{"--frobnicate"} << QString();
    }
    void windowArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, opened);
        const auto answer = caseToOpen(QStringList{"hearthwise"} + arguments);
        if (!opened.isNull()) {
            QCOMPARE(std::get<QString>(answer), opened);
            return;
        }
        const auto& refused = std::get<CommandOutput>(answer);
        QVERIFY(refused.exitCode == 2 && refused.err.count('\n') == 1);
    }

    // The program itself answers with no display and no platform chosen.
    void withoutAWindowSystem() {
        const auto answer = [this](const QStringList& arguments) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(QLatin1String(name));
            environment.insert("LC_ALL", "en_US.UTF-8");
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(HEARTHWISE_PROGRAM), arguments);
            if (!program.waitForFinished(30000) || program.exitCode() != 0 ||
                !program.readAllStandardError().isEmpty())
                return program.readAllStandardError() + "(failed)";
            return program.readAllStandardOutput();
        };
        const QByteArray results = answer({"--results", write(otherLoan())});
        QVERIFY2(results.contains("\nTable,25.00,1288.60,"), results.constData());
        QCOMPARE(answer({"--version"}), QByteArray("hearthwise " HEARTHWISE_VERSION "\n"));
        // The report as PDF, with its chart page, and nothing on standard error.
        const QString pdf = folder_.filePath(QStringLiteral("report.pdf"));
        QCOMPARE(answer({"--report", write(otherLoan()), "--pdf", pdf, "--chart"}), QByteArray());
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QLatin1String("Mortgage Options")) &&
                     text.contains(QLatin1String("$1,288.60")) && text.count(u'\f') == 2,
                 qPrintable(text));
    }

private:
    CommandOutput run(const QStringList& arguments, const QString& locale) {
        return runCommand(QStringList{"hearthwise"} + arguments, QLocale(locale));
    }
    QString write(const MortgageCase& value) {
        const QString path = folder_.filePath(QStringLiteral("case%1.hearthwise").arg(++written_));
        if (!writeWholeFile(path, caseFileText({value, {}})))
            qFatal("could not write the case");
        return path;
    }
    QTemporaryDir folder_;
    int written_ = 0;
};

QTEST_GUILESS_MAIN(CommandTest)
#include "tst_command.moc"
