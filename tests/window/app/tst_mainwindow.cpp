// The window's wiring: what a user does reaches the editor, and what the
// editor holds reaches the labels, the panel, the fields and the table; the
// help commands reach the browser. The rules themselves are tested in the
// core.
#include "../windowdriver.h"
#include "core/config/portparameters.h"
#include "window/app/aboutdialog.h"
#include "window/app/helpcommands.h"
#include "window/ground/prompts.h"

#include <QAbstractItemModelTester>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

using namespace PortColumn;

namespace {

// A traffic-class table as one digit per entry.
template<std::size_t N> QString digits(const std::array<quint8, N> &table)
{
    QString text;
    for (quint8 trafficClass : table)
        text += QString::number(trafficClass);
    return text;
}

const QString kSourceDir = QStringLiteral(MESTREL_SOURCE_DIR);
const QStringList kPages {"HelpDe/Mestrel.html", "HelpDe/Editingportparameters.html",
                          "HelpEn/Mestrel.html", "HelpEn/Editingportparameters.html",
                          "Licenses/licensetext.html"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_urls << url; }

private slots:
    void init() { Prompts::setScripted(true); }
    void cleanup() { Prompts::reset(); }
    void changesReachTheViews()
    {
        // A click reaches the selection, a panel change the table and the labels;
        // the table model stays sound through model changes.
        WindowDriver d;
        QAbstractItemModelTester tester(d.cells(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        d.selectModel(13);
        // On a port label only exactly Ctrl adds: Ctrl+Shift is a click, the
        // right button does nothing, and a double click is one click.
        d.clickPort(0);
        QTest::mouseClick(d.portLabel(2), Qt::RightButton);
        QCOMPARE(d.selection().left(3), QStringLiteral("x.."));
        QTest::mouseClick(d.portLabel(2), Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::mouseDClick(d.portLabel(2), Qt::LeftButton); // what follows a first click
        QCOMPARE(d.selection().left(3), QStringLiteral("..x"));
        d.clickPort(6);
        QCOMPARE(d.text("lineEdit_allowedPoEClasses"), QStringLiteral("-")); // no PoE here
        QVERIFY(d.pick("comboBox_flowControl", QStringLiteral("On")));
        d.clickPort(4);
        d.clickPort(6, Qt::ControlModifier);
        QCOMPARE(d.selection().left(8), QStringLiteral("....x.x."));
        QVERIFY(!d.find<QRadioButton>("radioButton_deselectAll")->isChecked());
        // Picking the item the panel shows already (port 5's "Off") still counts.
        QVERIFY(d.pick("comboBox_flowControl", QStringLiteral("Off")));
        QCOMPARE(d.cell(6, FlowControl), QStringLiteral("Off"));
        QSignalSpy redrawn(d.cells(), &QAbstractItemModel::dataChanged);
        QVERIFY(d.pick("comboBox_autoNeg", QStringLiteral("Off")));
        QVERIFY(std::any_of(redrawn.begin(), redrawn.end(), [](const QList<QVariant> &rows) {
            return rows[0].toModelIndex().row() <= 6 && rows[1].toModelIndex().row() >= 6;
        }));
        redrawn.clear();
        d.clickRadio("radioButton_selectAll");
        QCOMPARE(d.selection().mid(22), QStringLiteral("xx.."));
        // A selection leaves the table as it is; an edit of all 24 ports is
        // one change of their rows, not one per port.
        QVERIFY(redrawn.isEmpty());
        QVERIFY(d.pick("comboBox_flowControl", QStringLiteral("On")));
        QCOMPARE(redrawn.size(), 1);
        QCOMPARE(redrawn[0][0].toModelIndex().row(), 0);
        QCOMPARE(redrawn[0][1].toModelIndex().row(), 23);
        d.clickRadio("radioButton_deselectAll");
        QCOMPARE(d.selection(), QString(26, QLatin1Char('.')));
        d.selectModel(0);
        QCOMPARE(d.cells()->rowCount(), 5);
    }

    void tableEditReachesThePanel()
    {
        WindowDriver d;
        d.selectModel(17);
        auto *editor = d.openEditor<QLineEdit>(5, AllowedPoEClasses);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("0,1,2,3,4"));
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, QStringLiteral("13"));
        QCOMPARE(editor->text(), QStringLiteral("1,3"));
        QCOMPARE(d.cell(5, AllowedPoEClasses), QStringLiteral("1,3"));
        QCOMPARE(d.text("lineEdit_allowedPoEClasses"), QStringLiteral("1,3"));
        // And back: the panel's field to the table.
        QCOMPARE(d.type("lineEdit_allowedPoEClasses", QStringLiteral("01")), QStringLiteral("0,1"));

        // An editor opens on the cell's value, and its typing falls back to it;
        // a cell the panel would refuse opens none.
        editor = d.openEditor<QLineEdit>(5, AllowedPoEClasses);
        editor->setSelection(1, 1);
        QTest::keyClick(editor, '2');
        QCOMPARE(editor->text(), QStringLiteral("0,1"));
        QVERIFY(!d.openEditor<QComboBox>(1, MdiState));
        QCOMPARE(d.selection(), QStringLiteral(".x......")); // the click chose the row
        auto *autoNeg = d.openEditor<QComboBox>(1, AutoNeg);
        QVERIFY(autoNeg);
        QCOMPARE(autoNeg->currentText(), QStringLiteral("On"));
        QTest::keyClick(autoNeg, Qt::Key_Up);
        QCOMPARE(d.cell(1, AutoNeg), QStringLiteral("Off"));
        QCOMPARE(d.combo("comboBox_autoNeg")->currentText(), QStringLiteral("Off"));
    }

    void panelWidgetsEditTheColumnTheirLabelsName()
    {
        // Every editor of the panel writes the column its label names, as the
        // table shows it for the selected port: the form binds them by key.
        WindowDriver d;
        // The gigabit model's editors, then the PoE model's: the item to
        // pick, or the number to set.
        const std::pair<int, QVector<std::pair<const char *, QString>>> panels[] = {
            {15,
             {{"comboBox_adminState", "Off"},
              {"comboBox_alarmLink", "On"},
              {"comboBox_flowControl", "On"},
              {"comboBox_broadcastStormProtection", "On"},
              {"spinBox_broadcastStormThreshold", "42"},
              {"comboBox_multicastStormProtection", "On"},
              {"spinBox_multicastStormThreshold", "43"},
              {"comboBox_jumboFrames", "On"},
              {"comboBox_eee", "On"},
              {"comboBox_autoNeg", "Off"},
              {"comboBox_speed", "10Mbps"},
              {"comboBox_duplexMode", "HDX"},
              {"comboBox_autoCrossing", "Off"},
              {"comboBox_mdiState", "MDI"},
              {"comboBox_portpriority", "5"}}},
            {17,
             {{"comboBox_poePriority", "High"},
              {"spinBox_allowedPoEOverride", "7"},
              {"comboBox_poeAdminState", "Off"}}},
        };
        QSet<QWidget *> edited;
        for (const auto &[model, edits] : panels) {
            d.selectModel(model);
            d.clickPort(1);
            QVERIFY(d.pick("comboBox_qosTrustMode", QStringLiteral("untrusted")));
            for (const auto &[name, text] : edits) {
                QStringList before;
                for (int column = 0; column < Count; ++column)
                    before << d.cell(1, column);
                QWidget *editor = d.find(name);
                QVERIFY2(editor->isEnabled(), name);
                if (auto *spin = qobject_cast<QSpinBox *>(editor))
                    spin->setValue(text.toInt());
                else
                    QVERIFY2(d.pick(name, text), name);
                edited << editor;
                const QString label = labelLeftOf(editor).section(QStringLiteral(" ("), 0, 0);
                QVERIFY2(!label.isEmpty(), name);
                int written = -1;
                for (int column = 0; column < Count; ++column) {
                    if (d.cell(1, column) != before[column] &&
                        portParameterName(column).section(QStringLiteral(" ["), 0, 0) == label)
                        written = column;
                }
                QVERIFY2(written >= 0, name);
                QCOMPARE(d.cell(1, written), text);
            }
        }
        // Every editor of the panel but the classes field (typed, tested above).
        const auto *panel = d.find("groupBox_configurePortParameters");
        QCOMPARE(edited.size(),
                 panel->findChildren<QComboBox *>().size() +
                     panel->findChildren<QSpinBox *>().size());
    }

    void modelChangeResets()
    {
        // Each alarm's combo box writes its own alarm, and picking the model
        // shown already keeps the configuration. The model's capabilities reach
        // the window; typed text reaches the record as far as the field admits
        // it; another model resets it all.
        WindowDriver d;
        QVERIFY(d.pick("comboBox_psuAlarm2", QStringLiteral("Disable")));
        QCOMPARE(int(d.config().psuAlarm1), 1);
        QVERIFY(d.pick("comboBox_psuAlarm1", QStringLiteral("Disable")));
        QCOMPARE(int(d.config().psuAlarm1) + int(d.config().psuAlarm2), 0);
        const SwitchConfig before = d.config();
        QVERIFY(d.pick("comboBox_productSelection", 0));
        QVERIFY(d.config() == before);
        QLabel *selectAll = d.find<QLabel>("label_selectAll");
        QWidget *info = d.find("toolButton_allowedPoEOverride_info");
        QVERIFY(selectAll->text().contains(QLatin1String("TP Ports")));
        d.selectModel(17); // PoE, no alarm contacts
        QVERIFY(selectAll->text().contains(QLatin1String("PoE Ports")));
        QVERIFY(info->isVisible() && info->isEnabled());
        QVERIFY(!d.combo("comboBox_psuAlarm1")->isEnabled());
        QCOMPARE(d.type("lineEdit_contactName", QString("J") + QChar(0xF6) + "rg 2nd"), "Jrg nd");
        QCOMPARE(d.type("lineEdit_serialNumber", QStringLiteral("12a3456789")), "123456789");
        QCOMPARE(d.type("lineEdit_agingTime", QStringLiteral("1048576")), "104857");
        d.clickPort(3);
        QVERIFY(d.pick("comboBox_autoNeg", 0));

        d.selectModel(5); // no PoE
        QVERIFY(!info->isVisible());
        for (int i = 0; i < kMaxPorts; ++i)
            QCOMPARE(d.portLabel(i)->isVisible(), i < 5);
        QVERIFY(d.find<QRadioButton>("radioButton_deselectAll")->isChecked());
        QVERIFY(!d.combo("comboBox_flowControl")->isEnabled()); // nothing selected
        QCOMPARE(d.cells()->rowCount(), 5);
        QCOMPARE(d.text("lineEdit_contactName"), QString());
        QCOMPARE(d.text("lineEdit_agingTime"), QStringLiteral("300"));
        QCOMPARE(d.text("lineEdit_serialFix"), articleNumber(5));
    }

    void qosDialogs()
    {
        // Each dialog opens on the record's table, every entry in its own combo
        // box; OK writes every entry back, Cancel writes nothing. Each edit
        // changes every entry, the first and the last too.
        WindowDriver d;
        for (const bool dscp : {false, true}) {
            const auto table = [&] {
                return dscp ? digits(d.config().dscpTrafficClass)
                            : digits(d.config().dot1pTrafficClass);
            };
            QString shown, chosen;
            const auto edit = [&](int shift, QDialogButtonBox::StandardButton button) {
                Prompts::setDialogHandler([&](QDialog &dialog) {
                    shown = chosen = QString();
                    for (int i = 0; i < table().size(); ++i) {
                        auto *box = dialog.findChild<QComboBox *>(
                            (dscp ? "comboBox_tc" : "comboBox_tcVlan") + QString::number(i));
                        shown += QString::number(box->currentIndex());
                        box->setCurrentIndex((box->currentIndex() + shift) % 4);
                        chosen += QString::number(box->currentIndex());
                    }
                    dialog.findChild<QDialogButtonBox *>("buttonBox")->button(button)->click();
                    return dialog.result();
                });
                d.find<QPushButton>(dscp ? "pushButton_qosDscpMapping" : "pushButton_qosPMapping")
                    ->click();
            };
            edit(1, QDialogButtonBox::Ok);
            const QString written = chosen;
            QCOMPARE(table(), written);
            edit(2, QDialogButtonBox::Cancel);
            QCOMPARE(shown, written);
            QCOMPARE(table(), written);
        }
        QCOMPARE(Prompts::unansweredDialogs(), 0);
    }

    void qosDialogsByKeyboard_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("boxName"); // what a screen reader says before the entry
        QTest::newRow("802.1p") << QByteArray("pushButton_qosPMapping")
                                << QStringLiteral("Traffic class of priority ");
        QTest::newRow("DSCP") << QByteArray("pushButton_qosDscpMapping")
                              << QStringLiteral("Traffic class of DSCP ");
    }

