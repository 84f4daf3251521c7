#include "config/textfields.h"
#include "file/configdiff.h"

#include <QtTest>

Q_DECLARE_METATYPE(SwitchConfig)

namespace {

// A difference as one line: "setting|port|first|second".
QStringList listed(const QVector<ConfigDifference> &differences)
{
    QStringList lines;
    for (const ConfigDifference &d : differences)
        lines << QStringLiteral("%1|%2|%3|%4").arg(d.setting).arg(d.port).arg(d.first, d.second);
    return lines;
}

} // namespace

class TestConfigDiff : public QObject
{
    Q_OBJECT

private slots:
    void differences_data();
    void differences();
};

void TestConfigDiff::differences_data()
{
    QTest::addColumn<SwitchConfig>("first");
    QTest::addColumn<SwitchConfig>("second");
    QTest::addColumn<QStringList>("expected");

    const SwitchConfig fivePorts = defaultConfiguration(0);
    QTest::newRow("nothing") << fivePorts << fivePorts << QStringList();

    SwitchConfig speed = fivePorts;
    speed.ports[2].autoNeg = 0;
    speed.ports[2].speed = 1;
    QTest::newRow("one port's speed")
        << fivePorts << speed << QStringList {"Auto Negotiation|3|On|Off", "Speed|3|-|10Mbps"};

    SwitchConfig dscp = fivePorts;
    dscp.dscpTrafficClass[46] = 0;
    QTest::newRow("DSCP mapping") << fivePorts << dscp
                                  << QStringList {"QoS DSCP Mapping, DSCP Value 46|0|2|0"};

    SwitchConfig contact = fivePorts;
    storeText(contact.contactName, QStringLiteral("Ann Smith"));
    QTest::newRow("contact text") << contact << fivePorts
                                  << QStringList {"Contact Person|0|Ann Smith|"};

    // What a file cannot tell apart is no difference.
    SwitchConfig sameMeaning = fivePorts;
    sameMeaning.ports[0].portQosTrustMode = 2;
    SwitchConfig poe = defaultConfiguration(17);
    poe.ports[1].allowedPoEClasses = {3,           1,           kNoPoEClass, kNoPoEClass,
                                      kNoPoEClass, kNoPoEClass, kNoPoEClass, kNoPoEClass};
    SwitchConfig poeSorted = poe;
    poeSorted.ports[1].allowedPoEClasses[0] = 1;
    poeSorted.ports[1].allowedPoEClasses[1] = 3;
    QTest::newRow("per-port trust mode") << fivePorts << sameMeaning << QStringList();
    QTest::newRow("classes in another order") << poe << poeSorted << QStringList();

    // Ports 6 to 26 and the PoE keys exist on one side only.
    SwitchConfig twentySix = defaultConfiguration(13);
    twentySix.ports[1].jumboFrames = 1;
    twentySix.ports[20].jumboFrames = 1;
    QTest::newRow("5 against 26 ports")
        << fivePorts << twentySix << QStringList {"Jumbo Frames|2|Off|On"};
    SwitchConfig noPoE = defaultConfiguration(16);
    noPoE.ports[7].eee = 1; // no key of a 10/100 model
    QTest::newRow("PoE against no PoE") << poe << noPoE << QStringList();
}

void TestConfigDiff::differences()
{
    QFETCH(SwitchConfig, first);
    QFETCH(SwitchConfig, second);
    QTEST(listed(configDifferences(first, second)), "expected");
}

QTEST_GUILESS_MAIN(TestConfigDiff)
#include "tst_configdiff.moc"
