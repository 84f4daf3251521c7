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
    void rows_data();
    void rows();
    void portKinds_data();
    void portKinds();
    void syntheticPoEModels_data();
    void syntheticPoEModels();
    void configIdLookup_data();
    void configIdLookup();
    void outOfRangeRows();
    void portRectanglesFitThePicture();
    void givenPortRectangles();
};

void TestProductCatalogue::rows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("article");
    QTest::addColumn<int>("configId");
    QTest::addColumn<int>("kindMask");
    QTest::addColumn<int>("speedMask");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("ports");
    QTest::addColumn<int>("fibre");
    QTest::addColumn<int>("jumbo");

    struct R
    {
        const char *name, *article;
        int id, kind, speed;
        const char *picture;
        int ports, fibre, jumbo;
    };
    const R rows[] = {
        {"TAVRIN-KX-21-05C4000000", "613807101", 16, 0x02, 0x01, "Model16.png", 5, 0, 1},
        {"TAVRIN-KX-21-08C4000000", "613807102", 17, 0x02, 0x01, "Model17.png", 8, 0, 1},
        {"TAVRIN-KX-21-16C4000000", "613807103", 18, 0x02, 0x01, "Model21.png", 16, 0, 1},
        {"TAVRIN-KX-61-05C4000000", "613807104", 19, 0x02, 0x02, "Model19.png", 5, 0, 1},
        {"TAVRIN-KX-61-08C4000000", "613807105", 20, 0x02, 0x02, "Model20.png", 8, 0, 1},
        {"TAVRIN-KX-21-04C4F30000", "613807106", 24, 0x02, 0x01, "Model24.png", 5, 1, 1},
        {"TAVRIN-KX-21-04C4F50000", "613807107", 24, 0x02, 0x01, "Model25.png", 5, 1, 1},
        {"TAVRIN-KX-21-04C4H30000", "613807108", 24, 0x02, 0x01, "Model26.png", 5, 1, 1},
        {"TAVRIN-KX-21-06C4R7R7R7", "613807109", 27, 0x02, 0x01, "Model27.png", 9, 3, 0},
        {"TAVRIN-KX-21-08C4F30000", "613807110", 28, 0x02, 0x01, "Model28.png", 9, 1, 1},
        {"TAVRIN-KX-21-08C4H30000", "613807111", 28, 0x02, 0x01, "Model29.png", 9, 1, 1},
        {"TAVRIN-KX-21-07C4F3F300", "613807112", 30, 0x02, 0x01, "Model30.png", 9, 2, 0},
        {"TAVRIN-KX-21-07C4H3H300", "613807113", 30, 0x02, 0x01, "Model31.png", 9, 2, 0},
        {"TAVRIN KX-21-24C4R7R700", "613807114", 32, 0x02, 0x01, "Model32.png", 26, 2, 1},
        {"TAVRIN KX-41-24C4G7G700", "613807999", 32, 0x03, 0x01, "Model32.png", 26, 2, 1},
        {"TAVRIN-KX-61-04C4G70000", "613807116", 34, 0x02, 0x02, "Model34.png", 5, 1, 1},
        {"MERANTE 8CX-LVD", "613820001", 100, 0x0A, 0x01, "Model100.png", 8, 0, 1},
        {"MERANTE 8CX PoE-LVD", "613821001", 101, 0x0E, 0x01, "Model101.png", 8, 0, 1},
    };
    QCOMPARE(int(std::size(rows)), kCatalogueSize);
    for (int i = 0; i < kCatalogueSize; ++i) {
        const R &r = rows[i];
        QTest::addRow("row %d", i + 1)
            << i << QString::fromLatin1(r.name) << QString::fromLatin1(r.article) << r.id << r.kind
            << r.speed << QStringLiteral(":/ProductImage/") + r.picture << r.ports << r.fibre
            << r.jumbo;
    }
}

void TestProductCatalogue::rows()
{
    QFETCH(int, index);
    const ProductRecord &row = catalogueRow(index);
    QTEST(row.modelName, "name");
    QTEST(articleNumber(index), "article");
    QTEST(int(row.configId), "configId");
    QTEST(int(row.portKindMask), "kindMask");
    QTEST(int(row.portSpeedMask), "speedMask");
    QTEST(row.imagePath, "picture");
    QTEST(int(row.portCount), "ports");
    QTEST(int(row.nonTpPortCount), "fibre");
    QTEST(int(row.jumboFrameSupport), "jumbo");
}

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

void TestProductCatalogue::givenPortRectangles()
{
    const ProductRecord &five = catalogueRow(0);
    QCOMPARE(five.portRect[3], QRect(94, 152, 24, 32));
    QCOMPARE(five.portRect[4], QRect(94, 222, 24, 31));

    const ProductRecord &large = catalogueRow(13);
    QCOMPARE(large.portRect[0], QRect(53, 45, 22, 24));
    QCOMPARE(large.portRect[15], QRect(76, 226, 22, 25));
    QCOMPARE(large.portRect[16], QRect(114, 224, 22, 25));
    QCOMPARE(large.portRect[19], QRect(137, 199, 22, 24));
    QCOMPARE(large.portRect[23], QRect(137, 147, 22, 25));
    QCOMPARE(large.portRect[24], QRect(117, 86, 17, 25));
    QCOMPARE(large.portRect[25], QRect(117, 43, 17, 25));
    QCOMPARE(catalogueRow(14).portRect, large.portRect);

    const ProductRecord &eight = catalogueRow(16);
    QCOMPARE(eight.portRect[0], QRect(74, 27, 20, 20));
    QCOMPARE(eight.portRect[7], QRect(119, 147, 20, 20));
}

QTEST_GUILESS_MAIN(TestProductCatalogue)
#include "tst_productcatalogue.moc"
