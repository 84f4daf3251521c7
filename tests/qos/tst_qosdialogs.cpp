#include "config/switchconfig.h"
#include "qos/dialog8021p.h"
#include "qos/dialogdscp.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const char grey[] = "background-color: rgb(144, 144, 144);";

// A 24-port PoE model after "New".
SwitchConfig freshConfig()
{
    SwitchConfig config;
    config.configId = 30;
    config.portKindMask = 0x06;
    config.portSpeedMask = 0x01;
    config.portCount = 24;
    resetToDefaults(config);
    return config;
}

std::unique_ptr<QDialog> makeDialog(const QString &kind, SwitchConfig &config)
{
    if (kind == QLatin1String("8021p"))
        return std::make_unique<Dialog8021p>(config);
    return std::make_unique<DialogDSCP>(config);
}

QComboBox *combo(QDialog &dialog, const QString &name)
{
    return dialog.findChild<QComboBox *>(name);
}

// Where `widget` sits in `layout`, as "row,column".
QString cellOf(QGridLayout *layout, QWidget *widget)
{
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    const int index = layout->indexOf(widget);
    if (index < 0)
        return QString();
    layout->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return QStringLiteral("%1,%2").arg(row).arg(column);
}

} // namespace

class tst_QosDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsDefaults_data();
    void showsDefaults();
    void form8021p();
    void formDscp();
    void readable_data();
    void readable();
    void windowOfDialog_data();
    void windowOfDialog();
    void closing_data();
    void closing();
};

void tst_QosDialogs::initTestCase()
{
    // The font the program runs with; the forms are laid out for it.
    QApplication::setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 8, QFont::Normal, false));
}

void tst_QosDialogs::showsDefaults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QVector<int>>("classes");

    QTest::newRow("802.1p") << "8021p"
                            << "comboBox_tcVlan" << QVector<int> {1, 0, 0, 1, 2, 2, 3, 3};
    QVector<int> dscp;
    for (int d = 0; d < 64; ++d)
        dscp << (d < 8 ? 1 : d < 24 ? 0 : d < 32 ? 1 : d < 48 ? 2 : 3);
    QTest::newRow("DSCP") << "dscp"
                          << "comboBox_tc" << dscp;
}

void tst_QosDialogs::showsDefaults()
{
    QFETCH(QString, kind);
    QFETCH(QString, prefix);
    QFETCH(QVector<int>, classes);

    SwitchConfig config = freshConfig();
    auto dialog = makeDialog(kind, config);
    for (int i = 0; i < classes.size(); ++i) {
        QComboBox *box = combo(*dialog, prefix + QString::number(i));
        QVERIFY2(box, qPrintable(prefix + QString::number(i)));
        QCOMPARE(box->count(), 4);
        QCOMPARE(box->currentText(), QString::number(classes[i]));
    }
}

