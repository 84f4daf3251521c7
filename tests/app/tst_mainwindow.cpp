#include "../windowdriver.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace {

QString shortcutText(QKeySequence::StandardKey key)
{
    return QKeySequence(key).toString();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowFrame();
    void menus();
    void actions_data();
    void actions();
    void formActionsDoNothing();
    void startState();
    void hiddenFieldsStayHidden();
    void pickRunsHandlerOnceForTheShownItem();
    void everyComboHasOneConnectionPerSignal();
    void newFileResetsButKeepsTheModel();
    void exitClosesTheWindow();
};

void TestMainWindow::windowFrame()
{
    WindowDriver d;
    QCOMPARE(d.window->windowTitle(), QStringLiteral("Mestrel"));
    QCOMPARE(d.window->minimumSize(), QSize(950, 700));
    QCOMPARE(d.window->palette().color(QPalette::Inactive, QPalette::Window),
             QColor(218, 224, 234));
    QVERIFY(!d.window->windowIcon().isNull());
    QVERIFY(!d.find<QLabel>("label_oemLogo")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(d.find<QLabel>("label_oemLogo")->size(), QSize(150, 50));
    QVERIFY(!d.window->findChild<QStatusBar *>());
    QCOMPARE(d.combo("comboBox_productSelection")->count(), kCatalogueSize);
    QCOMPARE(d.combo("comboBox_productSelection")->itemText(13),
             QStringLiteral("TAVRIN KX-21-24C4R7R700"));
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
    QCOMPARE(titles, (QStringList {"&File", "&Documentation", "&Help"}));

    auto texts = [](QMenu *menu) {
        QStringList list;
        for (QAction *a : menu->actions())
            list << a->text();
        return list;
    };
    QCOMPARE(texts(barActions[0]->menu()),
             (QStringList {"&New", "&Open", "&Save", "&SaveAs", "E&xit"}));
    QCOMPARE(texts(barActions[1]->menu()), (QStringList {"&Export"}));
    QMenu *help = barActions[2]->menu();
    QCOMPARE(texts(help), (QStringList {"&Language", "&Online Help", "Webs&ite", "&About"}));
    QCOMPARE(texts(help->actions().first()->menu()), (QStringList {"&English", "&German"}));
}

void TestMainWindow::actions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<bool>("inAMenu");

    QTest::newRow("new") << "&New" << shortcutText(QKeySequence::New) << "Create a new file"
                         << true;
    QTest::newRow("open") << "&Open" << shortcutText(QKeySequence::Open) << "Open an existing file"
                          << true;
    QTest::newRow("save") << "&Save" << shortcutText(QKeySequence::Save)
                          << "Save the document to disk" << true;
    QTest::newRow("save as") << "&SaveAs" << shortcutText(QKeySequence::SaveAs)
                             << "SaveAs the document" << true;
    QTest::newRow("save to usb") << "&Save to USB" << shortcutText(QKeySequence::SaveAs)
                                 << "Save to USb the document" << false;
    QTest::newRow("exit") << "E&xit" << shortcutText(QKeySequence::Quit) << "Exit the application"
                          << true;
    QTest::newRow("export") << "&Export"
                            << ""
                            << "Export" << true;
    QTest::newRow("english") << "&English"
                             << ""
                             << "" << true;
    QTest::newRow("german") << "&German"
                            << ""
                            << "" << true;
    QTest::newRow("help") << "&Online Help" << shortcutText(QKeySequence::HelpContents)
                          << "Online Help" << true;
    QTest::newRow("website") << "Webs&ite"
                             << ""
                             << "Open website" << true;
    QTest::newRow("about") << "&About"
                           << ""
                           << "Show the application's About box" << true;
}

void TestMainWindow::actions()
{
    QFETCH(QString, text);
    WindowDriver d;
    QAction *found = nullptr;
    int count = 0;
    for (QAction *a : d.window->findChildren<QAction *>()) {
        if (a->text() == text) {
            found = a;
            ++count;
        }
    }
    QVERIFY(found);
    QCOMPARE(count, 1);
    QTEST(found->shortcut().toString(), "shortcut");
    QTEST(found->statusTip(), "statusTip");
    QTEST(!found->associatedWidgets().isEmpty(), "inAMenu");
    if (text == QLatin1String("&English") || text == QLatin1String("&German")) {
        QVERIFY(found->isCheckable());
        QCOMPARE(found->isChecked(), text == QLatin1String("&English"));
    }
}

void TestMainWindow::formActionsDoNothing()
{
    WindowDriver d;
    const char *names[] = {"actionNew",
                           "actionLoad",
                           "actionSave",
                           "actionSave_As",
                           "actionSave_to_USB",
                           "actionExit",
                           "actionExport",
                           "actionOnline_Help",
                           "actionZerlow_Website",
                           "actionAbout",
                           "actionText_Fields",
                           "actionExit_Secure_Mode",
                           "actionExit_Secure_Mode_2",
                           "actionExit_Secure_Mode_3"};
    d.clickPort(2);
    const SwitchConfig before = d.config();
    for (const char *name : names) {
        QAction *action = d.find<QAction>(name);
        QVERIFY(action->associatedWidgets().isEmpty());
        action->trigger();
    }
    QVERIFY(d.window->isVisible());
    QVERIFY(d.config() == before);
    QVERIFY(d.isSelected(2));
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

namespace {
// Reads the number of connections of a signal, which QObject keeps protected.
struct ConnectionCount : QObject
{
    static int of(QObject *object, const char *signal)
    {
        return static_cast<ConnectionCount *>(object)->receivers(signal);
    }
};
} // namespace

void TestMainWindow::everyComboHasOneConnectionPerSignal()
{
    // One run through currentIndexChanged and one through activated: a
    // pick that changes the index runs the handler exactly twice.
    WindowDriver d;
    const char *combos[] = {"comboBox_adminState",
                            "comboBox_alarmLink",
                            "comboBox_speed",
                            "comboBox_autoNeg",
                            "comboBox_autoCrossing",
                            "comboBox_duplexMode",
                            "comboBox_mdiState",
                            "comboBox_flowControl",
                            "comboBox_broadcastStormProtection",
                            "comboBox_multicastStormProtection",
                            "comboBox_jumboFrames",
                            "comboBox_qosTrustMode",
                            "comboBox_portpriority",
                            "comboBox_eee",
                            "comboBox_poeAdminState",
                            "comboBox_poePriority"};
    for (const char *name : combos) {
        QComboBox *box = d.combo(name);
        QCOMPARE(ConnectionCount::of(box, SIGNAL(activated(int))), 1);
        QCOMPARE(ConnectionCount::of(box, SIGNAL(currentIndexChanged(int))), 1);
    }
    // The model list runs model selection on a change only.
    QComboBox *models = d.combo("comboBox_productSelection");
    QCOMPARE(ConnectionCount::of(models, SIGNAL(activated(int))), 0);
    QCOMPARE(ConnectionCount::of(models, SIGNAL(currentIndexChanged(int))), 1);
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

void TestMainWindow::exitClosesTheWindow()
{
    WindowDriver d;
    QVERIFY(d.window->isVisible());
    d.window->exit();
    QVERIFY(!d.window->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
