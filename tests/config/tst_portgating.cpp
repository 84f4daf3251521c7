#include "../windowdriver.h"

namespace {

// The enabled state of the panel's editors as a string of letters, one per
// widget in this order; a letter is upper case when the widget is enabled.
const char *const kEditors[] = {
    "comboBox_adminState",
    "comboBox_alarmLink",
    "comboBox_autoNeg",
    "comboBox_speed",
    "comboBox_duplexMode",
    "comboBox_autoCrossing",
    "comboBox_mdiState",
    "comboBox_flowControl",
    "comboBox_broadcastStormProtection",
    "spinBox_broadcastStormThreshold",
    "comboBox_multicastStormProtection",
    "spinBox_multicastStormThreshold",
    "comboBox_jumboFrames",
    "comboBox_qosTrustMode",
    "comboBox_portpriority",
    "comboBox_eee",
    "comboBox_poeAdminState",
    "comboBox_poePriority",
    "lineEdit_allowedPoEClasses",
    "spinBox_allowedPoEOverride",
    "comboBox_psuAlarm1",
    "comboBox_psuAlarm2",
};
const char kLetters[] = "alnsdcmfbtuvjqpeoiwxyz";

QString gating(const WindowDriver &d)
{
    QString letters;
    for (int i = 0; i < int(std::size(kEditors)); ++i) {
        const QChar letter = QLatin1Char(kLetters[i]);
        letters += d.find<QWidget>(kEditors[i])->isEnabled() ? letter.toUpper() : letter;
    }
    return letters;
}

} // namespace

class TestPortGating : public QObject
{
    Q_OBJECT

private slots:
    void byPortKind_data();
    void byPortKind();
    void labelsFollowTheirEditors();
    void autoNegotiationChain();
    void stormThresholds();
    void trustModeGatesPortPriority();
    void poeUserLimit();
    void portWithoutPoEOnAPoEModel();
    void speedAutoItemCannotBePicked();
};

void TestPortGating::byPortKind_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("port"); // -1: nothing selected
    QTest::addColumn<QString>("expected");

    //                                                    alnsdcmfbtuvjqpeoiwxyz
    QTest::newRow("nothing selected") << 0 << -1 << "alNsdcmfbtuvjQpeoiwxYZ";
    QTest::newRow("fast copper") << 0 << 0 << "ALNsdcmFBtUvJQpeoiwxYZ";
    QTest::newRow("gigabit copper: EEE") << 3 << 2 << "ALNsdcmFBtUvJQpEoiwxYZ";
    QTest::newRow("fast fibre") << 5 << 4 << "ALnsDcmFBtUvJQpeoiwxYZ";
    QTest::newRow("gigabit fibre") << 15 << 4 << "ALnsDcmFBtUvJQpeoiwxYZ";
    QTest::newRow("fibre, no jumbo") << 8 << 7 << "ALnsDcmFBtUvjQpeoiwxYZ";
    QTest::newRow("no alarms") << 16 << 0 << "AlNsdcmFBtUvJQpeoiwxyz";
    QTest::newRow("no alarms, nothing selected") << 16 << -1 << "alNsdcmfbtuvjQpeoiwxyz";
    QTest::newRow("PoE port") << 17 << 3 << "AlNsdcmFBtUvJQpeOIWXyz";
    QTest::newRow("PoE model, port 1") << 17 << 0 << "AlNsdcmFBtUvJQpeoiwxyz";
}

void TestPortGating::byPortKind()
{
    QFETCH(int, model);
    QFETCH(int, port);
    WindowDriver d;
    d.selectModel(model);
    if (port >= 0)
        d.clickPort(port);
    QTEST(gating(d), "expected");
}

void TestPortGating::labelsFollowTheirEditors()
{
    WindowDriver d;
    d.selectModel(5);
    d.clickPort(4);
    QVERIFY(!d.find<QWidget>("label_autoNeg")->isEnabled());
    QVERIFY(d.find<QWidget>("label_duplexMode")->isEnabled());
    QVERIFY(!d.find<QWidget>("label_eee")->isEnabled());
    d.clickPort(0);
    QVERIFY(d.find<QWidget>("label_autoNeg")->isEnabled());
    QVERIFY(!d.find<QWidget>("label_speed")->isEnabled());
}

void TestPortGating::autoNegotiationChain()
{
    WindowDriver d;
    d.selectModel(3); // gigabit copper
    d.clickPort(1);
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    QCOMPARE(gating(d).mid(2, 5), QStringLiteral("NSDCm")); // crossing on: MDI off
    QVERIFY(!d.combo("comboBox_eee")->isEnabled());
    QVERIFY(d.pick("comboBox_autoCrossing", QStringLiteral("Off")));
    QCOMPARE(gating(d).mid(2, 5), QStringLiteral("NSDCM"));
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("On")));
    QCOMPARE(gating(d).mid(2, 5), QStringLiteral("Nsdcm"));
    QVERIFY(d.combo("comboBox_eee")->isEnabled());
}

void TestPortGating::stormThresholds()
{
    WindowDriver d;
    d.clickPort(0);
    QVERIFY(!d.find<QSpinBox>("spinBox_broadcastStormThreshold")->isEnabled());
    QVERIFY(d.pick("comboBox_broadcastStormProtection", 1));
    QVERIFY(d.find<QSpinBox>("spinBox_broadcastStormThreshold")->isEnabled());
    QVERIFY(d.find<QWidget>("label_broadcastStormThreshold")->isEnabled());
    QVERIFY(!d.find<QSpinBox>("spinBox_multicastStormThreshold")->isEnabled());
    QVERIFY(d.pick("comboBox_multicastStormProtection", 1));
    QVERIFY(d.find<QSpinBox>("spinBox_multicastStormThreshold")->isEnabled());
    QVERIFY(d.pick("comboBox_broadcastStormProtection", 0));
    QVERIFY(!d.find<QSpinBox>("spinBox_broadcastStormThreshold")->isEnabled());
}

