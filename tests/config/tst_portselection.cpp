#include "../windowdriver.h"

class TestPortSelection : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data();
    void transitions();
    void ctrlClickCompletingTheTwistedPairPorts();
    void selectAllRanges_data();
    void selectAllRanges();
    void selectAllLeavesTheRecord();
    void selectAllThenEdit();
    void tableClickSelectsTheRow();
};

void TestPortSelection::transitions_data()
{
    // Steps: "c3" click port 3, "k3" Ctrl-click port 3, "A" Select All,
    // "D" Deselect All (1-based ports on the model with four copper ports
    // and a fibre port).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<bool>("deselectAll");
    QTest::addColumn<bool>("portWidgetsEnabled");

    QTest::newRow("click") << "c3"
                           << "..x.." << false << false << true;
    QTest::newRow("click twice") << "c3 c3"
                                 << "....." << false << true << false;
    QTest::newRow("click another") << "c3 c2"
                                   << ".x..." << false << false << true;
    QTest::newRow("ctrl adds") << "c1 k3"
                               << "x.x.." << false << false << true;
    QTest::newRow("ctrl removes") << "c1 k3 k1"
                                  << "..x.." << false << false << true;
    QTest::newRow("ctrl the only port") << "c3 k3"
                                        << "....." << false << true << false;
    QTest::newRow("ctrl fibre refused") << "c1 k5"
                                        << "x...." << false << false << true;
    QTest::newRow("ctrl copper onto fibre refused") << "c5 k2"
                                                    << "....x" << false << false << true;
    QTest::newRow("ctrl from nothing") << "k2"
                                       << ".x..." << false << false << true;
    QTest::newRow("select all") << "A"
                                << "xxxx." << true << false << true;
    QTest::newRow("select all, click narrows") << "A c2"
                                               << ".x..." << false << false << true;
    QTest::newRow("select all, ctrl removes") << "A k2"
                                              << "x.xx." << false << false << true;
    QTest::newRow("deselect all") << "c1 k2 D"
                                  << "....." << false << true << false;
    QTest::newRow("ctrl-shift is a click") << "c1 s3"
                                           << "..x.." << false << false << true;
}

void TestPortSelection::transitions()
{
    QFETCH(QString, steps);
    WindowDriver d;
    d.selectModel(5);
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        const int port = step.mid(1).toInt() - 1;
        switch (step.at(0).toLatin1()) {
        case 'c':
            d.clickPort(port);
            break;
        case 'k':
            d.ctrlClickPort(port);
            break;
        case 's':
            d.clickPort(port, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        case 'A':
            d.clickRadio("radioButton_selectAll");
            break;
        case 'D':
            d.clickRadio("radioButton_deselectAll");
            break;
        }
    }
    QTEST(d.selection(), "selection");
    QTEST(d.radioChecked("radioButton_selectAll"), "selectAll");
    QTEST(d.radioChecked("radioButton_deselectAll"), "deselectAll");
    QTEST(d.combo("comboBox_adminState")->isEnabled(), "portWidgetsEnabled");
}

void TestPortSelection::ctrlClickCompletingTheTwistedPairPorts()
{
    WindowDriver d;
    d.selectModel(5);
    for (int p = 0; p < 3; ++p) {
        d.ctrlClickPort(p);
        QVERIFY(!d.radioChecked("radioButton_selectAll"));
    }
    d.ctrlClickPort(3);
    QCOMPARE(d.selection(), QStringLiteral("xxxx."));
    QVERIFY(d.radioChecked("radioButton_selectAll"));
    QVERIFY(!d.radioChecked("radioButton_deselectAll"));
    // Now in select-all mode: a change reaches every copper port.
    QVERIFY(d.pick("comboBox_alarmLink", QStringLiteral("On")));
    for (int p = 0; p < 4; ++p)
        QCOMPARE(int(d.port(p).alarmLink), 1);
    QCOMPARE(int(d.port(4).alarmLink), 0);
}

void TestPortSelection::selectAllRanges_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("selection");
    QTest::newRow("five copper") << 0 << "xxxxx";
    QTest::newRow("six copper, three fibre") << 8 << "xxxxxx...";
    QTest::newRow("26 ports") << 13 << QString(24, QLatin1Char('x')) + QStringLiteral("..");
    QTest::newRow("PoE model skips port 1") << 17 << ".xxxxxxx";
}

void TestPortSelection::selectAllRanges()
{
    QFETCH(int, model);
    WindowDriver d;
    d.selectModel(model);
    d.clickRadio("radioButton_selectAll");
    QTEST(d.selection(), "selection");
    QVERIFY(d.radioChecked("radioButton_selectAll"));
    QVERIFY(!d.radioChecked("radioButton_deselectAll"));
}

void TestPortSelection::selectAllLeavesTheRecord()
{
    WindowDriver d;
    d.selectModel(13);
    // Ports with values of their own, so showing them one after another
    // would spread values if anything wrote while Select All runs.
    d.clickPort(4);
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    QVERIFY(d.pick("comboBox_speed", QStringLiteral("10Mbps")));
    d.clickPort(9);
    QVERIFY(d.pick("comboBox_broadcastStormProtection", QStringLiteral("On")));
    d.clickPort(25);
    QVERIFY(d.pick("comboBox_adminState", QStringLiteral("Off")));
    d.clickPort(25);
    const SwitchConfig before = d.config();

    d.clickRadio("radioButton_selectAll");
    QVERIFY(d.config() == before);
    // The panel shows the last copper port; the table shows the record.
    QCOMPARE(d.combo("comboBox_autoNeg")->currentText(), QStringLiteral("On"));
    QCOMPARE(d.cell(4, 3), QStringLiteral("10Mbps"));
    QCOMPARE(d.cell(9, 8), QStringLiteral("On"));
    QCOMPARE(d.cell(25, 0), QStringLiteral("Off"));
}

void TestPortSelection::selectAllThenEdit()
{
    WindowDriver d;
    d.selectModel(13);
    d.clickRadio("radioButton_selectAll");
    QVERIFY(d.pick("comboBox_flowControl", QStringLiteral("On")));
    for (int p = 0; p < 24; ++p)
        QCOMPARE(int(d.port(p).flowControl), 1);
    QCOMPARE(int(d.port(24).flowControl), 0);
    QCOMPARE(d.cell(23, 7), QStringLiteral("On"));
    QCOMPARE(d.cell(25, 7), QStringLiteral("Off"));
}

void TestPortSelection::tableClickSelectsTheRow()
{
    WindowDriver d;
    d.selectModel(5);
    d.clickPort(0);
    d.ctrlClickPort(1);
    d.clickCell(4, 3);
    QCOMPARE(d.selection(), QStringLiteral("....x"));
    QVERIFY(!d.radioChecked("radioButton_selectAll"));
    QVERIFY(!d.radioChecked("radioButton_deselectAll"));
    QVERIFY(!d.combo("comboBox_autoNeg")->isEnabled()); // a fibre port
    d.clickCell(2, 3);
    QCOMPARE(d.selection(), QStringLiteral("..x.."));
    QVERIFY(d.combo("comboBox_autoNeg")->isEnabled());
}

QTEST_MAIN(TestPortSelection)
#include "tst_portselection.moc"
