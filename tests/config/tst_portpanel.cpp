#include "../windowdriver.h"

namespace {

std::array<quint8, 8> classes(std::initializer_list<int> list)
{
    std::array<quint8, 8> result;
    result.fill(0xFF);
    int i = 0;
    for (int c : list)
        result[i++] = quint8(c);
    return result;
}

} // namespace

class TestPortPanel : public QObject
{
    Q_OBJECT

private slots:
    void valuesReachEverySelectedPort();
    void autoNegotiationOnForcesAutoSpeed();
    void autoNegotiationOff_data();
    void autoNegotiationOff();
    void autoNegotiationOffKeepsEachPortsSpeed();
    void autoNegotiationOffInSelectAllMode();
    void trustModeWritesEveryPort();
    void poeClassesTyping();
    void poeClassesClearedOrPasted();
    void poeStateInSelectAllModeSkipsPortOne();
    void showingPortsChangesNothing();
    void disabledWidgetsWriteNothing();
};

void TestPortPanel::valuesReachEverySelectedPort()
{
    WindowDriver d;
    d.clickPort(1);
    d.ctrlClickPort(3);
    QVERIFY(d.pick("comboBox_jumboFrames", QStringLiteral("On")));
    QVERIFY(d.pick("comboBox_broadcastStormProtection", QStringLiteral("On")));
    d.find<QSpinBox>("spinBox_broadcastStormThreshold")->setValue(42);
    for (int p = 0; p < 5; ++p) {
        const bool selected = p == 1 || p == 3;
        QCOMPARE(int(d.port(p).jumboFrames), selected ? 1 : 0);
        QCOMPARE(int(d.port(p).broadcastStormThreshold), selected ? 42 : 100);
        QCOMPARE(d.cell(p, 12), selected ? QStringLiteral("On") : QStringLiteral("Off"));
        QCOMPARE(d.cells()->index(p, 9).data().toInt(), selected ? 42 : 100);
    }
}

void TestPortPanel::autoNegotiationOnForcesAutoSpeed()
{
    WindowDriver d;
    d.clickPort(0);
    d.ctrlClickPort(2);
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    QVERIFY(d.pick("comboBox_speed", QStringLiteral("10Mbps")));
    QCOMPARE(int(d.port(0).speed), 1);
    QCOMPARE(int(d.port(2).speed), 1);

    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("On")));
    for (int p : {0, 2}) {
        QCOMPARE(int(d.port(p).autoNeg), 1);
        QCOMPARE(int(d.port(p).speed), 3);
        QCOMPARE(d.cell(p, 3), QStringLiteral("-"));
    }
    QCOMPARE(int(d.port(1).speed), 3);
    QCOMPARE(d.combo("comboBox_speed")->currentText(), QStringLiteral("-"));
    for (const char *name :
         {"comboBox_speed", "comboBox_duplexMode", "comboBox_autoCrossing", "comboBox_mdiState"})
        QVERIFY2(!d.combo(name)->isEnabled(), name);
}

void TestPortPanel::autoNegotiationOff_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("10 Mbit/s stays") << 1 << 1 << "10Mbps";
    QTest::newRow("100 Mbit/s stays") << 2 << 2 << "100Mbps";
    QTest::newRow("auto becomes 100") << 3 << 2 << "100Mbps";
}

void TestPortPanel::autoNegotiationOff()
{
    // As a loaded file can leave it: auto negotiation on, a fixed speed.
    QFETCH(int, speed);
    WindowDriver d;
    d.config().ports[3].speed = quint8(speed);
    d.clickPort(3);
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    QTEST(int(d.port(3).speed), "expected");
    QTEST(d.combo("comboBox_speed")->currentText(), "shown");
    QTEST(d.cell(3, 3), "shown");
    QVERIFY(d.combo("comboBox_speed")->isEnabled());
}

void TestPortPanel::autoNegotiationOffKeepsEachPortsSpeed()
{
    WindowDriver d;
    d.config().ports[0].speed = 1;
    d.clickPort(0);
    d.ctrlClickPort(1);
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    QCOMPARE(int(d.port(0).speed), 1);
    QCOMPARE(int(d.port(1).speed), 2);
    QCOMPARE(d.cell(0, 3), QStringLiteral("10Mbps"));
    QCOMPARE(d.cell(1, 3), QStringLiteral("100Mbps"));
}