void TestPortGating::trustModeGatesPortPriority()
{
    WindowDriver d;
    d.clickPort(0);
    QCOMPARE(d.combo("comboBox_qosTrustMode")->currentText(), QStringLiteral("trustDot1p"));
    QVERIFY(!d.combo("comboBox_portpriority")->isEnabled());
    QVERIFY(d.pick("comboBox_qosTrustMode", QStringLiteral("untrusted")));
    QVERIFY(d.combo("comboBox_portpriority")->isEnabled());
    QVERIFY(d.find<QWidget>("label_portpriority")->isEnabled());
    QVERIFY(d.pick("comboBox_qosTrustMode", QStringLiteral("trustIpDscp")));
    QVERIFY(!d.combo("comboBox_portpriority")->isEnabled());
    // Untrusted with nothing selected: there is no port to give a priority.
    d.clickPort(0);
    QVERIFY(d.pick("comboBox_qosTrustMode", QStringLiteral("untrusted")));
    QVERIFY(!d.combo("comboBox_portpriority")->isEnabled());
}

void TestPortGating::poeUserLimit()
{
    WindowDriver d;
    d.selectModel(17);
    d.clickPort(2);
    QSpinBox *limit = d.find<QSpinBox>("spinBox_allowedPoEOverride");
    QCOMPARE(d.find<QLineEdit>("lineEdit_allowedPoEClasses")->text(), QStringLiteral("0,1,2,3,4"));
    QVERIFY(limit->isEnabled());
    limit->setValue(7);
    QCOMPARE(int(d.port(2).allowedPoEOverride), 7);
    QCOMPARE(d.cell(2, 19), QStringLiteral("7"));

    // Fewer classes: the limit goes at the next gating and is cleared.
    QLineEdit *classes = d.find<QLineEdit>("lineEdit_allowedPoEClasses");
    classes->selectAll();
    d.type("lineEdit_allowedPoEClasses", QStringLiteral("012"));
    QCOMPARE(classes->text(), QStringLiteral("0,1,2"));
    QVERIFY(limit->isEnabled()); // the classes field does not re-gate
    d.clickPort(2); // deselect: the limit is disabled with nothing selected
    d.clickPort(2);
    QVERIFY(!limit->isEnabled());
    QCOMPARE(int(d.port(2).allowedPoEOverride), 0);
    QCOMPARE(d.cell(2, 19), QStringLiteral("-"));
    QCOMPARE(limit->text(), QStringLiteral("-"));

    // All five classes, but typed in another order: still no limit.
    classes->selectAll();
    d.type("lineEdit_allowedPoEClasses", QStringLiteral("43210"));
    QCOMPARE(classes->text(), QStringLiteral("4,3,2,1,0"));
    d.clickPort(3);
    d.clickPort(2);
    QCOMPARE(classes->text(), QStringLiteral("0,1,2,3,4")); // shown sorted again
    QVERIFY(limit->isEnabled());

    // PoE off: its parameters go, the info line stays.
    QVERIFY(d.pick("comboBox_poeAdminState", QStringLiteral("Off")));
    QVERIFY(!d.combo("comboBox_poePriority")->isEnabled());
    QVERIFY(!classes->isEnabled());
    QVERIFY(!limit->isEnabled());
    QVERIFY(d.find<QWidget>("label_allowedPoEOverride_info")->isVisible());
    QCOMPARE(int(d.port(2).poeAdminState), 0);
}

void TestPortGating::portWithoutPoEOnAPoEModel()
{
    WindowDriver d;
    d.selectModel(17);
    d.clickPort(3);
    QVERIFY(d.pick("comboBox_poePriority", QStringLiteral("Critical")));
    QCOMPARE(int(d.port(3).poePriority), 3);
    const SwitchConfig before = d.config();

    d.clickPort(0); // port 1 has no PoE
    QCOMPARE(d.combo("comboBox_poeAdminState")->currentIndex(), 0);
    QCOMPARE(d.combo("comboBox_poePriority")->currentIndex(), 0);
    QCOMPARE(d.find<QLineEdit>("lineEdit_allowedPoEClasses")->text(), QStringLiteral("-"));
    QCOMPARE(d.cell(0, 18), QStringLiteral("-"));
    // Its own classes are cleared; nothing else of any port changes.
    std::array<quint8, 8> none;
    none.fill(0xFF);
    QCOMPARE(d.port(0).allowedPoEClasses, none);
    SwitchConfig expected = before;
    expected.ports[0].allowedPoEClasses = none;
    QVERIFY(d.config() == expected);
}

void TestPortGating::speedAutoItemCannotBePicked()
{
    WindowDriver d;
    d.clickPort(0);
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    QCOMPARE(d.combo("comboBox_speed")->currentText(), QStringLiteral("100Mbps"));
    QVERIFY(!d.pick("comboBox_speed", 2));
    QCOMPARE(int(d.port(0).speed), 2);
    QVERIFY(d.pick("comboBox_speed", 0));
    QCOMPARE(int(d.port(0).speed), 1);
}

QTEST_MAIN(TestPortGating)
#include "tst_portgating.moc"
