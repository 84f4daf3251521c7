#include "configfiles.h"
#include "file/configwriter.h"

#include <QBuffer>
#include <QtTest>

namespace {

// A device that takes `capacity` bytes and then fails, like a full disk.
class FullDevice : public QBuffer
{
public:
    explicit FullDevice(qint64 capacity)
        : m_capacity(capacity)
    { }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 room = m_capacity - size();
        if (room >= length)
            return QBuffer::writeData(data, length);
        QBuffer::writeData(data, room);
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }

private:
    qint64 m_capacity;
};

} // namespace

class TestConfigWriter : public QObject
{
    Q_OBJECT

private slots:
    void defaultFileOfTheFirstModel();
    void keysFollowTheModel_data();
    void keysFollowTheModel();
    void fileEncodings();
    void deviceThatFillsUpIsReported();
};

void TestConfigWriter::defaultFileOfTheFirstModel()
{
    QFile expected(QStringLiteral(MESTREL_TEST_DATA "/default-row0.csv"));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    const QByteArray file = configFileBytes(modelConfig(0), {"Ann Smith", "Hall 3"}, kSaveDate);
    QCOMPARE(file, expected.readAll());
    QCOMPARE(fileLines(file).size(), 155);
    QVERIFY(file.endsWith("file.end,0,155"));
}

void TestConfigWriter::keysFollowTheModel_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("eee");
    QTest::addColumn<bool>("poe");

    QTest::newRow("10/100, no PoE") << 0 << 155 << false << false;
    QTest::newRow("gigabit: EEE") << 3 << 160 << true << false;
    QTest::newRow("26 ports with fibre") << 13 << 449 << false << false;
    QTest::newRow("configId 100") << 16 << 197 << false << false;
    QTest::newRow("PoE") << 17 << 229 << false << true;
}

void TestConfigWriter::keysFollowTheModel()
{
    QFETCH(int, row);
    QFETCH(int, lines);
    const SwitchConfig config = modelConfig(row);
    const QList<QByteArray> written = fileLines(configFileBytes(config, {}, kSaveDate));

    QCOMPARE(written.size(), lines);
    QCOMPARE(written.first(), QByteArray("file.configID,0,") + QByteArray::number(config.configId));
    QCOMPARE(written.last(), QByteArray("file.end,0,") + QByteArray::number(lines));

    // Key-major: each per-port key once, for ports 1..portCount in order.
    QStringList portKeys;
    int expectedPort = 1;
    for (const QByteArray &line : written) {
        const QList<QByteArray> fields = line.split(',');
        QCOMPARE(fields.size(), 3);
        if (!line.startsWith("port."))
            continue;
        const QString key = QString::fromLatin1(fields[0]);
        if (portKeys.isEmpty() || portKeys.last() != key) {
            QCOMPARE(expectedPort, 1);
            QVERIFY2(!portKeys.contains(key), qPrintable(key));
            portKeys << key;
        }
        QCOMPARE(fields[1].toInt(), expectedPort);
        expectedPort = expectedPort == config.portCount ? 1 : expectedPort + 1;
    }
    QCOMPARE(expectedPort, 1);
    QTEST(portKeys.contains("port.eee"), "eee");
    QTEST(portKeys.contains("port.poe.allowed-classes"), "poe");
    QVERIFY(portKeys.contains("port.alarm.link"));
}

void TestConfigWriter::fileEncodings()
{
    SwitchConfig config = modelConfig(17);
    config.ports[1].speed = 1;
    config.ports[2].speed = 3;
    config.ports[1].allowedPoEClasses = {0,           2,           kNoPoEClass, kNoPoEClass,
                                         kNoPoEClass, kNoPoEClass, kNoPoEClass, kNoPoEClass};
    config.ports[2].allowedPoEClasses.fill(kNoPoEClass);
    config.ports[8].flowControl = 1; // beyond the 8 ports: never written
    config.agingTime = 1048575;
    const QByteArray file = configFileBytes(config, {"Ann, Bob", QString()}, kSaveDate);
    const QList<QByteArray> lines = fileLines(file);

    QVERIFY(lines.contains("file.creation-date,0,07/03/2024"));
    QVERIFY(lines.contains("port.speed,2,1"));
    QVERIFY(lines.contains("port.speed,3,2")); // negotiated speed
    QVERIFY(lines.contains("port.poe.allowed-classes,2,02"));
    QVERIFY(lines.contains("port.poe.allowed-classes,3,"));
    QVERIFY(lines.contains("switch.aging-time,0,1048575"));
    QVERIFY(lines.contains("file.contactname,0,Ann, Bob")); // as typed, no escaping
    QVERIFY(!file.contains("port.flow-control,9,"));
}

void TestConfigWriter::deviceThatFillsUpIsReported()
{
    const SwitchConfig config = modelConfig(13);
    FullDevice device(1000);
    QVERIFY(device.open(QIODevice::WriteOnly));
    QString error;
    QVERIFY(!writeConfigTo(device, config, {}, kSaveDate, &error));
    QCOMPARE(error, QStringLiteral("No space left on device"));

    QBuffer roomy;
    QVERIFY(roomy.open(QIODevice::WriteOnly));
    QVERIFY(writeConfigTo(roomy, config, {}, kSaveDate, &error));
    QCOMPARE(roomy.data(), configFileBytes(config, {}, kSaveDate));
}

QTEST_GUILESS_MAIN(TestConfigWriter)
#include "tst_configwriter.moc"
