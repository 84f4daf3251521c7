// The configuration file without a window: the writer, both reading passes
// and the error log's rows.
#include "catalogue/productcatalogue.h"
#include "config/textfields.h"
#include "file/configkeytable.h"
#include "file/configreader.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const QDate kSaveDate(2024, 3, 7);

// Bytes of a literal, NULs included.
template<std::size_t N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, int(N - 1));
}

QString randomText(QRandomGenerator &random, const char *alphabet)
{
    QString text;
    for (int length = random.bounded(41); length > 0; --length)
        text += QLatin1Char(alphabet[random.bounded(int(qstrlen(alphabet)))]);
    return text;
}

// Settings a user can make on catalogue row `row`, and the texts beside them.
SwitchConfig randomSettings(int row, quint32 seed, ConfigFileTexts &texts)
{
    QRandomGenerator random(seed);
    auto pick = [&](int lowest, int highest) {
        return quint8(random.bounded(lowest, highest + 1));
    };
    SwitchConfig config = defaultConfiguration(row);
    texts = {randomText(random, "ABCxyz "), randomText(random, "09Az ()/-")};
    storeText(config.contactName, texts.contactName);
    storeText(config.location, texts.location);
    config.psuAlarm1 = pick(0, 1);
    config.psuAlarm2 = pick(0, 1);
    config.agingTime = random.bounded(quint32(kMaxAgingTime) + 1);
    config.qosTrustMode = pick(0, 2);
    for (quint8 &trafficClass : config.dot1pTrafficClass)
        trafficClass = pick(0, 3);
    for (quint8 &trafficClass : config.dscpTrafficClass)
        trafficClass = pick(0, 3);
    for (int p = 0; p < config.portCount; ++p) {
        PortConfig &port = config.ports[p];
        for (quint8 *offOn : {&port.flowControl, &port.adminState, &port.jumboFrames,
                              &port.broadcastStormProtection, &port.multicastStormProtection,
                              &port.alarmLink, &port.autoNeg, &port.autoCrossing, &port.mdiState})
            *offOn = pick(0, 1);
        port.broadcastStormThreshold = pick(0, 100);
        port.multicastStormThreshold = pick(0, 100);
        port.portQosTrustMode = config.qosTrustMode;
        port.speed = port.autoNeg ? 3 : pick(1, 2);
        port.duplexMode = pick(1, 2);
        port.portPriority = pick(0, 7);
        port.eee = config.portSpeedMask & 0x2 ? pick(0, 1) : 0;
        if (config.hasPoE()) {
            port.poeAdminState = pick(0, 1);
            port.poePriority = pick(1, 3);
            port.allowedPoEClasses.fill(kNoPoEClass);
            int entry = 0;
            for (quint8 poeClass = 0; poeClass < 5; ++poeClass) {
                if (random.bounded(2))
                    port.allowedPoEClasses[entry++] = poeClass;
            }
            port.allowedPoEOverride = pick(0, 13);
        }
    }
    return config;
}

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

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void defaultFiles_data();
    void defaultFiles();
    void writtenValues();
    void deviceThatFillsUpIsReported();
    void roundTripOnEveryModel_data();
    void roundTripOnEveryModel();
    void refusedLines_data();
    void refusedLines();
    void storedValues();
    void trustModeLines();
    void configIdsOfAFile();
    void errorLogRowsKeepTheirColumns();
    void hugeInput();
};

void TestConfigFile::defaultFiles_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("lines");
    QTest::newRow("5 ports 10/100") << 0 << 155;
    QTest::newRow("gigabit: EEE") << 3 << 160;
    QTest::newRow("configId 100") << 16 << 197;
    QTest::newRow("PoE") << 17 << 229;
}

void TestConfigFile::defaultFiles()
{
    // The exact file of a model just chosen: key-major, the keys the model
    // knows, no line feed after "file.end".
    QFETCH(int, row);
    QFile expected(QStringLiteral(MESTREL_TEST_DATA "/default-row%1.csv").arg(row));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    const QByteArray file =
        configFileBytes(defaultConfiguration(row), {"Ann Smith", "Hall 3"}, kSaveDate);
    QCOMPARE(file, expected.readAll());
    QTEST(int(file.count('\n')) + 1, "lines");
}