    // Tab takes the boxes entry by entry, each under the head of its entry
    // and named after it, then the buttons. Enter keeps what the keys chose,
    // Escape drops it.
    void qosDialogsByKeyboard()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, boxName);
        WindowDriver d;
        const bool dscp = button.contains("Dscp");
        const auto table = [&] {
            return dscp ? digits(d.config().dscpTrafficClass)
                        : digits(d.config().dot1pTrafficClass);
        };
        QStringList wrong;
        int entries = 0;
        Qt::Key answer = Qt::Key_Escape;
        Prompts::setDialogHandler([&](QDialog &dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            const QList<QLabel *> heads = dialog.findChildren<QLabel *>();
            QWidget *focus = QApplication::focusWidget();
            for (entries = 0; auto *box = qobject_cast<QComboBox *>(focus); ++entries) {
                const QRect at = box->geometry();
                const QLabel *above = nullptr;
                for (const QLabel *head : heads) {
                    if (qAbs(head->geometry().center().x() - at.center().x()) <= 1 &&
                        head->geometry().bottom() < at.top() &&
                        (!above || head->geometry().bottom() > above->geometry().bottom()))
                        above = head;
                }
                const QString entry = QString::number(entries);
                if (!above || above->text().trimmed() != entry ||
                    box->accessibleName() != boxName + entry)
                    wrong << box->objectName();
                QTest::keyClick(focus, Qt::Key_Tab);
                focus = QApplication::focusWidget();
            }
            if (!qobject_cast<QPushButton *>(focus))
                wrong << QStringLiteral("after the boxes: ") + focus->objectName();
            // Back to the last box, its first class, and the answer.
            QTest::keyClick(focus, Qt::Key_Backtab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
            QTest::keyClick(QApplication::focusWidget(), answer);
            return dialog.result();
        });
        const QString before = table();
        d.find<QPushButton>(button)->click();
        QCOMPARE(table(), before);
        answer = Qt::Key_Return;
        d.find<QPushButton>(button)->click();
        QCOMPARE(wrong, QStringList());
        QCOMPARE(entries, before.size());
        QCOMPARE(table(), before.left(before.size() - 1) + '0');
    }

    void helpPages()
    {
        // Each page from the working folder when it holds it (here the English
        // ones), otherwise from the first data folder that does.
        QTemporaryDir working;
        const auto inWorkingFolder = [](const QString &page) { return page.startsWith("HelpEn"); };
        for (const QString &page : kPages) {
            if (inWorkingFolder(page) && QDir(working.path()).mkpath(QFileInfo(page).path()))
                QFile(working.filePath(page)).open(QIODevice::WriteOnly);
        }
        const QString started = QDir::currentPath();
        QDir::setCurrent(working.path());
        WindowDriver d;
        d.window->helpCommands().setDataFolders({"/nonexistent", kSourceDir});
        // The menus keep their items and order; "Save to USB" stays out, so its
        // key (Save As's) is not ambiguous.
        QStringList menus;
        for (QAction *menu : d.window->menuBar()->actions()) {
            menus << menu->text();
            for (QAction *item : menu->menu()->actions())
                menus.last() += ',' + item->text();
        }
        QCOMPARE(menus.join('|'),
                 QStringLiteral("&File,&New,&Open,&Save,&SaveAs,E&xit|&Edit,&Undo,&Redo,,&Choose "
                                "Ports,Port &Table|"
                                "&Documentation,&Export,&Print Report…,Print Pre&view…|&Tools,"
                                "&Compare with File…,&Apply File to Current Model…,&Make Files "
                                "for Several Switches…,Chec&k Folder…|&Help,&Language,&Online "
                                "Help,Webs&ite,&About"));
        d.selectModel(17); // the PoE model shows the "..." button
        for (const char *scheme : {"file", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openUrl");
        Prompts::setDialogHandler([](QDialog &dialog) {
            dialog.findChild<QPushButton *>("pushButton_licensetext")->click();
            [&] {
                QVERIFY(qobject_cast<aboutDialog *>(&dialog) && dialog.isModal());
                QCOMPARE(dialog.windowFlags() &
                             (Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint),
                         Qt::WindowCloseButtonHint);
                dialog.show();
                QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
                QVERIFY(!dialog.isVisible());
            }();
            return int(QDialog::Accepted);
        });
        auto *poeLimitInfo = d.find<QToolButton>("toolButton_allowedPoEOverride_info");
        // The help page and the button's page in each language; choosing the
        // checked language keeps it checked.
        for (const QString chosen : {"&German", "&English"}) {
            d.action(chosen)->trigger();
            d.action(chosen)->trigger();
            QCOMPARE(d.action("&German")->isChecked(), chosen == "&German");
            QCOMPARE(d.action("&English")->isChecked(), chosen == "&English");
            d.action("&Online Help")->trigger();
            QTest::mouseClick(poeLimitInfo, Qt::LeftButton);
        }
        d.action("&About")->trigger();
        QDir::setCurrent(started);
        QList<QUrl> expected;
        for (const QString &page : kPages)
            expected << QUrl::fromLocalFile((inWorkingFolder(page) ? working.path() : kSourceDir) +
                                            '/' + page);
        QCOMPARE(m_urls, expected);
        d.action("Webs&ite")->trigger();
        QCOMPARE(m_urls.last().scheme(), QStringLiteral("https"));
        for (const char *scheme : {"file", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        m_urls.clear();
    }

private:
    QList<QUrl> m_urls; // what the program hands to the desktop's browser
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
