// Saving and loading configuration files through the window, with every
// dialog answered. Run through "make bench".
#include "../window/windowdriver.h"
#include "benchmark.h"
#include "window/file/filecommands.h"
#include "window/ground/prompts.h"

#include <QTemporaryDir>

class BenchConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void save26Ports();
    void load26Ports();
    void load100000BadLines();

private:
    QString path(const QString &name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

void BenchConfigFile::initTestCase()
{
    QDir::setCurrent(m_folder.path()); // "errorLog.txt" goes here
    Prompts::setScripted(true);
    // "Discard" to the question before Open; OK to any other dialog.
    Prompts::setDialogHandler([](QDialog &dialog) {
        return qobject_cast<QMessageBox *>(&dialog) ? int(QMessageBox::Discard)
                                                    : int(QDialog::Accepted);
    });
}

// Through a temporary file that is synced and renamed over the target.
void BenchConfigFile::save26Ports()
{
    WindowDriver d;
    d.selectModel(13);
    Bench::measure("Save, 26 ports", 5,
                   [&] { d.window->fileCommands().writeConfigFile(path("ports26.csv")); });
}

void BenchConfigFile::load26Ports()
{
    WindowDriver d;
    d.selectModel(13);
    d.window->fileCommands().writeConfigFile(path("ports26.csv"));
    Bench::measure(
        "Open a 26-port file, dialogs answered", 50,
        [&] { Prompts::queueFileNames({path("ports26.csv")}); }, [&] { d.window->open(); });
}

void BenchConfigFile::load100000BadLines()
{
    QFile file(path("bad.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("file.configID,0,32\n");
    for (int i = 0; i < 100000; ++i)
        file.write("port.speed," + QByteArray::number(i % 40) + ",7\n");
    file.close();

    WindowDriver d;
    Bench::measure(
        "Open 100,000 bad lines, error log included", 2000,
        [&] { Prompts::queueFileNames({path("bad.csv")}); }, [&] { d.window->open(); }, 3);
}

QTEST_MAIN(BenchConfigFile)
#include "bench_configfile.moc"
