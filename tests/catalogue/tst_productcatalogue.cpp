#include "catalogue/productcatalogue.h"

#include <QtTest>

namespace {

// One letter per port: C CopperFast, P CopperFastPoE, G CopperGigabit,
// Q CopperGigabitPoE, F FibreFast, H FibreGigabit, - NoPort.
QString kindLetters(const ProductRecord &row, const SwitchConfig &config, int first, int last)
{
    QString letters;
    for (int p = first; p <= last; ++p)
        letters += QLatin1Char("-CPGQFH"[portKindOf(row, config, p)]);
    return letters;
}

} // namespace

class TestProductCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void portKinds_data();
    void portKinds();
    void syntheticPoEModels_data();
    void syntheticPoEModels();
    void configIdLookup_data();
    void configIdLookup();
    void outOfRangeRows();
    void portRectanglesFitThePicture();
};

void TestProductCatalogue::portKinds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("kinds"); // ports 0..portCount, the last one past the model

    QTest::newRow("5 fast copper") << 0 << "CCCCC-";
    QTest::newRow("16 fast copper") << 2 << "CCCCCCCCCCCCCCCC-";
    QTest::newRow("5 gigabit copper") << 3 << "GGGGG-";
    QTest::newRow("4 copper + fast fibre") << 5 << "CCCCF-";
    QTest::newRow("6 copper + 3 fibre") << 8 << "CCCCCCFFF-";
    QTest::newRow("7 copper + 2 fibre") << 11 << "CCCCCCCFF-";
    QTest::newRow("24 copper + 2 fibre") << 13 << "CCCCCCCCCCCCCCCCCCCCCCCCFF-";
    QTest::newRow("kind bit 0x01 changes nothing") << 14 << "CCCCCCCCCCCCCCCCCCCCCCCCFF-";
    QTest::newRow("4 gigabit copper + gigabit fibre") << 15 << "GGGGH-";
    QTest::newRow("8 copper, no alarms") << 16 << "CCCCCCCC-";
    QTest::newRow("PoE model: port 1 without PoE") << 17 << "CPPPPPPP-";
}

void TestProductCatalogue::portKinds()
{
    QFETCH(int, index);
    const ProductRecord &row = catalogueRow(index);
    SwitchConfig config;
    setModelIdentity(config, row);
    QTEST(kindLetters(row, config, 0, row.portCount), "kinds");
    // Far past the model, and a negative index that counts as fibre.
    QCOMPARE(portKindOf(row, config, 31), NoPort);
    QCOMPARE(portKindOf(row, config, 1000), NoPort);
    QCOMPARE(portKindOf(row, config, -1), row.portSpeedMask & 1 ? FibreFast : FibreGigabit);
}

void TestProductCatalogue::syntheticPoEModels_data()
{
    QTest::addColumn<int>("configId");
    QTest::addColumn<int>("kindMask");
    QTest::addColumn<int>("speedMask");
    QTest::addColumn<int>("ports");
    QTest::addColumn<int>("fibre");
    QTest::addColumn<QString>("kinds");

    // The fifth of exactly five twisted-pair ports has no PoE.
    QTest::newRow("5 PoE fast") << 40 << 0x06 << 0x01 << 5 << 0 << "PPPPC";
    QTest::newRow("5 PoE gigabit") << 40 << 0x04 << 0x02 << 5 << 0 << "QQQQG";
    QTest::newRow("5 PoE + fibre") << 40 << 0x06 << 0x01 << 6 << 1 << "PPPPCF";
    QTest::newRow("6 PoE fast") << 40 << 0x06 << 0x01 << 6 << 0 << "PPPPPP";
    QTest::newRow("gigabit PoE id 101") << 101 << 0x06 << 0x02 << 4 << 0 << "CQQQ";
    QTest::newRow("no speed class") << 40 << 0x06 << 0x00 << 3 << 1 << "---";
    QTest::newRow("no speed class id 101") << 101 << 0x06 << 0x00 << 3 << 0 << "C--";
    QTest::newRow("no copper bits") << 40 << 0x01 << 0x01 << 3 << 1 << "--F";
}

void TestProductCatalogue::syntheticPoEModels()
{
    QFETCH(int, configId);
    QFETCH(int, kindMask);
    QFETCH(int, speedMask);
    QFETCH(int, ports);
    QFETCH(int, fibre);
    ProductRecord row;
    row.configId = quint8(configId);
    row.portKindMask = quint8(kindMask);
    row.portSpeedMask = quint8(speedMask);
    row.portCount = quint8(ports);
    row.nonTpPortCount = quint8(fibre);
    SwitchConfig config;
    setModelIdentity(config, row);
    QTEST(kindLetters(row, config, 0, ports - 1), "kinds");
}

void TestProductCatalogue::configIdLookup_data()
{
    QTest::addColumn<int>("configId");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");

    QTest::newRow("16") << 16 << 0 << 1;
    QTest::newRow("24 three variants") << 24 << 5 << 3;
    QTest::newRow("28") << 28 << 9 << 2;
    QTest::newRow("30") << 30 << 11 << 2;
    QTest::newRow("32") << 32 << 13 << 2;
    QTest::newRow("101") << 101 << 17 << 1;
    QTest::newRow("unknown") << 21 << -1 << 0;
    QTest::newRow("zero") << 0 << -1 << 0;
}

void TestProductCatalogue::configIdLookup()
{
    QFETCH(int, configId);
    QTEST(firstRowWithConfigId(configId), "first");
    QTEST(rowCountWithConfigId(configId), "count");
}

void TestProductCatalogue::outOfRangeRows()
{
    QCOMPARE(int(catalogueRow(-1).portCount), 0);
    QCOMPARE(int(catalogueRow(kCatalogueSize).portCount), 0);
    QVERIFY(articleNumber(kCatalogueSize).isEmpty());
}

void TestProductCatalogue::portRectanglesFitThePicture()
{
    // The pictures are 212 x 300; every port label must lie on the picture
    // and no two labels of one model may overlap, or a click could not
    // tell the ports apart.
    const QRect picture(0, 0, 212, 300);
    for (int index = 0; index < kCatalogueSize; ++index) {
        const ProductRecord &row = catalogueRow(index);
        for (int i = 0; i < row.portCount; ++i) {
            const QRect r = row.portRect[i];
            QVERIFY2(picture.contains(r),
                     qPrintable(QStringLiteral("row %1 port %2").arg(index + 1).arg(i + 1)));
            QVERIFY(r.width() >= 16 && r.height() >= 16);
            for (int j = 0; j < i; ++j)
                QVERIFY2(
                    !r.intersects(row.portRect[j]),
                    qPrintable(
                        QStringLiteral("row %1 ports %2/%3").arg(index + 1).arg(j + 1).arg(i + 1)));
        }
    }
}

QTEST_GUILESS_MAIN(TestProductCatalogue)
#include "tst_productcatalogue.moc"
