// The configuration file without a window: the writer, both reading passes
// and the error log file.
#include "core/catalogue/productcatalogue.h"
#include "core/config/globalparameters.h"
#include "core/config/poeclasses.h"
#include "core/config/portparameters.h"
#include "core/config/textfields.h"
#include "core/file/configkeytable.h"
#include "core/file/configreader.h"
#include "core/file/errorlog.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace PortColumn;

namespace {

const QDate kSaveDate(2024, 3, 7);

// Bytes of a literal, NULs included.
template<std::size_t N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, int(N - 1));
}

// Settings a user can make on catalogue row `row`, and the texts beside them.
SwitchConfig randomSettings(int row, quint32 seed, ConfigFileTexts &texts)
{
    QRandomGenerator random(seed);
    auto pick = [&](int lowest, int highest) {
        return quint8(random.bounded(lowest, highest + 1));
    };
    SwitchConfig config = defaultConfiguration(row);
    // Texts of every length up to the longest the record holds, with what
    // the switch takes but the fields do not let one type: Latin-1 letters,
    // commas, dots.
    const QString contact = QString::fromLatin1("J\xfcrgen M\xfcller, Anna-Maria Sch\xf6n & Bob.");
    const QString location = QString::fromLatin1("Halle 3 (Nord), Stra\xdf"
                                                 "e 7; Schrank 90/Rack 2.");
    texts = {contact.repeated(3).left(random.bounded(101)),
             location.repeated(3).left(random.bounded(101))};
    storeText(config.contactName, texts.contactName);
    storeText(config.location, texts.location);
    config.psuAlarm1 = pick(0, 1);
    config.psuAlarm2 = pick(0, 1);
    config.agingTime = random.bounded(quint32(globalParameter(GlobalId::AgingTime).maxValue) + 1);
    config.qosTrustMode = pick(0, 2);
    for (quint8 &trafficClass : config.dot1pTrafficClass)
        trafficClass = pick(0, 3);
    for (quint8 &trafficClass : config.dscpTrafficClass)
        trafficClass = pick(0, 3);
    // Every value a file may hold for each parameter the model has; the
    // classes are drawn below.
    for (int p = 0; p < config.portCount(); ++p) {
        PortConfig &port = config.ports[p];
        for (int column = 0; column < Count; ++column) {
            const ConfigKey *key = ConfigKeyTable::portKey(column);
            if (key->valueKind == ConfigValueKind::Number &&
                ConfigKeyTable::capabilityMismatch(*key, config) == RejectReason::None)
                setPortFieldValue(port, column, pick(int(key->minValue), int(key->maxValue)));
        }
        port.portQosTrustMode = config.qosTrustMode;
        if (port.autoNeg)
            port.speed = 3;
        if (!config.model().hasPoEPorts())
            continue;
        port.allowedPoEClasses.fill(kNoPoEClass);
        for (quint8 poeClass = 0, entry = 0; poeClass < 5; ++poeClass) {
            if (random.bounded(2))
                port.allowedPoEClasses[entry++] = poeClass;
        }
    }
    return config;
}

} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void defaultFiles_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("5 ports 10/100") << 0;
        QTest::newRow("gigabit: EEE") << 3;
        QTest::newRow("configId 100") << 16;
        QTest::newRow("PoE") << 17;
    }

    void defaultFiles()
    {
        // The exact file of a model just chosen: key-major, the keys the model
        // knows, "file.end" with the line count and without a line feed.
        QFETCH(int, row);
        QFile expected(QStringLiteral(MESTREL_TEST_DATA "/default-row%1.csv").arg(row));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        const QByteArray file =
            configFileBytes(defaultConfiguration(row), {"Ann Smith", "Hall 3"}, kSaveDate);
        QCOMPARE(file, expected.readAll());
    }

    void roundTripOnEveryModel_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < kCatalogueSize; ++row)
            QTest::addRow("row %d", row) << row;
    }

    void roundTripOnEveryModel()
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
            QCOMPARE(configIdsNamed(file), QVector<int> {saved.model().configId});
            // Saved again, byte for byte the same file.
            const ConfigFileTexts shown {readText(loaded.contactName), readText(loaded.location)};
            QCOMPARE(configFileBytes(loaded, shown, kSaveDate), file);
        }
    }

    void lineReasons_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("reason"); // 0: accepted
        const auto rows = [](int reason, std::initializer_list<QByteArray> lines,
                             int catalogueRow = 0) {
            for (const QByteArray &line : lines) // tags in UTF-8, whatever bytes the line holds
                QTest::newRow(QString::fromLatin1(line).toUtf8().constData())
                    << catalogueRow << line << reason;
        };
        const QByteArray text100(100, 'x');
        // Any text the record can hold whole is accepted; the typing patterns
        // are the fields' business.
        rows(0,
             {"port.admin-state, 1,1", "port.speed,+2,1",
              "port.mdi,1,1,7", // a number key reads the third field alone
              "port.bc-storm.threshold,1,100", "switch.aging-time,0,1048575", "port.vlan.id,2,4096",
              "file.version,x,anything", "file.contactname,0,J\xfcrgen M\xfcller",
              "file.contactname,0,Ann,Bob", "file.location,0," + text100});
        rows(1, {"Port.speed,1,1"});
        rows(2, {"port.poe.admin-state,1,1"}); // no PoE ports
        rows(3, {"port.eee,1,0"}); // no gigabit ports
        rows(4,
             {"port.jumbo,6,1", "port.jumbo,0,1", "port.jumbo,001,1", "port.jumbo,,1",
              "port.jumbo,x,1", "port.jumbo,1,", "file.command,1,reboot"});
        rows(5,
             {"port.speed,1,0",
              "port.mdi,9,x", // a value that is no number, before the index
              "port.bc-storm.threshold,1,0100", "switch.aging-time,0,1048576",
              "switch.aging-time,0,99999999999999999999999999", "port.vlan.id,2,0", "port.mdi,1,+1",
              "port.mdi,1,1x", "port.mdi,1,2", "file.location,0,x" + text100,
              "file.contactname,0,x" + text100});
        // On the PoE model; no class at all is a list too.
        rows(0, {"port.poe.allowed-classes,2,31", "port.poe.allowed-classes,2,"}, 17);
        rows(4, {"port.poe.allowed-classes,9,0"}, 17);
        rows(5, {"port.poe.allowed-classes,2,5", "port.poe.allowed-classes,2,000000"}, 17);
    }

    void lineReasons()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, line);
        SwitchConfig config;
        const ConfigLoadResult result = loadConfigBytes(line + '\n', row, config);
        QTEST(result.rejected.isEmpty() ? 0 : result.rejected.first().reason, "reason");
    }

    void errorLog()
    {
        // Every line counts from 0, skipped ones too; the log holds each refused
        // line without its terminator, byte for byte.
        SwitchConfig config;
        const ConfigLoadResult result = loadConfigBytes(
            raw("port.mdi,1,0\r\n\n# comment\nport.speed,1,7\r\nport.mdi,1,\0\n\x01\xff,\x80,\x7f"),
            0, config);
        QCOMPARE(errorLogText(result.rejected),
                 raw("3,port.speed,1,7,5\n4,port.mdi,1,\0,5\n5,\x01\xff,\x80,\x7f,1\n"));
        QCOMPARE(result.lineCount, 6);
    }

    void trustModeLines()
    {
        // The trust mode of the switch, then those of ports 1 to 4 and 26.
        const auto trust = [](const QByteArray &file) {
            SwitchConfig config;
            loadConfigBytes(file, 13, config);
            QString modes = QString::number(config.qosTrustMode) + ':';
            for (int port : {0, 1, 2, 3, 25})
                modes += QString::number(config.ports[port].portQosTrustMode);
            return modes;
        };
        // The switch-wide line sets every port, so "untrusted" survives a reload.
        QCOMPARE(trust("qos.trust-mode,0,0\n"), QStringLiteral("0:00000"));
        // Without it, the first per-port line sets all; later ones their port.
        QCOMPARE(trust("port.qos.trust-mode,1,0\nport.qos.trust-mode,2,2\n"),
                 QStringLiteral("0:02000"));
        // After the switch-wide line a per-port line is that port's exception.
        QCOMPARE(trust("qos.trust-mode,0,0\nport.qos.trust-mode,3,2\n"), QStringLiteral("0:00200"));
    }

    void hugeInput()
    {
        // 20 MB without a line feed, and a line of megabytes that is refused:
        // one line each, and the log row shows only its first 200 characters.
        SwitchConfig config;
        ConfigLoadResult result = loadConfigBytes(QByteArray(20 * 1024 * 1024, 'x'), 0, config);
        QCOMPARE(result.lineCount, 1);
        QVERIFY(result.rejected.isEmpty());

        const QByteArray longValue = "port.mdi,1," + QByteArray(4 * 1024 * 1024, '7');
        result = loadConfigBytes(longValue, 0, config);
        QCOMPARE(result.rejected.size(), 1);
        QCOMPARE(result.rejected.first().line, longValue);
        QCOMPARE(errorLogRow(result.rejected.first()).value, QString(200, '7') + QChar(0x2026));
        result = loadConfigBytes("port.mdi,1," + QByteArray(200, '7'), 0, config);
        QCOMPARE(errorLogRow(result.rejected.first()).value, QString(200, '7'));

        // A device without end is refused, not read until the memory runs out.
        QFile endless(QStringLiteral("/dev/zero"));
        QVERIFY(endless.open(QIODevice::ReadOnly));
        QString error;
        QVERIFY(!readConfigDevice(endless, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
