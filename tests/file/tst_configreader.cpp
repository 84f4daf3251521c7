#include "catalogue/productcatalogue.h"
#include "config/textfields.h"
#include "configfiles.h"
#include "file/configkeytable.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// Bytes of a literal, NULs included.
template<std::size_t N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, int(N - 1));
}

QString randomText(QRandomGenerator &random, const char *alphabet)
{
    const int length = random.bounded(41);
    const int choices = int(qstrlen(alphabet));
    QString text;
    for (int i = 0; i < length; ++i)
        text += QLatin1Char(alphabet[random.bounded(choices)]);
    return text;
}

// Settings a user can make on catalogue row `row`, and the texts beside them.
SwitchConfig randomSettings(int row, quint32 seed, ConfigFileTexts &texts)
{
    QRandomGenerator random(seed);
    auto pick = [&](int lowest, int highest) {
        return quint8(random.bounded(lowest, highest + 1));
    };
    SwitchConfig config = modelConfig(row);

    texts.contactName = randomText(random, "ABCxyz ");
    texts.location = randomText(random, "09Az ()/-");
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

    const bool gigabit = config.portSpeedMask & 0x2;
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
        port.eee = gigabit ? pick(0, 1) : 0;
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

} // namespace

class TestConfigReader : public QObject
{
    Q_OBJECT

private slots:
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

void TestConfigReader::roundTripOnEveryModel_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < kCatalogueSize; ++row)
        QTest::addRow("row %d", row) << row;
}

void TestConfigReader::roundTripOnEveryModel()
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
        QCOMPARE(result.lineCount, fileLines(file).size());
        QCOMPARE(configIdsNamed(file), QVector<int> {saved.configId});
    }
}

void TestConfigReader::refusedLines_data()
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
    QTest::newRow("thresholds")
        << 0
        << QByteArray("port.bc-storm.threshold,1,100\nport.bc-storm.threshold,1,300\n"
                      "port.bc-storm.threshold,1,1000\n")
        << QByteArray("1,port.bc-storm.threshold,1,300,5\n2,port.bc-storm.threshold,1,1000,5\n");
    QTest::newRow("aging time") << 0
                                << QByteArray(
                                       "switch.aging-time,0,1048575\nswitch.aging-time,0,1048576\n")
                                << QByteArray("1,switch.aging-time,0,1048576,5\n");
    QTest::newRow("VLAN") << 0
                          << QByteArray(
                                 "port.vlan.id,2,4096\nport.vlan.id,2,0\nport.vlan.id,2,4097\n")
                          << QByteArray("1,port.vlan.id,2,0,5\n2,port.vlan.id,2,4097,5\n");
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

void TestConfigReader::refusedLines()
{
    QFETCH(int, row);
    QFETCH(QByteArray, file);
    SwitchConfig config;
    const ConfigLoadResult result = loadConfigBytes(file, row, config);
    QTEST(errorLogText(result.rejected), "log");
}

void TestConfigReader::storedValues()
{
    SwitchConfig config;
    const QByteArray file = "port.autoneg,3,1\nport.speed,3,2\nport.autoneg,4,0\nport.speed,4,2\n"
                            "port.poe.allowed-classes,2,31\nport.poe.allowed-classes,3,\n"
                            "port.poe.override,2,13\nalarm.psu,2,0\ndscp.traffic-class,63,0\n"
                            "file.contactname,0,Ann Smith\nfile.location,0,Hall 3";
    QVERIFY(loadConfigBytes(file, 17, config).rejected.isEmpty());
    QCOMPARE(int(config.ports[2].speed), 3);
    QCOMPARE(int(config.ports[3].speed), 2);
    const std::array<quint8, 8> oneAndThree = {1, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    QVERIFY(config.ports[1].allowedPoEClasses == oneAndThree);
    QVERIFY(std::all_of(config.ports[2].allowedPoEClasses.begin(),
                        config.ports[2].allowedPoEClasses.end(),
                        [](quint8 poeClass) { return poeClass == kNoPoEClass; }));
    QCOMPARE(int(config.ports[1].allowedPoEOverride), 13);
    QCOMPARE(int(config.psuAlarm1), 1);
    QCOMPARE(int(config.psuAlarm2), 0);
    QCOMPARE(int(config.dscpTrafficClass[63]), 0);
    QCOMPARE(readText(config.contactName), QStringLiteral("Ann Smith"));
    QCOMPARE(readText(config.location), QStringLiteral("Hall 3"));

    // A refused text is never stored, and a reload starts from the defaults.
    QCOMPARE(loadConfigBytes("file.contactname,0,Ann1\n", 17, config).rejected.size(), 1);
    QCOMPARE(readText(config.contactName), QString());
    QCOMPARE(int(config.ports[2].speed), 3);
    QCOMPARE(int(config.ports[1].allowedPoEClasses[2]), 2);
}

void TestConfigReader::trustModeLines()
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
    QCOMPARE(int(config.qosTrustMode), 0);
    QCOMPARE(int(config.ports[2].portQosTrustMode), 2);
    QCOMPARE(int(config.ports[3].portQosTrustMode), 0);
}

void TestConfigReader::configIdsOfAFile()
{
    QCOMPARE(configIdsNamed("file.configID,0,24\r\nfile.configID,0,99\n# file.configID,x, 101 \n"
                            "file.configID,0\nfile.configID,0,999999999999999999999\n"),
             (QVector<int> {24, 101}));
    QVERIFY(configIdsNamed("alarm.psu,1,1\n").isEmpty());
    QVERIFY(configIdsNamed(QByteArray()).isEmpty());
}

void TestConfigReader::errorLogRowsKeepTheirColumns()
{
    // Extra commas go to the value; the key, index and reason stay put.
    const ErrorLogRow row = errorLogRow({12, "port.mdi,3,1,2,x", RejectReason::BadValue});
    QCOMPARE(row.lineNumber, QStringLiteral("12"));
    QCOMPARE(row.key, QStringLiteral("port.mdi"));
    QCOMPARE(row.index, QStringLiteral("3"));
    QCOMPARE(row.value, QStringLiteral("1,2,x"));
    QCOMPARE(row.reason, QStringLiteral("Not valid value"));
    QCOMPARE(errorLogRow({0, "a,b,c", 9}).reason, QStringLiteral("Unknown error"));
}

void TestConfigReader::hugeInput()
{
    // 20 MB without a line feed, and a line of megabytes that is refused:
    // one line each, and the log row shows only the start of it.
    SwitchConfig config;
    const QByteArray noFeed(20 * 1024 * 1024, 'x');
    ConfigLoadResult result = loadConfigBytes(noFeed, 0, config);
    QCOMPARE(result.lineCount, 1);
    QVERIFY(result.rejected.isEmpty());

    const QByteArray longValue = "port.mdi,1," + QByteArray(4 * 1024 * 1024, '7');
    result = loadConfigBytes(longValue, 0, config);
    QCOMPARE(result.rejected.size(), 1);
    QCOMPARE(result.rejected.first().line.size(), longValue.size());
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

QTEST_GUILESS_MAIN(TestConfigReader)
#include "tst_configreader.moc"