void TestConfigFile::writtenValues()
{
    SwitchConfig config = defaultConfiguration(17);
    config.ports[1].speed = 1;
    config.ports[1].allowedPoEClasses = {0, 2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    config.ports[8].flowControl = 1; // beyond the 8 ports: never written
    config.agingTime = 1048575;
    const QByteArray file = configFileBytes(config, {"Ann, Bob", QString()}, kSaveDate);
    const QList<QByteArray> lines = file.split('\n');
    QVERIFY(lines.contains("port.speed,2,1"));
    QVERIFY(lines.contains("port.poe.allowed-classes,2,02"));
    QVERIFY(lines.contains("switch.aging-time,0,1048575"));
    QVERIFY(lines.contains("file.contactname,0,Ann, Bob")); // as typed, no escaping
    QVERIFY(!file.contains("port.flow-control,9,"));
}

void TestConfigFile::deviceThatFillsUpIsReported()
{
    const SwitchConfig config = defaultConfiguration(13);
    FullDevice device(1000);
    QVERIFY(device.open(QIODevice::WriteOnly));
    QString error;
    QVERIFY(!writeConfigTo(device, config, {}, kSaveDate, &error));
    QCOMPARE(error, QStringLiteral("No space left on device"));
}

void TestConfigFile::roundTripOnEveryModel_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < kCatalogueSize; ++row)
        QTest::addRow("row %d", row) << row;
}

void TestConfigFile::roundTripOnEveryModel()
{
    QFETCH(int, row);
    for (quint32 seed = 1; seed <= 5; ++seed) {
        ConfigFileTexts texts;
        const SwitchConfig saved = randomSettings(row, quint32(row) * 100 + seed, texts);
        const QByteArray file = configFileBytes(saved, texts, kSaveDate);
        SwitchConfig loaded;
        const ConfigLoadResult result = loadConfigBytes(file, row, loaded);
        QCOMPARE(errorLogText(result.rejected), QByteArray());
        QVERIFY2(loaded == saved, qPrintable(QStringLiteral("seed %1").arg(seed)));
        QCOMPARE(result.texts.contactName, texts.contactName);
        QCOMPARE(result.texts.location, texts.location);
        QCOMPARE(result.lineCount, file.count('\n') + 1);
        QCOMPARE(configIdsNamed(file), QVector<int> {saved.configId});
    }
}

