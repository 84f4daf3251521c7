// How outputs reach the disk: whole or not at all, only over regular files,
// with the system's reason on failure. Special files are made in a
// temporary folder (a FIFO); no real device is ever a target.
#include "core/catalogue/productcatalogue.h"
#include "core/file/configwriter.h"
#include "core/file/filenaming.h"
#include "core/file/outputfile.h"

#include <QBuffer>
#include <QDate>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Takes `capacity` bytes, then fails every write as a full disk does.
class FillingDevice : public QBuffer
{
public:
    explicit FillingDevice(qint64 capacity)
        : m_capacity(capacity)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 room = m_capacity - buffer().size();
        if (room <= 0)
            setErrorString(qt_error_string(ENOSPC));
        return room <= 0 ? -1 : QBuffer::writeData(data, qMin(room, size));
    }

private:
    qint64 m_capacity;
};

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

mode_t modeOf(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode : 0;
}

} // namespace

class TestOutputFile : public QObject
{
    Q_OBJECT

private slots:
    void namesWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("written");
        // Each pair as "name=written".
        const auto rows = [](const char *rule, const QStringList &pairs) {
            for (const QString &pair : pairs)
                QTest::addRow("%s %s", rule, qPrintable(pair.section('=', 0, 0)))
                    << pair.section('=', 0, 0) << QString(rule) << pair.section('=', 1);
        };
        // A configuration file: ".csv" unless the name holds it, in any case.
        rows("typed",
             {"B=B.csv", "B.csv=B.csv", "STICK2.CSV=STICK2.CSV", "x.tar=x.tar.csv",
              "a.csv.bak=a.csv.bak", "x.csv/B=x.csv/B.csv", "="});
        // An opened file is written back under its own name.
        rows("opened", {"plain.txt=plain.txt", "STICK.CSV=STICK.CSV"});
        // An exported report: ".pdf" unless the name ends with it, in any case.
        rows("report", {"r26=r26.pdf", "report.PDF=report.PDF", "a.pdf.txt=a.pdf.txt.pdf"});
        // The report beside a batch's file, for the name that file got.
        rows("beside", {"STICK2.CSV=STICK2.pdf", "a.csv.bak=a.csv.bak.pdf"});
    }

    void namesWritten()
    {
        QFETCH(QString, name);
        QFETCH(QString, rule);
        const QString written = rule == "typed" ? configFilePath(name)
            : rule == "opened"                  ? configFilePath(name, NameSource::Opened)
            : rule == "report"                  ? reportFilePath(name)
                                                : reportBesideConfigFile(configFilePath(name));
        QTEST(written, "written");
    }

    void failingDevice()
    {
        // The writer goes on after a partial write and reports the failure
        // that follows it, with the device's reason.
        FillingDevice device(1000);
        QString error;
        QVERIFY(!writeConfigTo(device, defaultConfiguration(0), {}, QDate(2024, 3, 7), &error));
        QCOMPARE(device.data().size(), 1000);
        QCOMPARE(error, QStringLiteral("No space left on device"));
    }

    void targets_data()
    {
        QTest::addColumn<QString>("setUp"); // what stands at "target" before
        QTest::addColumn<QString>("error"); // empty when the write succeeds
        QTest::addColumn<QString>("contentPath"); // where the new content lands

        const auto row = [](const char *name, const char *setUp, const char *error,
                            const char *contentPath) {
            QTest::newRow(name) << QString(setUp) << QString(error) << QString(contentPath);
        };
        const char *notRegular = "target is not a regular file";
        row("new file", "", "", "target");
        row("regular file", "file", "", "target");
        row("link to a regular file", "link to file", "", "real");
        row("link to a file yet to be made", "dangling link", "", "real");
        row("FIFO", "fifo", notRegular, "");
        row("link to a FIFO", "link to fifo", notRegular, "");
        row("folder", "folder", notRegular, "");
        row("in a missing folder", "missing folder", "No such file or directory", "");
    }

    void targets()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, error);
        QFETCH(QString, contentPath);
        QTemporaryDir folder;
        const auto at = [&folder](const QString &name) { return folder.filePath(name); };
        const QByteArray old = "old content\n";
        const auto makeFile = [&](const QString &name) {
            QFile file(at(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
            file.close();
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        };
        QString target = at("target");
        if (setUp == "file" || setUp == "link to file")
            makeFile(setUp == "file" ? "target" : "real");
        if (setUp.contains("fifo")) {
            const QString fifo = at(setUp == "fifo" ? "target" : "fifo");
            QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        }
        if (setUp.contains("link"))
            QVERIFY(QFile::link(setUp.endsWith("fifo") ? "fifo" : "real", target));
        if (setUp == "folder")
            QVERIFY(QDir(folder.path()).mkdir("target"));
        if (setUp == "missing folder")
            target = at("missing/target");
        const auto entries = [&folder] {
            return QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        const QStringList before = entries();
        const mode_t modeBefore = modeOf(target);

        QString reason;
        const bool written = writeOutputFile(target, "new content\n", &reason);
        QCOMPARE(written, error.isEmpty());
        QCOMPARE(reason.replace(folder.path() + '/', QString()), written ? QString() : error);

        // Nothing left beside the target, and what stood there is what it was:
        // a link stays a link, a FIFO a FIFO, a replaced file keeps its mode.
        QStringList expected = before;
        if (written)
            expected << contentPath;
        expected.removeDuplicates();
        expected.sort();
        QCOMPARE(entries(), expected);
        if (setUp.contains("link") || setUp == "fifo" || setUp == "folder")
            QCOMPARE(modeOf(target) & S_IFMT, modeBefore & S_IFMT);
        if (setUp == "file")
            QCOMPARE(modeOf(target) & 07777, mode_t(0640));
        if (!contentPath.isEmpty())
            QCOMPARE(contentOf(at(contentPath)), QByteArray("new content\n"));
    }

    void failedWriteKeepsThePreviousFile()
    {
        // A file size limit stops the write part-way, as a nearly full disk does.
        QTemporaryDir folder;
        const QString target = folder.filePath("report.pdf");
        QVERIFY(writeOutputFile(target, "the good report\n"));
        rlimit before, lowered;
        ::getrlimit(RLIMIT_FSIZE, &before);
        lowered = before;
        lowered.rlim_cur = 4096;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &lowered);
        QString reason;
        const bool written = writeOutputFile(target, QByteArray(64 * 1024, 'x'), &reason);
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!written);
        QCOMPARE(reason, QStringLiteral("File too large"));
        QCOMPARE(contentOf(target), QByteArray("the good report\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList {"report.pdf"});
    }

    void setStopsAtTheFailingRename()
    {
        // A folder appears at the third name after its output was written
        // beside it: the first two are in place, the rest as they were.
        QTemporaryDir folder;
        const QStringList names {"a.csv", "b.csv", "c.csv", "d.csv"};
        QVERIFY(writeOutputFile(folder.filePath("d.csv"), "old d\n"));
        OutputFileSet outputs;
        for (const QString &name : names)
            QVERIFY(outputs.add(folder.filePath(name), "new " + name.toLatin1()));
        QVERIFY(QDir().mkdir(folder.filePath("c.csv")));
        QString error;
        QCOMPARE(outputs.commit(&error), 2);
        QCOMPARE(error, QStringLiteral("Is a directory"));
        QCOMPARE(outputs.pending(), 0);
        QCOMPARE(contentOf(folder.filePath("b.csv")), QByteArray("new b.csv"));
        QCOMPARE(contentOf(folder.filePath("d.csv")), QByteArray("old d\n"));
        // No temporary is left.
        QCOMPARE(QDir(folder.path())
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 names);
    }
};

QTEST_GUILESS_MAIN(TestOutputFile)
#include "tst_outputfile.moc"