void tst_QosDialogs::form8021p()
{
    SwitchConfig config = freshConfig();
    Dialog8021p dialog(config);
    QCOMPARE(dialog.objectName(), QStringLiteral("Dialog8021p"));
    QCOMPARE(dialog.size(), QSize(470, 171));

    auto *grid = dialog.findChild<QGridLayout *>(QStringLiteral("gridLayout"));
    QVERIFY(grid);
    QCOMPARE(grid->spacing(), 2);
    QCOMPARE(grid->parentWidget()->objectName(), QStringLiteral("gridLayoutWidget"));

    auto *vlanP = dialog.findChild<QLabel *>(QStringLiteral("label_vLanP"));
    auto *tc = dialog.findChild<QLabel *>(QStringLiteral("label_tc"));
    QVERIFY(vlanP && tc);
    QCOMPARE(vlanP->text(), QStringLiteral("VLAN Priority"));
    QCOMPARE(tc->text(), QStringLiteral("Traffic Class"));
    QCOMPARE(cellOf(grid, vlanP), QStringLiteral("0,0"));
    QCOMPARE(cellOf(grid, tc), QStringLiteral("2,0"));
    for (QLabel *label : {vlanP, tc}) {
        QVERIFY(label->wordWrap());
        QCOMPARE(label->indent(), 10);
    }

    for (int i = 0; i < 8; ++i) {
        auto *label = dialog.findChild<QLabel *>(QStringLiteral("label_tcVlan%1").arg(i));
        QVERIFY(label);
        QCOMPARE(label->text(), QString::number(i));
        QCOMPARE(cellOf(grid, label), QStringLiteral("0,%1").arg(i + 1));
        QCOMPARE(cellOf(grid, combo(dialog, QStringLiteral("comboBox_tcVlan%1").arg(i))),
                 QStringLiteral("2,%1").arg(i + 1));
    }
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    QCOMPARE(labels.size(), 10);
    for (QLabel *label : labels) {
        QCOMPARE(label->styleSheet(), QString::fromLatin1(grey));
        QCOMPARE(label->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    }
}

void tst_QosDialogs::formDscp()
{
    SwitchConfig config = freshConfig();
    DialogDSCP dialog(config);
    QCOMPARE(dialog.objectName(), QStringLiteral("DialogDSCP"));
    QCOMPARE(dialog.size(), QSize(735, 329));

    auto *grid = dialog.findChild<QGridLayout *>(QStringLiteral("gridLayout_2"));
    QVERIFY(grid);
    QCOMPARE(grid->spacing(), 2);
    QCOMPARE(grid->parentWidget()->objectName(), QStringLiteral("gridLayoutWidget_2"));

    const struct
    {
        int labelRow, comboRow;
        const char *valueLabel, *classLabel;
    } blocks[] = {{0, 2, "label_dscpValue1", "label_trafficClass1"},
                  {3, 4, "label_dscpValue2", "label_trafficClass2"},
                  {5, 7, "label_label_dscpValue3", "label_trafficClass3"},
                  {8, 9, "label_label_dscpValue4", "label_trafficClass4"}};
    for (int b = 0; b < 4; ++b) {
        auto *value = dialog.findChild<QLabel *>(QLatin1String(blocks[b].valueLabel));
        auto *trafficClass = dialog.findChild<QLabel *>(QLatin1String(blocks[b].classLabel));
        QVERIFY2(value && trafficClass, blocks[b].valueLabel);
        QCOMPARE(value->text(), QStringLiteral("DSCP Value"));
        QCOMPARE(trafficClass->text(), QStringLiteral("Traffic Class"));
        QCOMPARE(cellOf(grid, value), QStringLiteral("%1,0").arg(blocks[b].labelRow));
        QCOMPARE(cellOf(grid, trafficClass), QStringLiteral("%1,0").arg(blocks[b].comboRow));
        for (int column = 1; column <= 16; ++column) {
            const int d = 16 * b + column - 1;
            const QString labelName =
                QStringLiteral("label_dscp%1").arg(d, 2, 10, QLatin1Char('0'));
            auto *label = dialog.findChild<QLabel *>(labelName);
            QVERIFY2(label, qPrintable(labelName));
            QCOMPARE(label->text(), d == 46 ? QStringLiteral(" 46") : QString::number(d));
            QCOMPARE(cellOf(grid, label),
                     QStringLiteral("%1,%2").arg(blocks[b].labelRow).arg(column));
            QComboBox *box = combo(dialog, QStringLiteral("comboBox_tc%1").arg(d));
            QCOMPARE(cellOf(grid, box),
                     QStringLiteral("%1,%2").arg(blocks[b].comboRow).arg(column));
        }
    }
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    QCOMPARE(labels.size(), 72);
    for (QLabel *label : labels) {
        QCOMPARE(label->styleSheet(), QString::fromLatin1(grey));
        QCOMPARE(label->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    }
}

void tst_QosDialogs::readable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("802.1p") << "8021p";
    QTest::newRow("DSCP") << "dscp";
}

// At the form's size the grid lies inside the dialog, every label shows its
// whole text and every combo box has room for its value and arrow.
void tst_QosDialogs::readable()
{
    QFETCH(QString, kind);

    SwitchConfig config = freshConfig();
    auto dialog = makeDialog(kind, config);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    auto *grid = dialog->findChild<QGridLayout *>();
    QVERIFY(grid);
    QVERIFY(dialog->rect().contains(grid->parentWidget()->geometry()));
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(room, flags, label->text());
        QVERIFY2(room.contains(needed), qPrintable(label->objectName()));
    }
    for (QComboBox *box : dialog->findChildren<QComboBox *>())
        QVERIFY2(box->width() >= box->minimumSizeHint().width(), qPrintable(box->objectName()));
}

void tst_QosDialogs::windowOfDialog_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");

    QTest::newRow("802.1p") << "8021p"
                            << "QoS 802.1 D/p Mapping";
    QTest::newRow("DSCP") << "dscp"
                          << "IP DSCP Mapping";
}

void tst_QosDialogs::windowOfDialog()
{
    QFETCH(QString, kind);
    QFETCH(QString, title);

    SwitchConfig config = freshConfig();
    auto dialog = makeDialog(kind, config);
    QCOMPARE(dialog->windowTitle(), title);
    const Qt::WindowFlags flags = dialog->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));

    auto *box = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(box);
    QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
}

void tst_QosDialogs::closing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("comboName");
    QTest::addColumn<int>("newClass");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("stored");

    for (const char *how : {"ok", "cancel", "close"}) {
        const bool ok = qstrcmp(how, "ok") == 0;
        QTest::addRow("802.1p priority 5 to 0, %s", how) << "8021p"
                                                         << "comboBox_tcVlan5" << 0 << how << ok;
        QTest::addRow("DSCP 46 to 3, %s", how) << "dscp"
                                               << "comboBox_tc46" << 3 << how << ok;
    }
}

void tst_QosDialogs::closing()
{
    QFETCH(QString, kind);
    QFETCH(QString, comboName);
    QFETCH(int, newClass);
    QFETCH(QString, how);
    QFETCH(bool, stored);

    SwitchConfig config = freshConfig();
    SwitchConfig expected = config;
    if (stored) {
        if (kind == QLatin1String("8021p"))
            expected.dot1pTrafficClass[5] = quint8(newClass);
        else
            expected.dscpTrafficClass[46] = quint8(newClass);
    }

    auto dialog = makeDialog(kind, config);
    dialog->open();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QComboBox *box = combo(*dialog, comboName);
    QVERIFY(box);
    QVERIFY(box->currentIndex() != newClass);
    box->setCurrentIndex(newClass);
    QVERIFY(config == freshConfig()); // nothing is written before the dialog closes

    auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    if (how == QLatin1String("ok"))
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    else if (how == QLatin1String("cancel"))
        QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    else
        dialog->close();

    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(stored ? QDialog::Accepted : QDialog::Rejected));
    QVERIFY(config == expected);

    // A new dialog shows what the record holds now.
    const int held =
        kind == QLatin1String("8021p") ? config.dot1pTrafficClass[5] : config.dscpTrafficClass[46];
    auto reopened = makeDialog(kind, config);
    QCOMPARE(combo(*reopened, comboName)->currentIndex(), held);
}

QTEST_MAIN(tst_QosDialogs)
#include "tst_qosdialogs.moc"
