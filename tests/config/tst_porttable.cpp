#include "../windowdriver.h"

#include "config/portcolumns.h"

class TestPortTable : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void cellsOfAModel_data();
    void cellsOfAModel();
    void comboEditorOpensOnTheCellsValue();
    void refusedEditChangesNothing();
    void autoNegotiationFromTheTable();
    void classesFromTheTable();
    void thresholdFromTheTable();
    void trustModeCannotBeEdited();
};

void TestPortTable::layout()
{
    WindowDriver d;
    QCOMPARE(d.cells()->rowCount(), 5);
    QCOMPARE(d.cells()->columnCount(), 20);
    QStringList rows;
    for (int r = 0; r < 5; ++r)
        rows << d.cells()->headerData(r, Qt::Vertical).toString();
    QCOMPARE(rows, (QStringList {"Port 1", "Port 2", "Port 3", "Port 4", "Port 5"}));
    QCOMPARE(d.cells()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Port\nState"));
    QCOMPARE(d.cells()->headerData(19, Qt::Horizontal).toString(),
             QStringLiteral("PoE\nUser Set\nLimit [W]"));
    QCOMPARE(d.table()->columnWidth(7), 80);
    QCOMPARE(d.table()->verticalHeader()->width(), 60);
}

void TestPortTable::cellsOfAModel_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("port");
    QTest::addColumn<QStringList>("cells");
    const QStringList common = {"On",  "Off", "On",  "-",   "FDX", "On",         "MDIX", "Off",
                                "Off", "100", "Off", "100", "Off", "trustDot1p", "0",    "Off"};
    QTest::newRow("copper") << 0 << 2 << (common + QStringList {"Off", "Low", "-", "-"});
    QTest::newRow("PoE port") << 17 << 3 << (common + QStringList {"On", "Low", "0,1,2,3,4", "-"});
}

void TestPortTable::cellsOfAModel()
{
    QFETCH(int, model);
    QFETCH(int, port);
    QFETCH(QStringList, cells);
    WindowDriver d;
    d.selectModel(model);
    QStringList shown;
    for (int c = 0; c < 20; ++c)
        shown << d.cell(port, c);
    QCOMPARE(shown, cells);
}

void TestPortTable::comboEditorOpensOnTheCellsValue()
{
    WindowDriver d;
    auto *editor = d.openEditor<QComboBox>(1, PortColumn::MdiState);
    QVERIFY(editor);
    QCOMPARE(editor->itemText(0), QStringLiteral("MDI"));
    QCOMPARE(editor->currentText(), QStringLiteral("MDIX"));
    QCOMPARE(d.selection(), QStringLiteral(".x..."));
}

void TestPortTable::refusedEditChangesNothing()
{
    // Auto negotiation is on: the panel's speed is disabled, so is the table's.
    WindowDriver d;
    d.clickCell(1, PortColumn::Speed);
    const SwitchConfig before = d.config();
    auto *editor = d.openEditor<QComboBox>(1, PortColumn::Speed);
    QVERIFY(editor);
    QCOMPARE(editor->count(), 2);
    QTest::keyClick(editor, Qt::Key_Up); // to "10Mbps"
    QCOMPARE(editor->currentText(), QStringLiteral("10Mbps"));
    QCOMPARE(int(d.port(1).speed), 3);
    QVERIFY(d.config() == before);
}

void TestPortTable::autoNegotiationFromTheTable()
{
    WindowDriver d;
    d.clickPort(1);
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    QCOMPARE(d.cell(1, PortColumn::Speed), QStringLiteral("100Mbps"));

    auto *editor = d.openEditor<QComboBox>(1, PortColumn::AutoNeg);
    QVERIFY(editor);
    QCOMPARE(editor->currentText(), QStringLiteral("Off"));
    QTest::keyClick(editor, Qt::Key_Down);
    QCOMPARE(int(d.port(1).autoNeg), 1);
    QCOMPARE(int(d.port(1).speed), 3);
    QCOMPARE(d.cell(1, PortColumn::Speed), QStringLiteral("-"));
    QCOMPARE(d.combo("comboBox_autoNeg")->currentText(), QStringLiteral("On"));
    QCOMPARE(int(d.port(0).autoNeg), 1);
    QCOMPARE(int(d.port(2).speed), 3);
}

void TestPortTable::classesFromTheTable()
{
    WindowDriver d;
    d.selectModel(17);
    auto *editor = d.openEditor<QLineEdit>(5, PortColumn::AllowedPoEClasses);
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("0,1,2,3,4"));
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, QStringLiteral("13"));
    QCOMPARE(editor->text(), QStringLiteral("1,3"));
    std::array<quint8, 8> expected;
    expected.fill(0xFF);
    expected[0] = 1;
    expected[1] = 3;
    QCOMPARE(d.port(5).allowedPoEClasses, expected);
    QCOMPARE(d.find<QLineEdit>("lineEdit_allowedPoEClasses")->text(), QStringLiteral("1,3"));
    // The emptied cell on the way kept the classes instead of storing class 0.
    QCOMPARE(int(d.port(5).allowedPoEClasses[0]), 1);
}

void TestPortTable::thresholdFromTheTable()
{
    WindowDriver d;
    auto *closed = d.openEditor<QSpinBox>(2, PortColumn::BroadcastStormThreshold);
    QVERIFY(closed);
    QCOMPARE(closed->maximum(), 100);
    closed->setValue(40); // broadcast protection is off: refused
    QCOMPARE(int(d.port(2).broadcastStormThreshold), 100);

    d.clickPort(0);
    d.clickPort(2);
    QVERIFY(d.pick("comboBox_broadcastStormProtection", QStringLiteral("On")));
    auto *editor = d.openEditor<QSpinBox>(2, PortColumn::BroadcastStormThreshold);
    QVERIFY(editor);
    QCOMPARE(editor->value(), 100);
    editor->setValue(40);
    QCOMPARE(int(d.port(2).broadcastStormThreshold), 40);
    QCOMPARE(d.find<QSpinBox>("spinBox_broadcastStormThreshold")->value(), 40);
}

void TestPortTable::trustModeCannotBeEdited()
{
    WindowDriver d;
    auto *editor = d.openEditor<QComboBox>(0, PortColumn::QosTrustMode);
    QVERIFY(editor);
    QCOMPARE(editor->count(), 0);
    QCOMPARE(int(d.port(0).portQosTrustMode), 1);
}

QTEST_MAIN(TestPortTable)
#include "tst_porttable.moc"
