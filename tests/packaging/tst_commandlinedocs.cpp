// What a user reads about mestrel-check outside the program: the manual
// pages as man shows them, the manual's options against --help, and the
// bash completion run as bash runs it.
#include "core/catalogue/productcatalogue.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct ProcessResult
{
    int exitCode = -1; // -1 for a crash or a timeout
    QString out, err;
};

ProcessResult run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    ProcessResult result;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// An options section as the reader sees it, by long name: "ROW Check
// against ..." for "--model <ROW>" or "*--model* _ROW_" and the lines under
// it, without short names, emphasis or line breaks.
QMap<QString, QString> options(QString section, const char *continuation)
{
    section.remove(QRegularExpression("[*_<>]")).replace(QRegularExpression(continuation), " ");
    QMap<QString, QString> byName;
    for (QString line : section.split('\n', Qt::SkipEmptyParts)) {
        line = line.simplified().remove(QRegularExpression("^-\\w, "));
        byName[line.section(' ', 0, 0)] = line.section(' ', 1);
    }
    return byName;
}

QMap<QString, QString> helpOptions(const QString &usage)
{
    return options(usage.section("Options:\n", 1).section("\n\n", 0, 0), "\n {3,}");
}

} // namespace

class TestCommandLineDocs : public QObject
{
    Q_OBJECT

private slots:
    void manPagesShowWithoutWarnings()
    {
        for (const char *page : {"mestrel.1", "mestrel-check.1"}) {
            const ProcessResult shown = run(
                "man", {"--warnings", "-E", "UTF-8", "-l", MESTREL_MAN_DIR "/" + QString(page)});
            QCOMPARE(shown.err, QString());
            QCOMPARE(shown.exitCode, 0);
            QVERIFY2(shown.out.contains("SEE ALSO"), page);
        }
    }

    void manualSaysWhatHelpSays()
    {
        const QString usage = run(MESTREL_CHECK, {"--help"}).out;
        QFile manual(MESTREL_PACKAGING_DIR "/man/mestrel-check.1.scd");
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(manual.readAll());
        const auto fromHelp = helpOptions(usage);
        const auto fromManual =
            options(source.section("# OPTIONS\n", 1).section("\n# ", 0, 0), "\n\t");
        QVERIFY(fromHelp.contains("--model"));
        QCOMPARE(fromManual.keys(), fromHelp.keys());
        // The manual may say more, but starts with what --help says.
        for (auto option = fromHelp.cbegin(); option != fromHelp.cend(); ++option)
            QVERIFY2(fromManual[option.key()].startsWith(*option), qPrintable(option.key()));
        // The line under "Usage:" opens the manual's description.
        const QString summary = usage.section('\n', 1, 1);
        QVERIFY(!summary.isEmpty());
        QVERIFY(source.contains("# DESCRIPTION\n\n" + summary + '\n'));
    }

    void completion_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected"); // empty: the options of --help
        const QStringList files {"a.csv", "b.CSV", "sub"};
        QStringList rows; // the catalogue rows whose number starts with 1
        for (int row = 1; row <= kCatalogueSize; ++row)
            rows << QString::number(row);
        rows = rows.filter(QRegularExpression(QStringLiteral("^1")));
        QTest::newRow("options") << "--" << QStringList();
        QTest::newRow("model rows") << "--model 1" << rows;
        QTest::newRow("files to check") << "--json " << files;
        QTest::newRow("report input") << "--report " << files;
        QTest::newRow("report output")
            << "--report a.csv --output " << QStringList {"r.pdf", "sub"};
        QTest::newRow("nothing after --version") << "--version " << QStringList {""};
        QTest::newRow("batch list") << "--batch a.csv --list " << files;
        QTest::newRow("batch folder") << "--batch a.csv --output-dir " << QStringList {"sub"};
        QTest::newRow("folder") << "--folder " << QStringList {"sub"};
        QTest::newRow("folder list") << "--folder sub --to-list " << files;
        QTest::newRow("batch reports take no file")
            << "--batch a.csv --report --r" << QStringList {"--recursive", "--replace", "--report"};
    }

    void completion()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        if (expected.isEmpty())
            expected = helpOptions(run(MESTREL_CHECK, {"--help"}).out).keys();
        QTemporaryDir folder;
        for (const char *name : {"a.csv", "b.CSV", "notes.txt", "r.pdf"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        QVERIFY(QDir(folder.path()).mkdir("sub"));

        // Completes LINE after the command as bash would at its end, and prints
        // the candidates one a line.
        const char *script = "source /usr/share/bash-completion/bash_completion || exit 3\n"
                             "source \"$1\" && cd \"$2\" || exit 3\n"
                             "COMP_LINE=\"$3\"; COMP_POINT=${#COMP_LINE}\n"
                             "read -ra COMP_WORDS <<< \"$COMP_LINE\"\n"
                             "[[ $COMP_LINE == *' ' ]] && COMP_WORDS+=('')\n"
                             "COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 ))\n"
                             "_mestrel_check \"${COMP_WORDS[0]}\" \"${COMP_WORDS[COMP_CWORD]}\" "
                             "\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
                             "printf '%s\\n' \"${COMPREPLY[@]}\"\n";
        const ProcessResult completed =
            run("bash",
                {"-c", script, "bash", MESTREL_PACKAGING_DIR "/mestrel-check.bash-completion",
                 folder.path(), MESTREL_CHECK " " + line});
        QCOMPARE(completed.exitCode, 0);
        QStringList candidates = completed.out.split('\n');
        candidates.removeLast(); // after the last line feed
        candidates.sort();
        expected.sort();
        QCOMPARE(candidates, expected);
    }
};

QTEST_GUILESS_MAIN(TestCommandLineDocs)
#include "tst_commandlinedocs.moc"
