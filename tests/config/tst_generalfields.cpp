#include "../bytebuffers.h"
#include "../windowdriver.h"
#include "catalogue/productcatalogue.h"
#include "config/generalfields.h"
#include "config/textfields.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>

#include <functional>

namespace {

QByteArray zeroPadded(const QByteArray &content, int size)
{
    return content + QByteArray(size - content.size(), '\0');
}

// keyClicks() takes ASCII only; other characters go as key events with text.
void typeText(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}

QTestEventList clearField()
{
    QTestEventList keys;
    keys.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    keys.addKeyClick(Qt::Key_Backspace);
    return keys;
}

// The window's form and the general fields on it, without the rest of the
// window: lets a test refresh without the reset that "New" does first.
struct FormOnly
{
    QMainWindow window;
    Ui::MainWindow ui;
    EditorState state;
    GeneralFields fields {&ui, state};

    FormOnly()
    {
        ui.setupUi(&window);
        for (int row = 0; row < kCatalogueSize; ++row)
            ui.comboBox_productSelection->addItem(catalogueRow(row).modelName);
    }
};

void triggerNew(WindowDriver &d)
{
    for (QAction *action : d.window->findChildren<QAction *>()) {
        if (action->text() == QLatin1String("&New")) {
            action->trigger();
            return;
        }
    }
    QFAIL("no \"&New\" action");
}

// Clicks `button` and runs `inDialog` on the modal dialog it opens. True if a
// dialog opened and was gone again when the click returned.
bool runDialog(QPushButton *button, const std::function<void(QDialog *)> &inDialog)
{
    bool seen = false;
    QPointer<QDialog> opened;
    // A local timer: if no dialog opens it dies with this frame, unfired.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
        opened = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!opened)
            return;
        seen = true;
        inDialog(opened);
        if (opened && opened->isVisible())
            opened->reject(); // never leave the test stuck in the dialog
    });
    timer.start(0);
    QTest::mouseClick(button, Qt::LeftButton);
    return seen && opened.isNull();
}

} // namespace

class tst_GeneralFields : public QObject
{
    Q_OBJECT

private slots:
    void inputRules_data();
    void inputRules();
    void textFields_data();
    void textFields();
    void serialPrefix();
    void fileRelease_data();
    void fileRelease();
    void agingTime_data();
    void agingTime();
    void powerSupplyAlarms();
    void refreshTwice_data();
    void refreshTwice();
    void newClearsGeneralFields();
    void qosDialogsFromWindow();
};

void tst_GeneralFields::inputRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("maximum"); // spin boxes only, from 0

    QTest::newRow("serial fix") << "lineEdit_serialFix"
                                << "Fixed serial number" << -1;
    QTest::newRow("serial number") << "lineEdit_serialNumber"
                                   << "9 digit numeric" << -1;
    QTest::newRow("file release") << "lineEdit_fileRelease"
                                  << "Numeric and special character (.). Format xx.x.xx" << -1;
    QTest::newRow("contact")
        << "lineEdit_contactName"
        << "Upper and lower case english alphabets and special character (space only)" << -1;
    QTest::newRow("location") << "lineEdit_location"
                              << "Upper and lower case english alphabets, numeric and special "
                                 "characters (space - / ( ) )"
                              << -1;
    QTest::newRow("component id") << "lineEdit_componentId"
                                  << "Maximum 9 character alpha-numeric" << -1;
    QTest::newRow("device type") << "comboBox_productSelection"
                                 << "Select product" << -1;
    QTest::newRow("aging time") << "lineEdit_agingTime"
                                << "Only numerical value with maximum value 1048575" << -1;
    QTest::newRow("PoE classes") << "lineEdit_allowedPoEClasses"
                                 << "Numeric(0 to 4) and special character (,)" << -1;
    QTest::newRow("broadcast threshold") << "spinBox_broadcastStormThreshold"
                                         << "% value" << 100;
    QTest::newRow("multicast threshold") << "spinBox_multicastStormThreshold"
                                         << "% value" << 100;
    QTest::newRow("PoE user limit") << "spinBox_allowedPoEOverride"
                                    << "Numeric(0 to 13, 0 will be displayed as '-')" << 13;
}

