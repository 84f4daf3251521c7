#include "../windowdriver.h"
#include "config/portcolumns.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QWindow>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowFrame();
    void menus();
    void startState();
    void hiddenFieldsStayHidden();
    void pickRunsHandlerOnceForTheShownItem();
    void changesReachTheViews();
    void tableEditReachesThePanel();
    void tableModelIsSound();
    void newFileResetsButKeepsTheModel();
    void exitClosesTheWindow();
};

void TestMainWindow::windowFrame()
{
    WindowDriver d;
    QCOMPARE(d.window->windowHandle()->title(), QStringLiteral("Mestrel"));
    QCOMPARE(d.combo("comboBox_productSelection")->count(), kCatalogueSize);
    QVERIFY(!d.find<QLineEdit>("lineEdit_serialFix")->isEnabled());
    QVERIFY(d.find<QWidget>("groupBox_productOutline")->isHidden());
}

void TestMainWindow::menus()
{
    WindowDriver d;
    QStringList titles;
    const QList<QAction *> barActions = d.window->menuBar()->actions();
    for (QAction *a : barActions)
        titles << a->text();
    QCOMPARE(titles, (QStringList {"&File", "&Edit", "&Documentation", "&Tools", "&Help"}));

    auto texts = [](QMenu *menu) {
        QStringList list;
        for (QAction *a : menu->actions())
            list << a->text();
        return list;
    };
    QCOMPARE(texts(barActions[0]->menu()),
             (QStringList {"&New", "&Open", "&Save", "&SaveAs", "E&xit"}));
    QCOMPARE(texts(barActions[1]->menu()), (QStringList {"&Undo", "&Redo"}));
    QCOMPARE(texts(barActions[2]->menu()), (QStringList {"&Export"}));
    QMenu *help = barActions[4]->menu();
    QCOMPARE(texts(help), (QStringList {"&Language", "&Online Help", "Webs&ite", "&About"}));
    QCOMPARE(texts(help->actions().first()->menu()), (QStringList {"&English", "&German"}));
}

