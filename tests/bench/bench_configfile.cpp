// Times saving and loading configuration files through the window, with
// every dialog answered. A benchmark, not a test: run it by hand
// (QT_QPA_PLATFORM=offscreen ./build/tests/bench_configfile), one function
// at a time under /usr/bin/time -v for the peak memory of a load.
#include "../windowdriver.h"
#include "app/prompts.h"
#include "file/configwriter.h"
#include "file/filecommands.h"

#include <QTemporaryDir>

class BenchConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileBytesOf26Ports();
    void save26Ports();
    void load26PortsWithRefresh();
    void load100000BadLines();

private:
    QString path(const QString &name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

void BenchConfigFile::initTestCase()
{
    QDir::setCurrent(m_folder.path()); // "errorLog.txt" goes here
    Prompts::setScripted(true);
    Prompts::setDialogHandler([](QDialog &) { return int(QDialog::Accepted); });
}

// The format alone, without the disk: what saving costs besides the I/O.
void BenchConfigFile::fileBytesOf26Ports()
{
    WindowDriver d;
    d.selectModel(13);
    QBENCHMARK {
        configFileBytes(d.config(), {}, QDate::currentDate());
    }
}

// Through a temporary file that is synced and renamed over the target.
void BenchConfigFile::save26Ports()
{
    WindowDriver d;
    d.selectModel(13);
    QBENCHMARK {
        d.window->fileCommands().writeConfigFile(path("ports26.csv"));
    }
}

void BenchConfigFile::load26PortsWithRefresh()
{
    WindowDriver d;
    d.selectModel(13);
    d.window->fileCommands().writeConfigFile(path("ports26.csv"));
    QBENCHMARK {
        Prompts::queueFileNames({path("ports26.csv")});
        d.window->open();
    }
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
    QBENCHMARK_ONCE {
        Prompts::queueFileNames({path("bad.csv")});
        d.window->open();
    }
}

QTEST_MAIN(BenchConfigFile)
#include "bench_configfile.moc"