void tst_GeneralFields::inputRules()
{
    WindowDriver d;
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    QFETCH(int, maximum);

    auto *w = d.window->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->toolTip(), toolTip);
    if (auto *spin = qobject_cast<QSpinBox *>(w)) {
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), maximum);
    }
}

void tst_GeneralFields::textFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown"); // and stored, one byte a character

    const QString accented = QLatin1String("J") + QChar(0xF6) + QLatin1String("rg 2nd");
    const QString contact = QStringLiteral("lineEdit_contactName");
    const QString location = QStringLiteral("lineEdit_location");
    const QString componentId = QStringLiteral("lineEdit_componentId");

    QTest::newRow("contact of ten characters") << contact << "Anna Meyer"
                                               << "Anna Meyer";
    QTest::newRow("contact refuses accents and digits") << contact << accented << "Jrg nd";
    QTest::newRow("contact stops at forty")
        << contact << QString(45, QLatin1Char('x')) << QString(40, QLatin1Char('x'));
    QTest::newRow("location with its special characters") << location << "Hall 3 (North)/A-1"
                                                          << "Hall 3 (North)/A-1";
    QTest::newRow("location refuses underscore and dot") << location << "Bay_4.2"
                                                         << "Bay42";
    QTest::newRow("component id of nine characters") << componentId << "AB12CD34E"
                                                     << "AB12CD34E";
    QTest::newRow("component id refuses a tenth") << componentId << "AB12CD34EF"
                                                  << "AB12CD34E";
    QTest::newRow("component id refuses blank and dash") << componentId << "X 1-2"
                                                         << "X12";
}

void tst_GeneralFields::textFields()
{
    WindowDriver d;
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    auto *edit = d.window->findChild<QLineEdit *>(name);
    QVERIFY(edit);
    // Old content longer than the new text: the rest of the buffer is cleared.
    QTest::keyClicks(edit, QStringLiteral("Oldtextoldtextoldtext"));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    typeText(edit, typed);
    QCOMPARE(edit->text(), shown);

    const QByteArray stored = shown.toLatin1();
    const SwitchConfig &c = d.config();
    if (name == QLatin1String("lineEdit_contactName"))
        QCOMPARE(bytesOf(c.contactName), zeroPadded(stored, 100));
    else if (name == QLatin1String("lineEdit_location"))
        QCOMPARE(bytesOf(c.location), zeroPadded(stored, 100));
    else
        QCOMPARE(bytesOf(c.componentId), zeroPadded(stored, 9));
}

void tst_GeneralFields::serialPrefix()
{
    WindowDriver d;
    auto *digits = d.find<QLineEdit>("lineEdit_serialNumber");
    QVERIFY(digits);
    const QString article = articleNumber(0);
    QVERIFY(!article.isEmpty());
    QCOMPARE(d.find<QLineEdit>("lineEdit_serialFix")->text(), article);

    QTest::keyClicks(digits, QStringLiteral("12a34-56789"));
    QCOMPARE(digits->text(), QStringLiteral("123456789"));
    QCOMPARE(d.window->state().serialPrefix, article + QStringLiteral("-123456789"));

    QTest::keyClicks(digits, QStringLiteral("0")); // a tenth digit is refused
    QCOMPARE(d.window->state().serialPrefix, article + QStringLiteral("-123456789"));
}

