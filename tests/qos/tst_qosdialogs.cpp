#include "catalogue/productcatalogue.h"
#include "qos/dialog8021p.h"
#include "qos/dialogdscp.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

// A PoE model after "New".
SwitchConfig freshConfig()
{
    return defaultConfiguration(17);
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

} // namespace

// Both dialogs edit a table of the record: they open on what the record
// holds, OK writes every entry back, Cancel and the close button discard.
class tst_QosDialogs : public QObject
{
    Q_OBJECT

private slots:
    void closing_data();
    void closing();
};

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