void TestPortPanel::autoNegotiationOffInSelectAllMode()
{
    WindowDriver d;
    d.selectModel(5); // four copper ports and a fibre port
    d.config().ports[1].speed = 1;
    d.clickRadio("radioButton_selectAll");
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    for (int p = 0; p < 4; ++p) {
        QCOMPARE(int(d.port(p).autoNeg), 0);
        QCOMPARE(int(d.port(p).speed), 2);
    }
    QCOMPARE(int(d.port(4).autoNeg), 1);
    QCOMPARE(int(d.port(4).speed), 3);
}

void TestPortPanel::trustModeWritesEveryPort()
{
    WindowDriver d;
    d.selectModel(8); // six copper ports, three fibre ports
    QCOMPARE(d.selection(), QStringLiteral("........."));
    QVERIFY(d.pick("comboBox_qosTrustMode", QStringLiteral("trustIpDscp")));
    for (int p = 0; p < 9; ++p) {
        QCOMPARE(int(d.port(p).portQosTrustMode), 2);
        QCOMPARE(d.cell(p, 13), QStringLiteral("trustIpDscp"));
    }
    QCOMPARE(int(d.config().qosTrustMode), 2);
    QVERIFY(d.pick("comboBox_qosTrustMode", QStringLiteral("untrusted")));
    QCOMPARE(int(d.port(8).portQosTrustMode), 0);
    QCOMPARE(int(d.config().qosTrustMode), 0);
}

void TestPortPanel::poeClassesTyping()
{
    WindowDriver d;
    d.selectModel(17);
    d.clickPort(4);
    QLineEdit *field = d.find<QLineEdit>("lineEdit_allowedPoEClasses");
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QCOMPARE(d.port(4).allowedPoEClasses, classes({0, 1, 2, 3, 4}));

    QStringList seen;
    for (const char *key : {"0", "0", "1"}) {
        d.type("lineEdit_allowedPoEClasses", QLatin1String(key));
        seen << field->text();
    }
    QCOMPARE(seen, (QStringList {"0", "0", "0,1"}));
    QCOMPARE(d.port(4).allowedPoEClasses, classes({0, 1}));
    QCOMPARE(d.cell(4, 18), QStringLiteral("0,1"));

    // Letters and other digits cannot be typed; a comma after a digit is dropped.
    d.type("lineEdit_allowedPoEClasses", QStringLiteral("x9,"));
    QCOMPARE(field->text(), QStringLiteral("0,1"));

    // Deleting step by step stores each shorter list.
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QStringLiteral("0"));
    QCOMPARE(d.port(4).allowedPoEClasses, classes({0}));
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QString());
    QCOMPARE(d.port(4).allowedPoEClasses, classes({0})); // an empty field stores nothing
    QCOMPARE(d.port(5).allowedPoEClasses, classes({0, 1, 2, 3, 4}));
}

void TestPortPanel::poeClassesClearedOrPasted()
{
    WindowDriver d;
    d.selectModel(17);
    d.clickPort(2);
    QLineEdit *field = d.find<QLineEdit>("lineEdit_allowedPoEClasses");
    field->selectAll();
    d.type("lineEdit_allowedPoEClasses", QStringLiteral("42"));
    QCOMPARE(field->text(), QStringLiteral("4,2"));

    // A paste of digits without commas brings the last accepted list back.
    field->selectAll();
    field->insert(QStringLiteral("123"));
    QCOMPARE(field->text(), QStringLiteral("4,2"));
    QCOMPARE(d.port(2).allowedPoEClasses, classes({4, 2}));

    // Clearing in one go keeps the stored classes.
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QString());
    QCOMPARE(d.port(2).allowedPoEClasses, classes({4, 2}));
    QCOMPARE(d.cell(2, 18), QStringLiteral("4,2"));
}