void tst_GeneralFields::fileRelease_data()
{
    QTest::addColumn<QTestEventList>("edit");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("stored");

    QTestEventList none;
    QTest::newRow("typed") << none << "12.3.45" << QByteArray("12345");

    QTestEventList firstGroup;
    firstGroup.addKeyClick(Qt::Key_Home);
    firstGroup.addKeyClick(Qt::Key_Right);
    firstGroup.addKeyClick(Qt::Key_Delete);
    QTest::newRow("12.3.45 to 1.3.45") << firstGroup << "1.3.45" << bytes("1_345");

    // Removing ".45" in one edit leaves the third group's bytes alone...
    QTestEventList cut;
    for (int i = 0; i < 3; ++i)
        cut.addKeyClick(Qt::Key_Left, Qt::ShiftModifier);
    cut.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("last group cut") << cut << "12.3" << QByteArray("12345");

    // ...backspacing through it passes "12.3.", whose empty group clears them.
    QTestEventList backspaced;
    for (int i = 0; i < 3; ++i)
        backspaced.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("last group backspaced") << backspaced << "12.3" << bytes("123__");

    QTestEventList letters;
    letters.addKeyClicks(QStringLiteral("a/"));
    QTest::newRow("letters refused") << letters << "12.3.45" << QByteArray("12345");
}

void tst_GeneralFields::fileRelease()
{
    WindowDriver d;
    QFETCH(QTestEventList, edit);
    QFETCH(QString, shown);
    QFETCH(QByteArray, stored);

    auto *release = d.find<QLineEdit>("lineEdit_fileRelease");
    QVERIFY(release);
    QVERIFY(!release->isVisible());
    QTest::keyClicks(release, QStringLiteral("12.3.45"));
    edit.simulate(release);
    QCOMPARE(release->text(), shown);
    QCOMPARE(bytesOf(d.config().fileRelease), zeroPadded(stored, 8));
}

void tst_GeneralFields::agingTime_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("setByProgram"); // applied after the keys unless null
    QTest::addColumn<QString>("shown");
    QTest::addColumn<quint32>("stored");

    QTestEventList cleared = clearField();
    QTest::newRow("cleared") << cleared << QString() << "0" << 0u;

    QTestEventList zero300 = clearField();
    zero300.addKeyClicks(QStringLiteral("0300"));
    QTest::newRow("keys 0, 3, 0, 0") << zero300 << QString() << "300" << 300u;

    QTestEventList leadingZeros = clearField();
    leadingZeros.addKeyClicks(QStringLiteral("007"));
    QTest::newRow("leading zeros dropped") << leadingZeros << QString() << "7" << 7u;

    QTestEventList maximum = clearField();
    maximum.addKeyClicks(QStringLiteral("10485759"));
    QTest::newRow("maximum, eighth digit refused") << maximum << QString() << "1048575" << 1048575u;

    QTestEventList oneAbove = clearField();
    oneAbove.addKeyClicks(QStringLiteral("1048576"));
    QTest::newRow("1048576 refused") << oneAbove << QString() << "104857" << 104857u;

    QTestEventList sevenNines = clearField();
    sevenNines.addKeyClicks(QStringLiteral("9999999"));
    QTest::newRow("9999999 refused") << sevenNines << QString() << "999999" << 999999u;

    QTestEventList insertFront;
    insertFront.addKeyClick(Qt::Key_Home);
    insertFront.addKeyClicks(QStringLiteral("9999"));
    QTest::newRow("digits put in front of 300") << insertFront << QString() << "999300" << 999300u;

    QTestEventList grouped = clearField();
    grouped.addKeyClicks(QStringLiteral("1,000"));
    QTest::newRow("group separator refused") << grouped << QString() << "1000" << 1000u;

    QTest::newRow("set above the maximum by program") << QTestEventList() << "2000000"
                                                      << "1048575" << 1048575u;
}

void tst_GeneralFields::agingTime()
{
    WindowDriver d;
    QFETCH(QTestEventList, keys);
    QFETCH(QString, setByProgram);
    QFETCH(QString, shown);
    QFETCH(quint32, stored);

    auto *aging = d.find<QLineEdit>("lineEdit_agingTime");
    QVERIFY(aging);
    QCOMPARE(aging->text(), QStringLiteral("300"));
    keys.simulate(aging);
    if (!setByProgram.isNull())
        aging->setText(setByProgram);
    QCOMPARE(aging->text(), shown);
    QCOMPARE(d.config().agingTime, stored);
}

