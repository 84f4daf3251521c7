#include "core/config/poeclasses.h"
#include "core/config/textfields.h"
#include "core/file/configdiff.h"
#include "core/file/configwriter.h"

#include <QtTest>

Q_DECLARE_METATYPE(SwitchConfig)

namespace {

// "setting|port|first|second", "; " between.
QString listed(const QVector<ConfigDifference> &differences)
{
    QStringList lines;
    for (const ConfigDifference &d : differences)
        lines << QStringLiteral("%1|%2|%3|%4").arg(d.setting).arg(d.port).arg(d.first, d.second);
    return lines.join(QLatin1String("; "));
}

} // namespace

class TestConfigDiff : public QObject
{
    Q_OBJECT

private slots:
    void differences_data()
    {
        QTest::addColumn<SwitchConfig>("first");
        QTest::addColumn<SwitchConfig>("second");
        QTest::addColumn<QString>("expected"); // "setting|port|first|second", "; " between

        const SwitchConfig fivePorts = defaultConfiguration(0);
        QTest::newRow("nothing") << fivePorts << fivePorts << "";

        // The switch-wide settings first, then port by port.
        SwitchConfig edited = fivePorts;
        storeText(edited.contactName, QStringLiteral("Ann Smith"));
        edited.psuAlarm2 = 0;
        edited.dscpTrafficClass[63] = 0;
        edited.ports[2].autoNeg = 0;
        edited.ports[2].speed = 1;
        edited.ports[4].vlanId = 7;
        QTest::newRow("texts, switch-wide, one port's speed")
            << edited << fivePorts
            << "Contact Person|0|Ann Smith|; Alarm PSU 2|0|Off|On; QoS DSCP Mapping, DSCP Value "
               "63|0|0|3; Auto Negotiation|3|Off|On; Speed|3|10Mbps|-; VLAN ID|5|7|1";

        // What a file cannot tell apart: the per-port trust mode, the order of
        // the classes.
        SwitchConfig poe = defaultConfiguration(17);
        poe.ports[1].allowedPoEClasses = classesFromText(QStringLiteral("3,1"));
        SwitchConfig sameMeaning = poe;
        sameMeaning.ports[1].allowedPoEClasses = classesFromText(QStringLiteral("1,3"));
        sameMeaning.ports[0].portQosTrustMode = 2;
        QTest::newRow("the same meaning") << poe << sameMeaning << "";

        // The PoE keys exist on one side only.
        SwitchConfig noPoE = defaultConfiguration(16);
        noPoE.ports[7].eee = 1; // no key of a 10/100 model
        QTest::newRow("PoE against no PoE") << poe << noPoE << "";
    }

    void differences()
    {
        QFETCH(SwitchConfig, first);
        QFETCH(SwitchConfig, second);
        QTEST(listed(configDifferences(first, second)), "expected");
    }

    void settingsTheFileSets_data()
    {
        QTest::addColumn<QByteArray>("replaced"); // a line of the saved file
        QTest::addColumn<QByteArray>("by");
        QTest::addColumn<QString>("expected");

        // The configuration being edited has flow control On on port 2 and
        // speed 10 on port 3; the file is its saved form, changed in one line.
        QTest::newRow("as saved") << QByteArray() << QByteArray() << "";
        QTest::newRow("a line the file changes")
            << QByteArray("port.flow-control,2,1") << QByteArray("port.flow-control,2,0")
            << "Flow Control|2|On|Off";
        QTest::newRow("a rejected line keeps a default the file never set")
            << QByteArray("port.flow-control,2,1") << QByteArray("port.flow-control,2,7") << "";
        QTest::newRow("a missing line") << QByteArray("port.speed,3,1") << QByteArray() << "";
        QTest::newRow("a text as the file has it") << QByteArray("file.location,0,Hall 3")
                                                   << QByteArray("file.location,0,Halle 3, Stra\xdf"
                                                                 "e 7")
                                                   << "Location|0|Hall 3|Halle 3, Stra\u00DFe 7";
    }

    void settingsTheFileSets()
    {
        QFETCH(QByteArray, replaced);
        QFETCH(QByteArray, by);
        SwitchConfig edited = defaultConfiguration(0);
        edited.ports[1].flowControl = 1;
        edited.ports[2].autoNeg = 0;
        edited.ports[2].speed = 1;
        storeText(edited.location, QStringLiteral("Hall 3"));
        QByteArray file = configFileBytes(edited, {QString(), QStringLiteral("Hall 3")}, {});
        if (!replaced.isEmpty()) {
            QVERIFY(file.contains(replaced + '\n'));
            file.replace(replaced + '\n', by.isEmpty() ? by : by + '\n');
        }

        SwitchConfig fromFile;
        const ConfigLoadResult loaded = loadConfigBytes(file, 0, fromFile);
        // The window against the file, and the file saved as it was against it.
        QTEST(listed(configDifferences(edited, fromFile, nullptr, &loaded.settingsRead)),
              "expected");
        SwitchConfig saved;
        const ConfigLoadResult asSaved = loadConfigBytes(
            configFileBytes(edited, {QString(), QStringLiteral("Hall 3")}, {}), 0, saved);
        QTEST(
            listed(configDifferences(saved, fromFile, &asSaved.settingsRead, &loaded.settingsRead)),
            "expected");
    }
};

QTEST_GUILESS_MAIN(TestConfigDiff)
#include "tst_configdiff.moc"
