// The window worked by the keyboard alone, and as assistive technologies see
// it: every key goes to the widget that has the focus, as a user's would;
// the names are read from the accessibility interfaces a screen reader's
// bridge reads. Where the focus mark goes is the core's to test.
#include "../windowdriver.h"
#include "core/config/portparameters.h"
#include "window/catalogue/portpicture.h"
#include "window/file/filecommands.h"
#include "window/ground/prompts.h"

#include <QAccessible>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>

using namespace PortColumn;

namespace {

// What a screen reader announces a widget as. On Linux Qt reports a combo
// box's value as its name and the label it is labelled by apart.
QString spokenName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    if (!accessible)
        return QString();
    const QString name = accessible->text(QAccessible::Name);
    if (accessible->role() != QAccessible::ComboBox || name != accessible->text(QAccessible::Value))
        return name;
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

// What is wrong with the names of `root`'s widgets that can take the focus:
// one without a name, one named otherwise than the label left of it,
// traffic-class boxes sharing a name.
QStringList namingProblems(QWidget *root)
{
    QStringList problems;
    QSet<QString> trafficClassNames;
    int trafficClassBoxes = 0;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(root) ||
            !widget->isEnabled() || widget->focusProxy() ||
            qobject_cast<QComboBox *>(widget->parentWidget()) ||
            qobject_cast<QAbstractSpinBox *>(widget->parentWidget()))
            continue;
        const QString name = spokenName(widget);
        // A traffic-class box is named after its column's head, not after
        // the row's head left of the first box; its name must be its own.
        const QString label = widget->objectName().startsWith(QLatin1String("comboBox_tc"))
            ? QString()
            : labelLeftOf(widget);
        if (name.isEmpty())
            problems << widget->objectName() + QStringLiteral(" has no name");
        else if (!label.isEmpty() && name != label)
            problems << widget->objectName() + QStringLiteral(" is called ") + name;
        if (widget->objectName().startsWith(QLatin1String("comboBox_tc"))) {
            ++trafficClassBoxes;
            trafficClassNames << name;
        }
    }
    if (trafficClassNames.size() != trafficClassBoxes)
        problems << QStringLiteral("%1 names among %2 traffic-class boxes")
                        .arg(trafficClassNames.size())
                        .arg(trafficClassBoxes);
    return problems;
}