void tst_GeneralFields::powerSupplyAlarms()
{
    WindowDriver d;
    auto *alarm1 = d.find<QComboBox>("comboBox_psuAlarm1");
    auto *alarm2 = d.find<QComboBox>("comboBox_psuAlarm2");
    QVERIFY(alarm1 && alarm2);
    QCOMPARE(alarm1->currentText(), QStringLiteral("Enable"));
    QCOMPARE(d.config().psuAlarm1, quint8(1));

    QTest::keyClick(alarm1, Qt::Key_Up);
    QCOMPARE(alarm1->currentText(), QStringLiteral("Disable"));
    QCOMPARE(d.config().psuAlarm1, quint8(0));
    QCOMPARE(d.config().psuAlarm2, quint8(1));

    QTest::keyClick(alarm2, Qt::Key_Up);
    QCOMPARE(d.config().psuAlarm2, quint8(0));
    QTest::keyClick(alarm2, Qt::Key_Down);
    QCOMPARE(d.config().psuAlarm2, quint8(1));
}

void tst_GeneralFields::refreshTwice_data()
{
    QTest::addColumn<QByteArray>("release");
    QTest::addColumn<QString>("text");

    QTest::newRow("12.3.45") << QByteArray("12345") << "12.3.45";
    QTest::newRow("1.2.3") << bytes("1_23") << "1.2.3";
    QTest::newRow("none") << QByteArray() << "";
}

void tst_GeneralFields::refreshTwice()
{
    QFETCH(QByteArray, release);
    QFETCH(QString, text);

    FormOnly form;
    SwitchConfig &c = form.state.config;
    std::copy(release.cbegin(), release.cend(), c.fileRelease.begin());
    storeText(c.contactName, QStringLiteral("Anna Meyer"));
    storeText(c.location, QStringLiteral("Hall 3"));
    c.psuAlarm1 = 0;
    c.psuAlarm2 = 1;
    c.agingTime = 7;
    form.ui.comboBox_productSelection->setCurrentIndex(3);
    form.ui.lineEdit_componentId->setText(QStringLiteral("KEPT"));
    form.ui.lineEdit_serialNumber->setText(QStringLiteral("42"));

    for (int pass = 1; pass <= 2; ++pass) {
        form.fields.refresh();
        QCOMPARE(form.ui.lineEdit_fileRelease->text(), text);
        QCOMPARE(form.state.fileReleaseText, text);
    }
    QCOMPARE(form.ui.lineEdit_contactName->text(), QStringLiteral("Anna Meyer"));
    QCOMPARE(form.ui.lineEdit_location->text(), QStringLiteral("Hall 3"));
    QCOMPARE(form.ui.lineEdit_serialFix->text(), articleNumber(3));
    QCOMPARE(form.ui.comboBox_psuAlarm1->currentIndex(), 0);
    QCOMPARE(form.ui.comboBox_psuAlarm2->currentIndex(), 1);
    QCOMPARE(form.ui.lineEdit_agingTime->text(), QStringLiteral("7"));
    QCOMPARE(form.ui.lineEdit_componentId->text(), QStringLiteral("KEPT"));
    QCOMPARE(form.ui.lineEdit_serialNumber->text(), QStringLiteral("42"));
}

