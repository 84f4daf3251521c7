// What a user reads about mestrel-check outside the program: the manual
// pages as man shows them, the manual's options against --help, and the
// bash completion run as bash runs it.
#include "catalogue/productcatalogue.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Option
{
    QString argument; // "ROW", or empty for a switch
    QString text;
};

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

// Text as the reader sees it: no scdoc emphasis, single spaces.
QString plain(QString text)
{
    text.remove(QLatin1Char('*')).remove(QLatin1Char('_'));
    return text.simplified();
}

// "  -v, --version    Displays version information." and its continuation
// lines, keyed by the long name.
QMap<QString, Option> helpOptions(const QString &help)
{
    static const QRegularExpression head(
        QStringLiteral("^  (?:-\\w, )?(--[\\w-]+)(?: <(\\w+)>)?\\s+(.*)$"));
    QMap<QString, Option> options;
    QString current;
    bool inOptions = false;
    for (const QString &line : help.split(QLatin1Char('\n'))) {
        if (line == QLatin1String("Options:")) {
            inOptions = true;
        } else if (inOptions && line.isEmpty()) {
            break;
        } else if (inOptions) {
            const QRegularExpressionMatch match = head.match(line);
            if (match.hasMatch()) {
                current = match.captured(1);
                options[current] = {match.captured(2), match.captured(3)};
            } else {
                options[current].text += QLatin1Char(' ') + line;
            }
        }
    }
    return options;
}

// "*-h*, *--help*" or "*--model* _ROW_" in the OPTIONS section, then its
// tab-indented paragraph.
QMap<QString, Option> manualOptions(const QString &source)
{
    static const QRegularExpression head(
        QStringLiteral("^(?:\\*-\\w\\*, )?\\*(--[\\w-]+)\\*(?: _(\\w+)_)?$"));
    QMap<QString, Option> options;
    QString current;
    bool inOptions = false;
    for (const QString &line : source.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("# ")))
            inOptions = line == QLatin1String("# OPTIONS");
        else if (!inOptions)
            continue;
        const QRegularExpressionMatch match = head.match(line);
        if (match.hasMatch()) {
            current = match.captured(1);
            options[current].argument = match.captured(2);
        } else if (line.startsWith(QLatin1Char('\t')) && !current.isEmpty()) {
            options[current].text += QLatin1Char(' ') + line;
        }
    }
    return options;
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestCommandLineDocs : public QObject
{
    Q_OBJECT

private slots:
    void manPagesShowWithoutWarnings_data();
    void manPagesShowWithoutWarnings();
    void manualSaysWhatHelpSays();
    void completion_data();
    void completion();
};

void TestCommandLineDocs::manPagesShowWithoutWarnings_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("mestrel") << QStringLiteral("mestrel.1");
    QTest::newRow("mestrel-check") << QStringLiteral("mestrel-check.1");
}

void TestCommandLineDocs::manPagesShowWithoutWarnings()
{
    QFETCH(QString, page);
    const ProcessResult shown =
        run(QStringLiteral("man"),
            {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"),
             QStringLiteral("-l"), QStringLiteral(MESTREL_MAN_DIR "/") + page});
    QCOMPARE(shown.err, QString());
    QCOMPARE(shown.exitCode, 0);
    QVERIFY(shown.out.contains(QLatin1String("SEE ALSO")));
}

void TestCommandLineDocs::manualSaysWhatHelpSays()
{
    const ProcessResult help = run(QStringLiteral(MESTREL_CHECK), {QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    const QString source =
        readText(QStringLiteral(MESTREL_PACKAGING_DIR "/man/mestrel-check.1.scd"));
    QVERIFY(!source.isEmpty());

    const QMap<QString, Option> fromHelp = helpOptions(help.out);
    const QMap<QString, Option> fromManual = manualOptions(source);
    QVERIFY(fromHelp.contains(QStringLiteral("--model")));
    QCOMPARE(fromManual.keys(), fromHelp.keys());
    for (auto option = fromHelp.cbegin(); option != fromHelp.cend(); ++option) {
        const Option &manual = fromManual[option.key()];
        QCOMPARE(manual.argument, option->argument);
        // The manual may say more, but starts with what --help says.
        QVERIFY2(plain(manual.text).startsWith(plain(option->text)), qPrintable(option.key()));
    }
    // The line under "Usage:" opens the manual's description.
    const QString summary = help.out.section(QLatin1Char('\n'), 1, 1);
    QVERIFY(!summary.isEmpty());
    QVERIFY(source.contains(QStringLiteral("# DESCRIPTION\n\n") + summary + QLatin1Char('\n')));
}

void TestCommandLineDocs::completion_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected"); // empty: the options of --help

    QStringList rows; // the catalogue rows whose number starts with 1
    for (int row = 1; row <= kCatalogueSize; ++row)
        rows << QString::number(row);
    rows = rows.filter(QRegularExpression(QStringLiteral("^1")));
    QTest::newRow("options") << QStringLiteral("--") << QStringList();
    QTest::newRow("one option") << QStringLiteral("--mo") << QStringList {"--model"};
    QTest::newRow("model rows") << QStringLiteral("--model 1") << rows;
    QTest::newRow("files to check")
        << QStringLiteral("--json ") << QStringList {"a.csv", "b.CSV", "sub"};
    QTest::newRow("report input") << QStringLiteral("--report ")
                                  << QStringList {"a.csv", "b.CSV", "sub"};
    QTest::newRow("report output")
        << QStringLiteral("--report a.csv --output ") << QStringList {"r.pdf", "sub"};
    QTest::newRow("nothing after --version") << QStringLiteral("--version ") << QStringList {""};
}

void TestCommandLineDocs::completion()
{
    QFETCH(QString, line);
    QFETCH(QStringList, expected);
    if (expected.isEmpty()) {
        const ProcessResult help = run(QStringLiteral(MESTREL_CHECK), {QStringLiteral("--help")});
        expected = helpOptions(help.out).keys();
    }

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const char *name : {"a.csv", "b.CSV", "notes.txt", "r.pdf"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));

    // Completes LINE after the command as bash would at its end, and prints
    // the candidates one a line.
    const QString script =
        QStringLiteral("source /usr/share/bash-completion/bash_completion || exit 3\n"
                       "source \"$1\" || exit 3\n"
                       "cd \"$2\" || exit 3\n"
                       "COMP_LINE=\"$3\"; COMP_POINT=${#COMP_LINE}\n"
                       "read -ra COMP_WORDS <<< \"$COMP_LINE\"\n"
                       "[[ $COMP_LINE == *' ' ]] && COMP_WORDS+=('')\n"
                       "COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 ))\n"
                       "_mestrel_check \"${COMP_WORDS[0]}\" \"${COMP_WORDS[COMP_CWORD]}\" "
                       "\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
                       "printf '%s\\n' \"${COMPREPLY[@]}\"\n");
    const ProcessResult completed =
        run(QStringLiteral("bash"),
            {QStringLiteral("-c"), script, QStringLiteral("bash"),
             QStringLiteral(MESTREL_PACKAGING_DIR "/mestrel-check.bash-completion"), folder.path(),
             QStringLiteral(MESTREL_CHECK " ") + line});
    QCOMPARE(completed.exitCode, 0);
    QStringList candidates = completed.out.split(QLatin1Char('\n'));
    candidates.removeLast(); // after the last line feed
    candidates.sort();
    expected.sort();
    QCOMPARE(candidates, expected);
}

QTEST_GUILESS_MAIN(TestCommandLineDocs)
#include "tst_commandlinedocs.moc"
