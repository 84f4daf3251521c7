#include "../windowdriver.h"

#include <QSignalSpy>

class TestPortLabels : public QObject
{
    Q_OBJECT

private slots:
    void clickSignals_data();
    void clickSignals();
    void labelsFollowTheModel_data();
    void labelsFollowTheModel();
    void labelsStayOnThePictureWhenResized();
    void poeWording();
    void modelSelectionEmptiesTheGeneralFields();
};

void TestPortLabels::clickSignals_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("plain");
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("doubled");

    QTest::newRow("left") << int(Qt::LeftButton) << 0 << false << 1 << 0 << 0;
    QTest::newRow("ctrl") << int(Qt::LeftButton) << int(Qt::ControlModifier) << false << 0 << 1
                          << 0;
    QTest::newRow("ctrl+shift is plain")
        << int(Qt::LeftButton) << int(Qt::ControlModifier | Qt::ShiftModifier) << false << 1 << 0
        << 0;
    QTest::newRow("shift is plain")
        << int(Qt::LeftButton) << int(Qt::ShiftModifier) << false << 1 << 0 << 0;
    QTest::newRow("right") << int(Qt::RightButton) << 0 << false << 0 << 0 << 0;
    QTest::newRow("middle") << int(Qt::MiddleButton) << 0 << false << 0 << 0 << 0;
    QTest::newRow("double click") << int(Qt::LeftButton) << 0 << true << 1 << 0 << 1;
}

void TestPortLabels::clickSignals()
{
    QFETCH(int, button);
    QFETCH(int, modifiers);
    QFETCH(bool, doubleClick);
    clickQlabel label;
    label.resize(20, 20);
    label.show();
    QSignalSpy plain(&label, &clickQlabel::leftbuttonclick);
    QSignalSpy control(&label, &clickQlabel::leftcontrolbuttonclick);
    QSignalSpy doubled(&label, &clickQlabel::doubleclick);
    QSignalSpy right(&label, &clickQlabel::rightbuttonclick);
    if (doubleClick) {
        // What the system delivers for a double click.
        const auto b = Qt::MouseButton(button);
        const auto m = Qt::KeyboardModifiers(modifiers);
        QTest::mousePress(&label, b, m);
        QTest::mouseRelease(&label, b, m);
        QTest::mouseDClick(&label, b, m);
        QTest::mouseRelease(&label, b, m);
    } else
        QTest::mouseClick(&label, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers));
    QTEST(int(plain.count()), "plain");
    QTEST(int(control.count()), "control");
    QTEST(int(doubled.count()), "doubled");
    QCOMPARE(right.count(), 0);
}

void TestPortLabels::labelsFollowTheModel_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("26 ports to 5") << 13 << 0;
    QTest::newRow("5 ports to 26") << 0 << 13;
    QTest::newRow("9 ports to 8") << 8 << 17;
}

void TestPortLabels::labelsFollowTheModel()
{
    QFETCH(int, from);
    QFETCH(int, to);
    WindowDriver d;
    d.selectModel(from);
    d.clickPort(2);
    d.selectModel(to);

    const ProductRecord &row = catalogueRow(to);
    QLabel *picture = d.find<QLabel>("label_productImage");
    const QPixmap pixmap = picture->pixmap(Qt::ReturnByValue);
    QCOMPARE(pixmap.size(), QSize(212, 300));
    const QPoint origin = QStyle::alignedRect(Qt::LeftToRight, picture->alignment(), pixmap.size(),
                                              picture->contentsRect())
                              .topLeft();
    int visible = 0;
    for (int i = 0; i < kMaxPorts; ++i) {
        clickQlabel *label = d.portLabel(i);
        if (!label->isVisible())
            continue;
        ++visible;
        QCOMPARE(label->geometry(), row.portRect[i].translated(origin));
        QCOMPARE(label->text(), QStringLiteral("<font color='White'>%1</font>").arg(i + 1));
    }
    QCOMPARE(visible, int(row.portCount));
    QCOMPARE(d.selection(), QString(row.portCount, QLatin1Char('.')));
    QVERIFY(d.radioChecked("radioButton_deselectAll"));
    QCOMPARE(d.cells()->rowCount(), int(row.portCount));
    QCOMPARE(d.cells()->headerData(row.portCount - 1, Qt::Vertical).toString(),
             QStringLiteral("Port %1").arg(row.portCount));
}

void TestPortLabels::labelsStayOnThePictureWhenResized()
{
    WindowDriver d;
    d.selectModel(13);
    QLabel *picture = d.find<QLabel>("label_productImage");
    auto offsetOfPort = [&](int i) {
        const QRect drawn = QStyle::alignedRect(Qt::LeftToRight, picture->alignment(),
                                                QSize(212, 300), picture->contentsRect());
        return d.portLabel(i)->geometry().topLeft() - drawn.topLeft();
    };
    QCOMPARE(offsetOfPort(24), QPoint(117, 86));
    const QSize before = picture->size();
    d.window->resize(1400, 1000);
    QTRY_VERIFY(picture->size() != before);
    QCOMPARE(offsetOfPort(24), QPoint(117, 86));
    QCOMPARE(offsetOfPort(0), QPoint(53, 45));
    // And a click there still reaches the port.
    d.clickPort(24);
    QVERIFY(d.isSelected(24));
}

void TestPortLabels::poeWording()
{
    WindowDriver d;
    QLabel *selectAll = d.find<QLabel>("label_selectAll");
    QLabel *deselectAll = d.find<QLabel>("label_deselectAll");
    QWidget *info = d.find<QWidget>("label_allowedPoEOverride_info");
    QWidget *button = d.find<QWidget>("toolButton_allowedPoEOverride_info");
    QCOMPARE(selectAll->text(), QStringLiteral("Select All\n TP Ports"));

    d.selectModel(17);
    QCOMPARE(selectAll->text(), QStringLiteral("Select All\n PoE Ports"));
    QCOMPARE(deselectAll->text(), QStringLiteral("Deselect All\n PoE Ports"));
    QVERIFY(info->isVisible());
    QVERIFY(button->isVisible() && button->isEnabled());

    d.selectModel(16);
    QCOMPARE(selectAll->text(), QStringLiteral("Select All\n TP Ports"));
    QCOMPARE(deselectAll->text(), QStringLiteral("Deselect All\n TP Ports"));
    QVERIFY(!info->isVisible());
    QVERIFY(!button->isVisible());
}

void TestPortLabels::modelSelectionEmptiesTheGeneralFields()
{
    WindowDriver d;
    d.type("lineEdit_contactName", QStringLiteral("Jo"));
    d.type("lineEdit_location", QStringLiteral("Hall 3"));
    d.type("lineEdit_serialNumber", QStringLiteral("123"));
    d.selectModel(5);
    QVERIFY(d.find<QLineEdit>("lineEdit_contactName")->text().isEmpty());
    QVERIFY(d.find<QLineEdit>("lineEdit_location")->text().isEmpty());
    QVERIFY(d.find<QLineEdit>("lineEdit_serialNumber")->text().isEmpty());
    QCOMPARE(d.find<QLineEdit>("lineEdit_serialFix")->text(), QStringLiteral("613807106"));
    QCOMPARE(d.window->state().serialPrefix, QStringLiteral("613807106-"));
    QCOMPARE(d.config().contactName[0], '\0');
    QCOMPARE(int(d.config().configId), 24);
}

QTEST_MAIN(TestPortLabels)
#include "tst_portlabels.moc"