void tst_GeneralFields::newClearsGeneralFields()
{
    WindowDriver d;
    QTest::keyClicks(d.find<QLineEdit>("lineEdit_serialNumber"), QStringLiteral("123"));
    QTest::keyClicks(d.find<QLineEdit>("lineEdit_contactName"), QStringLiteral("Anna"));
    QTest::keyClicks(d.find<QLineEdit>("lineEdit_location"), QStringLiteral("Hall"));
    QTest::keyClicks(d.find<QLineEdit>("lineEdit_fileRelease"), QStringLiteral("1.2.3"));
    QTest::keyClicks(d.find<QLineEdit>("lineEdit_componentId"), QStringLiteral("ID9"));
    QTest::keyClicks(d.find<QLineEdit>("lineEdit_agingTime"), QStringLiteral("5"));
    QCOMPARE(d.config().agingTime, 3005u);

    triggerNew(d);

    for (const char *name : {"lineEdit_serialNumber", "lineEdit_contactName", "lineEdit_location",
                             "lineEdit_fileRelease", "lineEdit_componentId"})
        QVERIFY2(d.find<QLineEdit>(name)->text().isEmpty(), name);
    QCOMPARE(d.find<QLineEdit>("lineEdit_agingTime")->text(), QStringLiteral("300"));
    QCOMPARE(d.window->state().serialPrefix, articleNumber(0) + QLatin1Char('-'));
    QCOMPARE(bytesOf(d.config().contactName), QByteArray(100, '\0'));
    QCOMPARE(bytesOf(d.config().location), QByteArray(100, '\0'));
    QCOMPARE(bytesOf(d.config().componentId), QByteArray(9, '\0'));
    QCOMPARE(bytesOf(d.config().fileRelease), QByteArray(8, '\0'));
    QCOMPARE(d.config().agingTime, 300u);
}

void tst_GeneralFields::qosDialogsFromWindow()
{
    WindowDriver d;
    auto *dot1p = d.find<QPushButton>("pushButton_qosPMapping");
    auto *dscp = d.find<QPushButton>("pushButton_qosDscpMapping");
    QVERIFY(dot1p && dscp);

    const auto classesShown = [](QDialog *dialog, const char *prefix, int count) {
        QVector<int> shown;
        for (int i = 0; i < count; ++i) {
            auto *box = dialog->findChild<QComboBox *>(QLatin1String(prefix) + QString::number(i));
            shown << (box ? box->currentIndex() : -1);
        }
        return shown;
    };
    const auto press = [](QDialog *dialog, QDialogButtonBox::StandardButton which) {
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(which), Qt::LeftButton);
    };

    // OK stores a change; the dialog is gone once the window's slot returns.
    QVERIFY(runDialog(dot1p, [&](QDialog *dialog) {
        dialog->findChild<QComboBox *>(QStringLiteral("comboBox_tcVlan5"))->setCurrentIndex(0);
        press(dialog, QDialogButtonBox::Ok);
    }));
    QCOMPARE(d.config().dot1pTrafficClass[5], quint8(0));

    QVERIFY(runDialog(dscp, [&](QDialog *dialog) {
        dialog->findChild<QComboBox *>(QStringLiteral("comboBox_tc46"))->setCurrentIndex(3);
        press(dialog, QDialogButtonBox::Ok);
    }));
    QCOMPARE(d.config().dscpTrafficClass[46], quint8(3));

    // After "New" both dialogs show the defaults again.
    triggerNew(d);
    QVector<int> dot1pShown, dscpShown;
    QVERIFY(
        runDialog(dot1p, [&](QDialog *d) { dot1pShown = classesShown(d, "comboBox_tcVlan", 8); }));
    QVERIFY(runDialog(dscp, [&](QDialog *d) { dscpShown = classesShown(d, "comboBox_tc", 64); }));
    QCOMPARE(dot1pShown, (QVector<int> {1, 0, 0, 1, 2, 2, 3, 3}));
    QVector<int> dscpDefaults;
    for (int d = 0; d < 64; ++d)
        dscpDefaults << (d < 8 ? 1 : d < 24 ? 0 : d < 32 ? 1 : d < 48 ? 2 : 3);
    QCOMPARE(dscpShown, dscpDefaults);
}

QTEST_MAIN(tst_GeneralFields)
#include "tst_generalfields.moc"