void TestMainWindow::startState()
{
    WindowDriver d;
    QCOMPARE(d.combo("comboBox_productSelection")->currentIndex(), 0);
    QCOMPARE(int(d.config().configId), 16);
    QCOMPARE(int(d.config().portCount), 5);
    QCOMPARE(d.selection(), QStringLiteral("....."));
    for (int i = 0; i < kMaxPorts; ++i)
        QCOMPARE(d.portLabel(i)->isVisible(), i < 5);
    QVERIFY(d.radioChecked("radioButton_deselectAll"));
    QVERIFY(!d.radioChecked("radioButton_selectAll"));
    QVERIFY(!d.find<QLabel>("label_productImage")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(d.find<QLineEdit>("lineEdit_serialFix")->text(), QStringLiteral("613807101"));
    QCOMPARE(d.window->state().serialPrefix, QStringLiteral("613807101-"));
    // Nothing selected: the port widgets are off.
    QVERIFY(!d.combo("comboBox_adminState")->isEnabled());
    QVERIFY(!d.combo("comboBox_flowControl")->isEnabled());
    QCOMPARE(d.cells()->rowCount(), 5);
}

void TestMainWindow::hiddenFieldsStayHidden()
{
    WindowDriver d;
    const char *hidden[] = {"label_componentId", "lineEdit_componentId", "label_fileRelease",
                            "lineEdit_fileRelease"};
    auto check = [&] {
        for (const char *name : hidden)
            QVERIFY2(!d.find<QWidget>(name)->isVisible(), name);
    };
    check();
    d.selectModel(17);
    check();
    d.window->newFile();
    check();
    d.clickRadio("radioButton_selectAll");
    check();
}

void TestMainWindow::pickRunsHandlerOnceForTheShownItem()
{
    // Port 1 is shown; port 2 joins by Ctrl-click with flow control on.
    // Picking "Off", the item already shown, must still write both ports.
    WindowDriver d;
    d.clickPort(1);
    QVERIFY(d.pick("comboBox_flowControl", 1));
    d.clickPort(0);
    d.ctrlClickPort(1);
    QCOMPARE(d.selection(), QStringLiteral("xx..."));
    QCOMPARE(d.combo("comboBox_flowControl")->currentIndex(), 0);
    QCOMPARE(int(d.port(1).flowControl), 1);

    QVERIFY(d.pick("comboBox_flowControl", 0));
    QCOMPARE(int(d.port(1).flowControl), 0);
    QCOMPARE(d.cell(1, 7), QStringLiteral("Off"));

    // A pick that changes the item writes both as well.
    QVERIFY(d.pick("comboBox_flowControl", 1));
    QCOMPARE(int(d.port(0).flowControl), 1);
    QCOMPARE(int(d.port(1).flowControl), 1);
}

void TestMainWindow::newFileResetsButKeepsTheModel()
{
    WindowDriver d;
    d.selectModel(17);
    d.type("lineEdit_contactName", QStringLiteral("Ann Smith"));
    d.type("lineEdit_serialNumber", QStringLiteral("42"));
    d.clickPort(3);
    QVERIFY(d.pick("comboBox_autoNeg", 0));
    QVERIFY(d.pick("comboBox_poeAdminState", 0));
    QCOMPARE(int(d.port(3).poeAdminState), 0);

    d.window->newFile();
    QCOMPARE(d.combo("comboBox_productSelection")->currentIndex(), 17);
    QCOMPARE(int(d.config().configId), 101);
    QCOMPARE(d.selection(), QStringLiteral("........"));
    QVERIFY(d.radioChecked("radioButton_deselectAll"));
    QCOMPARE(int(d.port(3).autoNeg), 1);
    QCOMPARE(int(d.port(3).poeAdminState), 1);
    QCOMPARE(d.cell(3, 2), QStringLiteral("On"));
    QCOMPARE(d.cell(3, 16), QStringLiteral("On"));
    QVERIFY(d.find<QLineEdit>("lineEdit_contactName")->text().isEmpty());
    QCOMPARE(d.window->state().serialPrefix, QStringLiteral("613821001-"));
    QCOMPARE(d.combo("comboBox_autoNeg")->currentIndex(), 1); // port 1 shown
}

void TestMainWindow::changesReachTheViews()
{
    // A click reaches the selection, a panel change the table and the labels.
    WindowDriver d;
    d.selectModel(13);
    d.clickPort(4);
    d.ctrlClickPort(6);
    QCOMPARE(d.selection().left(8), QStringLiteral("....x.x."));
    QVERIFY(!d.radioChecked("radioButton_deselectAll"));
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    QCOMPARE(d.cell(4, PortColumn::Speed), QStringLiteral("100Mbps"));
    QCOMPARE(d.cell(6, PortColumn::AutoNeg), QStringLiteral("Off"));
    QCOMPARE(d.cell(5, PortColumn::AutoNeg), QStringLiteral("On"));
    QVERIFY(d.combo("comboBox_speed")->isEnabled());
    d.clickRadio("radioButton_selectAll");
    QVERIFY(d.isSelected(23) && !d.isSelected(24));
    QVERIFY(d.radioChecked("radioButton_selectAll"));
    QCOMPARE(d.combo("comboBox_autoNeg")->currentText(), QStringLiteral("On")); // port 24
}

void TestMainWindow::tableEditReachesThePanel()
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
    QCOMPARE(d.cell(5, PortColumn::AllowedPoEClasses), QStringLiteral("1,3"));
    QCOMPARE(d.find<QLineEdit>("lineEdit_allowedPoEClasses")->text(), QStringLiteral("1,3"));
    QCOMPARE(d.selection(), QStringLiteral(".....x.."));

    // An editor opens on the cell's value; a cell the panel would refuse
    // opens none.
    auto *mdi = d.openEditor<QComboBox>(1, PortColumn::MdiState);
    QVERIFY(!mdi);
    QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
    mdi = d.openEditor<QComboBox>(1, PortColumn::AutoNeg);
    QVERIFY(mdi);
    QCOMPARE(mdi->currentText(), QStringLiteral("Off"));
    QTest::keyClick(mdi, Qt::Key_Down);
    QCOMPARE(d.cell(1, PortColumn::AutoNeg), QStringLiteral("On"));
    QCOMPARE(d.cell(1, PortColumn::Speed), QStringLiteral("-"));
    QCOMPARE(d.combo("comboBox_autoNeg")->currentText(), QStringLiteral("On"));
}

void TestMainWindow::tableModelIsSound()
{
    WindowDriver d;
    QAbstractItemModelTester tester(d.cells(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    d.selectModel(13);
    d.clickPort(2);
    QVERIFY(d.pick("comboBox_flowControl", QStringLiteral("On")));
    d.selectModel(0);
    QCOMPARE(d.cells()->rowCount(), 5);
    QCOMPARE(d.cells()->columnCount(), PortColumn::Count);
    QCOMPARE(d.table()->columnWidth(PortColumn::Count - 1), 80);
}

void TestMainWindow::exitClosesTheWindow()
{
    WindowDriver d;
    QVERIFY(d.window->isVisible());
    d.window->exit();
    QVERIFY(!d.window->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