void TestConfigFile::refusedLines_data()
{
    // Each file is read for a catalogue row; the error log must list exactly
    // the refused lines, numbered from 0, with their reason codes.
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("log");
    QTest::newRow("accepted, CRLF and last line unterminated")
        << 0 << QByteArray("port.admin-state,1,0\r\nport.admin-state, 1,1\nport.speed,+2,1")
        << QByteArray();
    QTest::newRow("skipped lines still count")
        << 0 << QByteArray("\n# comment\nport.speed,1,7\n") << QByteArray("2,port.speed,1,7,5\n");
    QTest::newRow("unknown key") << 0 << QByteArray("Port.speed,1,1\n")
                                 << QByteArray("0,Port.speed,1,1,1\n");
    QTest::newRow("PoE key without PoE ports") << 0 << QByteArray("port.poe.admin-state,1,1\n")
                                               << QByteArray("0,port.poe.admin-state,1,1,2\n");
    QTest::newRow("EEE on a 10/100 model")
        << 0 << QByteArray("port.eee,1,0\n") << QByteArray("0,port.eee,1,0,3\n");
    QTest::newRow("port indexes")
        << 0
        << QByteArray("port.jumbo,6,1\nport.jumbo,0,1\nport.jumbo,00,1\nport.jumbo,001,1\n"
                      "port.jumbo,,1\nport.jumbo,1,\nport.jumbo,x,1\nport.jumbo,-1,1\n")
        << QByteArray("0,port.jumbo,6,1,4\n1,port.jumbo,0,1,4\n2,port.jumbo,00,1,4\n"
                      "3,port.jumbo,001,1,4\n4,port.jumbo,,1,4\n5,port.jumbo,1,,4\n"
                      "6,port.jumbo,x,1,4\n7,port.jumbo,-1,1,4\n");
    QTest::newRow("no number before bad index")
        << 0 << QByteArray("port.mdi,9,x\n") << QByteArray("0,port.mdi,9,x,5\n");
    QTest::newRow("ranges")
        << 0
        << QByteArray("port.bc-storm.threshold,1,100\nport.bc-storm.threshold,1,0100\n"
                      "switch.aging-time,0,1048575\nswitch.aging-time,0,1048576\n"
                      "port.vlan.id,2,4096\nport.vlan.id,2,0\n")
        << QByteArray("1,port.bc-storm.threshold,1,0100,5\n3,switch.aging-time,0,1048576,5\n"
                      "5,port.vlan.id,2,0,5\n");
    QTest::newRow("numbers that are none")
        << 0
        << raw("switch.aging-time,0,99999999999999999999999999\nport.mdi,1,-1\n"
               "port.mdi,1,+1\nport.mdi,1,1x\nport.mdi,1,\0\n")
        << raw("0,switch.aging-time,0,99999999999999999999999999,5\n1,port.mdi,1,-1,5\n"
               "2,port.mdi,1,+1,5\n3,port.mdi,1,1x,5\n4,port.mdi,1,\0,5\n");
    QTest::newRow("PoE classes")
        << 17
        << QByteArray("port.poe.allowed-classes,2,31\nport.poe.allowed-classes,2,\n"
                      "port.poe.allowed-classes,2,5\nport.poe.allowed-classes,2,012345\n"
                      "port.poe.allowed-classes,2,000000\nport.poe.allowed-classes,9,0\n")
        << QByteArray("2,port.poe.allowed-classes,2,5,5\n3,port.poe.allowed-classes,2,012345,5\n"
                      "4,port.poe.allowed-classes,2,000000,5\n5,port.poe.allowed-classes,9,0,4\n");
    QTest::newRow("text keys")
        << 0
        << QByteArray("file.version,x,anything\nfile.command,1,reboot\n"
                      "file.contactname,0,Ann Smith\nfile.contactname,0,M\xfcller\n"
                      "file.contactname,0,Ann,Bob\nfile.location,0,Hall (3)/B-2\n"
                      "file.location,0,Hall 3.\n")
        << QByteArray("1,file.command,1,reboot,4\n3,file.contactname,0,M\xfcller,5\n"
                      "4,file.contactname,0,Ann,Bob,5\n6,file.location,0,Hall 3.,5\n");
    QTest::newRow("binary") << 0 << raw("\x01\xff,\x80,\x7f\x00")
                            << raw("0,\x01\xff,\x80,\x7f\x00,1\n");
}

void TestConfigFile::refusedLines()
{
    QFETCH(int, row);
    QFETCH(QByteArray, file);
    SwitchConfig config;
    const ConfigLoadResult result = loadConfigBytes(file, row, config);
    QTEST(errorLogText(result.rejected), "log");
}