// The picture's ports as assistive technologies list them; '*' after a
// chosen one, '>' before the one the focus is on.
QStringList accessiblePorts(PortPicture *picture)
{
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(picture);
    QStringList ports;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface *port = list->child(i);
        const QAccessible::State state = port->state();
        ports << (state.focused ? QStringLiteral(">") : QString()) + port->text(QAccessible::Name) +
                (state.selected ? QStringLiteral("*") : QString());
        if (list->indexOfChild(port) != i || port->parent() != list)
            ports.last() += QStringLiteral(" (lost)");
    }
    return ports;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init() { Prompts::setScripted(true); }
    void cleanup()
    {
        QCOMPARE(Prompts::unansweredDialogs(), 0);
        Prompts::reset();
    }

    void choosePortsAndEditThemByKeyboard()
    {
        // From the model list to the picture by Tab, a port chosen by Space
        // and edited in the panel, ports added, removed and refused by
        // Ctrl+Space: what a click and a Ctrl-click do, reached by keys.
        WindowDriver d;
        QWidget *models = d.find("comboBox_productSelection");
        auto *picture = d.find<PortPicture>("label_productImage");
        const auto key = [](int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), modifiers);
        };
        QTest::keyClick(d.window.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), models);
        for (int i = 0; i < 5; ++i)
            key(Qt::Key_Down); // model 5: four copper ports and a fibre port
        QCOMPARE(d.config().modelIndex, 5);
        int tabs = 0;
        while (QApplication::focusWidget() != picture && ++tabs < 20)
            key(Qt::Key_Tab);
        QVERIFY(tabs < 20);

        const struct
        {
            int key;
            Qt::KeyboardModifiers modifiers;
            QString chosen; // the ports as their labels show them afterwards
            int marked; // the port the focus mark is on
        } steps[] = {
            {Qt::Key_Home, Qt::NoModifier, ".....", 1},
            {Qt::Key_Right, Qt::NoModifier, ".....", 2},
            {Qt::Key_Space, Qt::NoModifier, ".x...", 2},
            {Qt::Key_Down, Qt::NoModifier, ".x...", 3},
            {Qt::Key_Space, Qt::ControlModifier, ".xx..", 3},
            {Qt::Key_Space, Qt::ControlModifier, ".x...", 3},
            {Qt::Key_End, Qt::NoModifier, ".x...", 5},
            {Qt::Key_Space, Qt::ControlModifier, ".x...", 5}, // fibre: refused
            {Qt::Key_Up, Qt::NoModifier, ".x...", 4},
            {Qt::Key_Space, Qt::ControlModifier, ".x.x.", 4},
            {Qt::Key_Space, Qt::NoModifier, ".....", 4}, // on a chosen port: none
            {Qt::Key_Space, Qt::NoModifier, "...x.", 4},
            {Qt::Key_Space, Qt::ShiftModifier, "...x.", 4}, // not a click
            {Qt::Key_Left, Qt::NoModifier, "...x.", 3},
        };
        for (const auto &step : steps) {
            key(step.key, step.modifiers);
            QCOMPARE(d.selection(), step.chosen);
            QCOMPARE(picture->currentPort() + 1, step.marked);
        }
        QCOMPARE(accessiblePorts(picture).mid(2, 2),
                 QStringList({">Port 3, copper", "Port 4, copper*"}));

        // The choice opens the panel, which Tab reaches next.
        key(Qt::Key_Home);
        key(Qt::Key_Right);
        key(Qt::Key_Space);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("comboBox_adminState"));
        QCOMPARE(d.cell(1, AdminState), QStringLiteral("On"));
        key(Qt::Key_Up);
        QCOMPARE(d.cell(1, AdminState), QStringLiteral("Off"));
        QCOMPARE(int(d.config().ports[1].adminState), 0);
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), picture);
        // The mouse leaves the focus where it is and moves the mark.
        d.clickPort(3);
        QCOMPARE(QApplication::focusWidget(), picture);
        QCOMPARE(picture->currentPort(), 3);
    }

    void portTableByKeyboard()
    {
        // "Port Table" gives the table the focus on the chosen port's row;
        // the keys that move the row choose its port, F2 and Enter open the
        // editor, Escape closes it and keeps what it stored. A model change
        // moves the table's cell and chooses nothing.
        WindowDriver d;
        QVERIFY(QTest::qWaitForWindowActive(d.window.get()));
        d.selectModel(2);
        d.clickPort(3);
        QTest::keyClick(d.window.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QTableView *table = d.table();
        QCOMPARE(QApplication::focusWidget(), table);
        QCOMPARE(table->currentIndex().row(), 3);
        const auto key = [table](int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(table, Qt::Key(k), modifiers);
        };
        const struct
        {
            int key;
            Qt::KeyboardModifiers modifiers;
            int chosen; // the one port chosen afterwards
        } moves[] = {
            {Qt::Key_Down, Qt::NoModifier, 4},      {Qt::Key_Up, Qt::NoModifier, 3},
            {Qt::Key_PageDown, Qt::NoModifier, -1}, {Qt::Key_End, Qt::ControlModifier, 15},
            {Qt::Key_Home, Qt::ControlModifier, 0}, {Qt::Key_Right, Qt::NoModifier, 0},
        };
        for (const auto &move : moves) {
            key(move.key, move.modifiers);
            const int row = table->currentIndex().row();
            QCOMPARE(d.selection(), QString(16, '.').replace(row, 1, 'x'));
            if (move.chosen >= 0)
                QCOMPARE(row, move.chosen);
        }

        // F2 on the auto negotiation cell of port 1, a pick, Escape.
        key(Qt::Key_Left);
        key(Qt::Key_Down);
        for (int column = 0; column < AutoNeg; ++column)
            key(Qt::Key_Right);
        key(Qt::Key_F2);
        auto *editor = qobject_cast<QComboBox *>(QApplication::focusWidget());
        QVERIFY(editor && table->isAncestorOf(editor));
        QTest::keyClick(editor, Qt::Key_Up);
        QCOMPARE(d.cell(1, AutoNeg), QStringLiteral("Off"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), table);
        QCOMPARE(d.cell(1, AutoNeg), QStringLiteral("Off"));
        QCOMPARE(int(d.config().ports[1].autoNeg), 0);
        // Enter opens the editor too, on the row it chooses.
        d.clickRadio("radioButton_deselectAll");
        table->setFocus();
        key(Qt::Key_Return);
        QCOMPARE(d.selection(), QStringLiteral(".x..............")); // nothing, then row 2
        QVERIFY(table->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        d.selectModel(0);
        QCOMPARE(d.selection(), QStringLiteral("....."));
        QTest::keyClick(d.window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), d.find("label_productImage"));
    }

    void focusScrollsIntoView()
    {
        // On a screen too small for the window the contents scroll to the
        // field Tab or a shortcut gives the focus, and to the picture.
        WindowDriver d;
        QVERIFY(QTest::qWaitForWindowActive(d.window.get()));
        d.window->centreIn(QRect(0, 0, 640, 400));
        auto *area = d.find<QScrollArea>("scrollArea_screenFit");
        const auto shown = [area](const char *name) {
            QWidget *widget = area->widget()->findChild<QWidget *>(QLatin1String(name));
            const QRect onViewport(widget->mapTo(area->viewport(), QPoint(0, 0)), widget->size());
            return area->viewport()->rect().intersects(onViewport);
        };
        QTest::keyClick(d.window.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(shown("tableView_portSettings"));
        QVERIFY(!shown("lineEdit_location"));
        QTest::keyClick(d.window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(shown("label_productImage"));
        d.find("comboBox_productSelection")->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(shown("lineEdit_location"));
    }

    void accessibleNames_data()
    {
        // How the window or a dialog is reached; for the window, the model and
        // the names of its ports.
        QTest::addColumn<QString>("opened");
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("ports");
        QTest::newRow("window, fast fibre")
            << QString() << 5
            << QStringList {"Port 1, copper", "Port 2, copper", "Port 3, copper", "Port 4, copper",
                            "Port 5, fibre"};
        QTest::newRow("window, gigabit")
            << QString() << 15
            << QStringList {"Port 1, copper gigabit", "Port 2, copper gigabit",
                            "Port 3, copper gigabit", "Port 4, copper gigabit",
                            "Port 5, fibre gigabit"};
        QTest::newRow("window, PoE")
            << QString() << 17
            << QStringList {"Port 1, copper",     "Port 2, copper PoE", "Port 3, copper PoE",
                            "Port 4, copper PoE", "Port 5, copper PoE", "Port 6, copper PoE",
                            "Port 7, copper PoE", "Port 8, copper PoE"};
        const QStringList none;
        for (const char *opened :
             {"&Open", "&Compare with File…", "&Make Files for Several Switches…", "Chec&k Folder…",
              "&About", "pushButton_qosPMapping", "pushButton_qosDscpMapping"})
            QTest::newRow(opened) << QString(opened) << 0 << none;
    }

    void accessibleNames()
    {
        // Every widget that takes the focus is named after the label left of
        // it, or named at all; each traffic-class box has a name of its own;
        // the picture lists the model's ports, and a dialog closes by Escape.
        QFETCH(QString, opened);
        QFETCH(int, model);
        QFETCH(QStringList, ports);
        QTemporaryDir folder;
        const QString started = QDir::currentPath();
        WindowDriver d;
        QMap<QString, QStringList> problems; // of each window walked
        Prompts::setDialogHandler([&](QDialog &dialog) {
            if (qobject_cast<QMessageBox *>(&dialog))
                return int(QMessageBox::Discard); // the changes before Open
            dialog.show();
            problems[dialog.metaObject()->className()] = namingProblems(&dialog);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            if (dialog.isVisible())
                problems[dialog.metaObject()->className()] << "stays open on Escape";
            return int(QDialog::Accepted); // so that Open goes on to its error log
        });
        if (opened.isEmpty()) {
            d.selectModel(model);
            d.clickPort(1);
            problems["window"] = namingProblems(d.window.get());
            auto *picture = d.find<PortPicture>("label_productImage");
            QCOMPARE(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name),
                     QStringLiteral("Ports"));
            ports[1] += '*';
            QCOMPARE(accessiblePorts(picture), ports);
        } else if (opened.startsWith("pushButton")) {
            d.find<QPushButton>(qPrintable(opened))->click();
        } else {
            // A file of a model two others share (the question) with a line
            // no model takes (the error log), in a folder.
            const QString file = folder.filePath("switch.csv");
            d.selectModel(7);
            QVERIFY(d.window->fileCommands().writeConfigFile(file));
            QFile append(file);
            QVERIFY(append.open(QIODevice::Append) && append.write("\nport.speed,3,7") > 0);
            append.close();
            QDir::setCurrent(folder.path()); // where the error log is written
            Prompts::queueFileNames({opened == "Chec&k Folder…" ? folder.path() : file});
            d.action(opened)->trigger();
        }
        QDir::setCurrent(started);
        QCOMPARE(problems.size(), opened == "&Open" ? 2 : 1); // with the model question
        for (auto walked = problems.cbegin(); walked != problems.cend(); ++walked)
            QVERIFY2(walked->isEmpty(), qPrintable(walked.key() + ": " + walked->join(", ")));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