void TestPortPanel::poeStateInSelectAllModeSkipsPortOne()
{
    WindowDriver d;
    d.selectModel(17);
    d.clickRadio("radioButton_selectAll");
    QCOMPARE(d.selection(), QStringLiteral(".xxxxxxx"));
    QVERIFY(d.pick("comboBox_poeAdminState", QStringLiteral("Off")));
    QCOMPARE(int(d.port(0).poeAdminState), 0);
    for (int p = 1; p < 8; ++p)
        QCOMPARE(int(d.port(p).poeAdminState), 0);
    QVERIFY(d.pick("comboBox_poeAdminState", QStringLiteral("On")));
    QCOMPARE(int(d.port(0).poeAdminState), 0);
    QCOMPARE(int(d.port(7).poeAdminState), 1);
    // Standard parameters reach port 1 as well.
    QVERIFY(d.pick("comboBox_flowControl", QStringLiteral("On")));
    QCOMPARE(int(d.port(0).flowControl), 1);
}

void TestPortPanel::showingPortsChangesNothing()
{
    WindowDriver d;
    d.selectModel(17);
    // Give the PoE ports different values, each in its own way.
    d.clickPort(2);
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    QVERIFY(d.pick("comboBox_speed", QStringLiteral("10Mbps")));
    QVERIFY(d.pick("comboBox_duplexMode", QStringLiteral("HDX")));
    QVERIFY(d.pick("comboBox_multicastStormProtection", QStringLiteral("On")));
    d.find<QSpinBox>("spinBox_multicastStormThreshold")->setValue(12);
    d.clickPort(3);
    QVERIFY(d.pick("comboBox_poeAdminState", QStringLiteral("Off")));
    d.clickPort(5);
    QVERIFY(d.pick("comboBox_poePriority", QStringLiteral("High")));
    d.find<QSpinBox>("spinBox_allowedPoEOverride")->setValue(9);
    d.clickPort(6);
    QVERIFY(d.pick("comboBox_qosTrustMode", QStringLiteral("untrusted")));
    QVERIFY(d.pick("comboBox_portpriority", QStringLiteral("5")));

    const SwitchConfig before = d.config();
    for (int p : {2, 3, 5, 6, 4, 2}) {
        d.clickPort(p);
        QVERIFY2(d.config() == before, qPrintable(QStringLiteral("port %1").arg(p + 1)));
    }
    d.clickCell(3, 0);
    d.clickCell(5, 4);
    QVERIFY(d.config() == before);
    d.clickRadio("radioButton_selectAll");
    QVERIFY(d.config() == before);
    d.clickPort(2);
    QVERIFY(d.config() == before);

    // The panel shows the clicked port's values.
    QCOMPARE(d.combo("comboBox_speed")->currentText(), QStringLiteral("10Mbps"));
    QCOMPARE(d.combo("comboBox_duplexMode")->currentText(), QStringLiteral("HDX"));
    QCOMPARE(d.find<QSpinBox>("spinBox_multicastStormThreshold")->value(), 12);
    d.clickPort(5);
    QCOMPARE(d.combo("comboBox_poePriority")->currentText(), QStringLiteral("High"));
    QCOMPARE(d.find<QSpinBox>("spinBox_allowedPoEOverride")->value(), 9);
    QCOMPARE(d.cell(5, 19), QStringLiteral("9"));
    QCOMPARE(d.cell(4, 19), QStringLiteral("-"));
}

void TestPortPanel::disabledWidgetsWriteNothing()
{
    WindowDriver d;
    const SwitchConfig before = d.config();
    // Nothing selected: the program may set the disabled widgets freely.
    d.combo("comboBox_adminState")->setCurrentIndex(0);
    d.combo("comboBox_flowControl")->setCurrentIndex(1);
    d.find<QSpinBox>("spinBox_broadcastStormThreshold")->setValue(3);
    QVERIFY(d.config() == before);
    // A fibre port cannot get auto negotiation or PoE.
    d.selectModel(5);
    d.clickPort(4);
    d.combo("comboBox_autoNeg")->setCurrentIndex(0);
    d.combo("comboBox_eee")->setCurrentIndex(1);
    QCOMPARE(int(d.port(4).autoNeg), 1);
    QCOMPARE(int(d.port(4).eee), 0);
}

QTEST_MAIN(TestPortPanel)
#include "tst_portpanel.moc"