void TestConfigFile::storedValues()
{
    SwitchConfig config;
    const QByteArray file = "port.autoneg,3,1\nport.speed,3,2\nport.autoneg,4,0\nport.speed,4,2\n"
                            "port.poe.allowed-classes,2,31\nport.poe.allowed-classes,3,\n"
                            "port.poe.override,2,13\nalarm.psu,2,0\ndscp.traffic-class,63,0\n"
                            "file.contactname,0,Ann Smith\nfile.location,0,Hall 3";
    QVERIFY(loadConfigBytes(file, 17, config).rejected.isEmpty());
    QCOMPARE(int(config.ports[2].speed), 3); // negotiated again
    QCOMPARE(int(config.ports[3].speed), 2);
    QCOMPARE(config.ports[1].allowedPoEClasses,
             (std::array<quint8, 8> {1, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    QCOMPARE(config.ports[2].allowedPoEClasses,
             (std::array<quint8, 8> {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    QCOMPARE(int(config.ports[1].allowedPoEOverride), 13);
    QCOMPARE(int(config.psuAlarm2), 0);
    QCOMPARE(int(config.dscpTrafficClass[63]), 0);
    QCOMPARE(readText(config.contactName), QStringLiteral("Ann Smith"));
    QCOMPARE(readText(config.location), QStringLiteral("Hall 3"));

    // A refused text is never stored, and a reload starts from the defaults.
    QCOMPARE(loadConfigBytes("file.contactname,0,Ann1\n", 17, config).rejected.size(), 1);
    QCOMPARE(readText(config.contactName), QString());
    QVERIFY(config == defaultConfiguration(17));
}

void TestConfigFile::trustModeLines()
{
    // The switch-wide line sets every port, so "untrusted" survives a reload.
    SwitchConfig config;
    loadConfigBytes("qos.trust-mode,0,0\n", 13, config);
    QCOMPARE(int(config.qosTrustMode), 0);
    QCOMPARE(int(config.ports[25].portQosTrustMode), 0);

    // Without it, the first per-port line sets all; later ones their port.
    loadConfigBytes("port.qos.trust-mode,1,0\nport.qos.trust-mode,2,2\n", 13, config);
    QCOMPARE(int(config.qosTrustMode), 0);
    QCOMPARE(int(config.ports[0].portQosTrustMode), 0);
    QCOMPARE(int(config.ports[1].portQosTrustMode), 2);
    QCOMPARE(int(config.ports[25].portQosTrustMode), 0);

    // After the switch-wide line a per-port line is that port's exception.
    loadConfigBytes("qos.trust-mode,0,0\nport.qos.trust-mode,3,2\n", 13, config);
    QCOMPARE(int(config.ports[2].portQosTrustMode), 2);
    QCOMPARE(int(config.ports[3].portQosTrustMode), 0);
}

void TestConfigFile::configIdsOfAFile()
{
    QCOMPARE(configIdsNamed("file.configID,0,24\r\nfile.configID,0,99\n# file.configID,x, 101 \n"
                            "file.configID,0\nfile.configID,0,999999999999999999999\n"),
             (QVector<int> {24, 101}));
    QVERIFY(configIdsNamed("alarm.psu,1,1\n").isEmpty());
}

void TestConfigFile::errorLogRowsKeepTheirColumns()
{
    // Extra commas go to the value; the key, index and reason stay put.
    const ErrorLogRow row = errorLogRow({12, "port.mdi,3,1,2,x", RejectReason::BadValue});
    QCOMPARE(QStringList({row.lineNumber, row.key, row.index, row.value, row.reason}),
             QStringList({"12", "port.mdi", "3", "1,2,x", "Not valid value"}));
    QCOMPARE(errorLogRow({0, "a,b,c", RejectReason::BadIndex}).reason,
             QStringLiteral("Not valid index"));
}

void TestConfigFile::hugeInput()
{
    // 20 MB without a line feed, and a line of megabytes that is refused:
    // one line each, and the log row shows only the start of it.
    SwitchConfig config;
    ConfigLoadResult result = loadConfigBytes(QByteArray(20 * 1024 * 1024, 'x'), 0, config);
    QCOMPARE(result.lineCount, 1);
    QVERIFY(result.rejected.isEmpty());

    const QByteArray longValue = "port.mdi,1," + QByteArray(4 * 1024 * 1024, '7');
    result = loadConfigBytes(longValue, 0, config);
    QCOMPARE(result.rejected.size(), 1);
    QCOMPARE(result.rejected.first().line, longValue);
    QVERIFY(errorLogRow(result.rejected.first()).value.size() < 300);

    // A device without end is refused, not read until the memory runs out.
    struct Endless : QIODevice
    {
        bool isSequential() const override { return true; }
        qint64 readData(char *data, qint64 size) override
        {
            std::fill(data, data + size, ',');
            return size;
        }
        qint64 writeData(const char *, qint64) override { return -1; }
    } endless;
    endless.open(QIODevice::ReadOnly);
    QString error;
    QVERIFY(!readConfigDevice(endless, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
