#include "../bytebuffers.h"
#include "../windowdriver.h"
#include "app/prompts.h"
#include "config/textfields.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace {

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

QString fieldValue(const WindowDriver &d, const QString &name)
{
    const EditorState &s = d.window->state();
    if (name == QLatin1String("lineEdit_contactName"))
        return readText(s.config.contactName);
    if (name == QLatin1String("lineEdit_location"))
        return readText(s.config.location);
    if (name == QLatin1String("lineEdit_serialNumber"))
        return s.serialPrefix;
    return QString::number(s.config.agingTime);
}

} // namespace

class TestGeneralFields : public QObject
{
    Q_OBJECT

private slots:
    void init() { Prompts::setScripted(true); }
    void cleanup() { Prompts::reset(); }
    void typingReachesTheRecord_data();
    void typingReachesTheRecord();
    void powerSupplyAlarms();
    void newClearsTheFields();
    void qosDialogs_data();
    void qosDialogs();
};

void TestGeneralFields::typingReachesTheRecord_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    const QString accented = QLatin1String("J") + QChar(0xF6) + QLatin1String("rg 2nd");
    QTest::newRow("contact refuses accents and digits")
        << "lineEdit_contactName" << accented << "Jrg nd"
        << "Jrg nd";
    QTest::newRow("location") << "lineEdit_location"
                              << "Hall 3 (North)/A-1"
                              << "Hall 3 (North)/A-1"
                              << "Hall 3 (North)/A-1";
    QTest::newRow("serial digits") << "lineEdit_serialNumber"
                                   << "12a3456789"
                                   << "123456789" << articleNumber(0) + "-123456789";
    QTest::newRow("aging time drops leading zeros") << "lineEdit_agingTime"
                                                    << "0300"
                                                    << "300"
                                                    << "300";
    QTest::newRow("aging time above the maximum") << "lineEdit_agingTime"
                                                  << "1048576"
                                                  << "104857"
                                                  << "104857";
}

void TestGeneralFields::typingReachesTheRecord()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    WindowDriver d;
    auto *edit = d.window->findChild<QLineEdit *>(name);
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    typeText(edit, typed);
    QTEST(edit->text(), "shown");
    QTEST(fieldValue(d, name), "stored");
}

void TestGeneralFields::powerSupplyAlarms()
{
    WindowDriver d;
    QVERIFY(d.pick("comboBox_psuAlarm1", QStringLiteral("Disable")));
    QCOMPARE(int(d.config().psuAlarm1), 0);
    QCOMPARE(int(d.config().psuAlarm2), 1);
    d.selectModel(16); // no alarm contacts
    QVERIFY(!d.combo("comboBox_psuAlarm1")->isEnabled());
    QVERIFY(!d.find<QWidget>("label_psuAlarm2")->isEnabled());
}

void TestGeneralFields::newClearsTheFields()
{
    WindowDriver d;
    d.selectModel(3);
    d.type("lineEdit_contactName", QStringLiteral("Anna"));
    d.type("lineEdit_serialNumber", QStringLiteral("42"));
    d.type("lineEdit_agingTime", QStringLiteral("5"));
    for (QAction *action : d.window->findChildren<QAction *>()) {
        if (action->text() == QLatin1String("&New"))
            action->trigger();
    }
    QCOMPARE(d.combo("comboBox_productSelection")->currentIndex(), 3);
    QCOMPARE(d.find<QLineEdit>("lineEdit_contactName")->text(), QString());
    QCOMPARE(d.find<QLineEdit>("lineEdit_serialNumber")->text(), QString());
    QCOMPARE(d.find<QLineEdit>("lineEdit_agingTime")->text(), QStringLiteral("300"));
    QCOMPARE(d.window->state().serialPrefix, articleNumber(3) + QLatin1Char('-'));
    QCOMPARE(bytesOf(d.config().contactName), QByteArray(100, '\0'));
}

void TestGeneralFields::qosDialogs_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("accept");
    QTest::newRow("802.1p OK") << "pushButton_qosPMapping"
                               << "comboBox_tcVlan5" << 5 << true;
    QTest::newRow("802.1p Cancel") << "pushButton_qosPMapping"
                                   << "comboBox_tcVlan5" << 5 << false;
    QTest::newRow("DSCP OK") << "pushButton_qosDscpMapping"
                             << "comboBox_tc46" << 46 << true;
}

void TestGeneralFields::qosDialogs()
{
    QFETCH(QString, button);
    QFETCH(QString, combo);
    QFETCH(int, entry);
    QFETCH(bool, accept);
    WindowDriver d;
    const bool dot1p = button == QLatin1String("pushButton_qosPMapping");
    const auto stored = [&] {
        return int(dot1p ? d.config().dot1pTrafficClass[entry]
                         : d.config().dscpTrafficClass[entry]);
    };
    const int before = stored();
    const int chosen = (before + 1) % 4;
    Prompts::setDialogHandler([&](QDialog &dialog) {
        dialog.findChild<QComboBox *>(combo)->setCurrentIndex(chosen);
        auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        return dialog.result();
    });
    QTest::mouseClick(d.find<QPushButton>(qPrintable(button)), Qt::LeftButton);
    QCOMPARE(stored(), accept ? chosen : before);
    QCOMPARE(Prompts::unansweredDialogs(), 0);
}

QTEST_MAIN(TestGeneralFields)
#include "tst_generalfields.moc"
