// The two QoS mapping dialogs over a record of their own: every entry of
// the table is shown, and OK writes every entry back.
#include "config/switchconfig.h"
#include "qos/dialog8021p.h"
#include "qos/dialogdscp.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

template<std::size_t N> QString digits(const std::array<quint8, N> &table)
{
    QString text;
    for (quint8 trafficClass : table)
        text += QString::number(trafficClass);
    return text;
}

// The entries of one dialog's table as the record holds them.
QString tableOf(const SwitchConfig &config, bool dscp)
{
    return dscp ? digits(config.dscpTrafficClass) : digits(config.dot1pTrafficClass);
}

} // namespace

class TestQosDialogs : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryShownAndWritten_data();
    void everyEntryShownAndWritten();
};

void TestQosDialogs::everyEntryShownAndWritten_data()
{
    QTest::addColumn<bool>("dscp");
    QTest::addColumn<QString>("comboPrefix");
    QTest::newRow("802.1p") << false << "comboBox_tcVlan";
    QTest::newRow("DSCP") << true << "comboBox_tc";
}

void TestQosDialogs::everyEntryShownAndWritten()
{
    QFETCH(bool, dscp);
    QFETCH(QString, comboPrefix);
    SwitchConfig config;
    for (size_t i = 0; i < config.dscpTrafficClass.size(); ++i)
        config.dscpTrafficClass[i] = config.dot1pTrafficClass[i % 8] = quint8((i * 7 + 1) % 4);
    const QString before = tableOf(config, dscp);
    const std::unique_ptr<QDialog> dialog(dscp ? static_cast<QDialog *>(new DialogDSCP(config))
                                               : new Dialog8021p(config));

    // Each combo box shows its entry; the user moves each one on by one.
    QString shown;
    QString chosen;
    for (int i = 0; i < before.size(); ++i) {
        auto *combo = dialog->findChild<QComboBox *>(comboPrefix + QString::number(i));
        QVERIFY2(combo, qPrintable(comboPrefix + QString::number(i)));
        shown += QString::number(combo->currentIndex());
        combo->setCurrentIndex((combo->currentIndex() + 1) % 4);
        chosen += QString::number(combo->currentIndex());
    }
    QCOMPARE(shown, before);
    dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
        ->button(QDialogButtonBox::Ok)
        ->click();
    QCOMPARE(tableOf(config, dscp), chosen);
}

QTEST_MAIN(TestQosDialogs)
#include "tst_qosdialogs.moc"
