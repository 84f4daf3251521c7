#include "catalogue/productcatalogue.h"
#include "config/switchconfig.h"

#include <QtTest>

namespace {

void selectRow(SwitchConfig &config, int index)
{
    setModelIdentity(config, catalogueRow(index));
}

// A record with every byte of it scribbled over.
SwitchConfig scribbled()
{
    SwitchConfig config;
    config.contactName.fill('c');
    config.location.fill('l');
    config.componentId.fill('i');
    config.fileRelease.fill('9');
    config.psuAlarm1 = config.psuAlarm2 = 0;
    config.agingTime = 12345;
    config.qosTrustMode = 2;
    config.trafficClassScheme = {0, 0, 0, 0};
    config.dot1pTrafficClass.fill(3);
    config.dscpTrafficClass.fill(2);
    for (PortConfig &p : config.ports) {
        p.flowControl = p.jumboFrames = p.eee = p.alarmLink = 1;
        p.adminState = p.autoNeg = p.autoCrossing = 0;
        p.speed = 1;
        p.duplexMode = 1;
        p.mdiState = 1;
        p.broadcastStormProtection = p.multicastStormProtection = 1;
        p.broadcastStormThreshold = p.multicastStormThreshold = 7;
        p.portQosTrustMode = 2;
        p.poeAdminState = 1;
        p.poePriority = 3;
        p.allowedPoEClasses.fill(2);
        p.vlanId = 99;
        p.portPriority = 6;
        p.allowedPoEOverride = 13;
    }
    return config;
}

} // namespace

class TestSwitchConfig : public QObject
{
    Q_OBJECT

private slots:
    void startsAllZero();
    void resetRefillsEveryPort_data();
    void resetRefillsEveryPort();
    void resetGlobals();
    void resetKeepsIdentityAndScheme();
    void resetLeavesPortsBeyondTheModel();
    void resetWithoutPorts();
};

void TestSwitchConfig::startsAllZero()
{
    const SwitchConfig config;
    QCOMPARE(int(config.portCount), 0);
    QCOMPARE(config.agingTime, 0u);
    QCOMPARE(int(config.ports[31].allowedPoEClasses[7]), 0);
}

void TestSwitchConfig::resetRefillsEveryPort_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("poeStates"); // poeAdminState of ports 1..portCount

    QTest::newRow("fast copper, no PoE") << 0 << "00000";
    QTest::newRow("26 ports, no PoE") << 13 << QString(26, QLatin1Char('0'));
    QTest::newRow("8 ports, no alarms") << 16 << "00000000";
    QTest::newRow("PoE model: port 1 off") << 17 << "01111111";
}

void TestSwitchConfig::resetRefillsEveryPort()
{
    QFETCH(int, row);
    QFETCH(QString, poeStates);
    SwitchConfig config = scribbled();
    selectRow(config, row);
    resetToDefaults(config);

    const std::array<quint8, 8> allClasses = {0, 1, 2, 3, 4, 0xFF, 0xFF, 0xFF};
    const std::array<quint8, 8> noClasses = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    QString states;
    for (int i = 0; i < config.portCount; ++i) {
        const PortConfig &p = config.ports[i];
        QCOMPARE(int(p.flowControl), 0);
        QCOMPARE(int(p.adminState), 1);
        QCOMPARE(int(p.jumboFrames), 0);
        QCOMPARE(int(p.broadcastStormProtection), 0);
        QCOMPARE(int(p.broadcastStormThreshold), 100);
        QCOMPARE(int(p.multicastStormProtection), 0);
        QCOMPARE(int(p.multicastStormThreshold), 100);
        QCOMPARE(int(p.portQosTrustMode), 1);
        QCOMPARE(int(p.alarmLink), 0);
        QCOMPARE(int(p.autoNeg), 1);
        QCOMPARE(int(p.speed), 3);
        QCOMPARE(int(p.duplexMode), 2);
        QCOMPARE(int(p.autoCrossing), 1);
        QCOMPARE(int(p.mdiState), 0);
        QCOMPARE(int(p.eee), 0);
        QCOMPARE(int(p.poePriority), 1);
        // Port 1 of the PoE model has no PoE and so no class.
        QCOMPARE(p.allowedPoEClasses,
                 poeStates.at(i) == QLatin1Char('0') && config.hasPoE() ? noClasses : allClasses);
        QCOMPARE(int(p.vlanId), 1);
        QCOMPARE(int(p.portPriority), 0);
        QCOMPARE(int(p.allowedPoEOverride), 0);
        states += QString::number(p.poeAdminState);
    }
    QCOMPARE(states, poeStates);
}

void TestSwitchConfig::resetGlobals()
{
    SwitchConfig config = scribbled();
    selectRow(config, 0);
    resetToDefaults(config);

    QCOMPARE(config.contactName, (std::array<char, 100> {}));
    QCOMPARE(config.location, (std::array<char, 100> {}));
    QCOMPARE(config.componentId, (std::array<char, 9> {}));
    QCOMPARE(config.fileRelease, (std::array<char, 8> {}));
    QCOMPARE(int(config.psuAlarm1), 1);
    QCOMPARE(int(config.psuAlarm2), 1);
    QCOMPARE(config.agingTime, 300u);
    QCOMPARE(int(config.qosTrustMode), 1);
    const std::array<quint8, 8> dot1p = {1, 0, 0, 1, 2, 2, 3, 3};
    QCOMPARE(config.dot1pTrafficClass, dot1p);

    const std::pair<int, int> dscp[] = {{0, 1},  {7, 1},  {8, 0},  {23, 0}, {24, 1},
                                        {31, 1}, {32, 2}, {47, 2}, {48, 3}, {63, 3}};
    for (const auto &[value, trafficClass] : dscp)
        QCOMPARE(int(config.dscpTrafficClass[value]), trafficClass);
}

void TestSwitchConfig::resetKeepsIdentityAndScheme()
{
    SwitchConfig config = scribbled();
    selectRow(config, 17);
    config.trafficClassScheme = {0, 0, 0, 0};
    config.trafficClassScheme[2] = 5; // whatever a file left there stays
    resetToDefaults(config);
    QCOMPARE(int(config.trafficClassScheme[2]), 5);
    QCOMPARE(int(config.configId), 101);
    QCOMPARE(int(config.portKindMask), 0x0E);
    QCOMPARE(int(config.portCount), 8);
}

void TestSwitchConfig::resetLeavesPortsBeyondTheModel()
{
    // From 26 ports to 5: ports 6..32 keep what they held but are not used.
    SwitchConfig config = scribbled();
    selectRow(config, 13);
    resetToDefaults(config);
    config.ports[10].flowControl = 1;
    selectRow(config, 0);
    resetToDefaults(config);
    QCOMPARE(int(config.ports[4].speed), 3);
    QCOMPARE(int(config.ports[10].flowControl), 1);
    QCOMPARE(int(config.ports[26].speed), 1);
}

void TestSwitchConfig::resetWithoutPorts()
{
    // No model yet: the globals are reset, the ports and the trust mode not.
    SwitchConfig config = scribbled();
    resetToDefaults(config);
    QCOMPARE(config.agingTime, 300u);
    QCOMPARE(int(config.qosTrustMode), 2);
    QCOMPARE(int(config.ports[0].speed), 1);
}

QTEST_GUILESS_MAIN(TestSwitchConfig)
#include "tst_switchconfig.moc"
