#include "core/catalogue/portnavigation.h"
#include "core/catalogue/productcatalogue.h"

#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(ProductRecord)

class TestProductCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void portKinds_data()
    {
        QTest::addColumn<ProductRecord>("row");
        QTest::addColumn<QString>(
            "kinds"); // C P G Q fast/gigabit copper without/with PoE, F H fibre
        const auto catalogue = [](int index, const char *kinds) {
            QTest::addRow("row %d", index) << catalogueRow(index) << QString(kinds);
        };
        catalogue(14, "CCCCCCCCCCCCCCCCCCCCCCCCFF"); // kind bit 0x01 changes nothing
        const auto synthetic = [](const char *kinds, quint32 withoutPoE, int kindMask,
                                  int speedMask, int fibre) {
            ProductRecord row;
            row.portsWithoutPoE = withoutPoE;
            row.portKindMask = quint8(kindMask);
            row.portSpeedMask = quint8(speedMask);
            row.portCount = quint8(qstrlen(kinds));
            row.nonTpPortCount = quint8(fibre);
            QTest::newRow(kinds) << row << QString(kinds);
        };
        // The ports a PoE model lists without PoE are copper of its speed.
        synthetic("PPPPC", portBit(4), 0x06, 0x01, 0);
        synthetic("QQQQGH", portBit(4), 0x04, 0x02, 1);
        synthetic("PPPPPP", 0, 0x06, 0x01, 0);
        synthetic("GQQQ", portBit(0), 0x06, 0x02, 0);
    }

    void portKinds()
    {
        QFETCH(ProductRecord, row);
        QFETCH(QString, kinds);
        QString letters;
        for (int p = 0; p <= row.portCount; ++p) // one past the model
            letters += QLatin1Char("-CPGQFH"[portKindOf(row, p)]);
        QCOMPARE(letters, kinds + '-');
    }

    void configIdLookup()
    {
        // A file names only the configId: every row with it is offered once, in
        // table order, the first is the one read unless another is preferred,
        // and a load finds each row.
        int offered = 0;
        for (int index = 0; index < kCatalogueSize; ++index) {
            const int configId = catalogueRow(index).configId;
            const QVector<int> rows = rowsWithConfigId(configId);
            QVERIFY(rows.contains(index) && std::is_sorted(rows.begin(), rows.end()));
            for (const int row : rows)
                QCOMPARE(int(catalogueRow(row).configId), configId);
            offered += rows.first() == index ? rows.size() : 0;
            QCOMPARE(rowForConfigId(configId, -1), rows.first());
            QCOMPARE(rowForConfigId(configId, index), index);
        }
        QCOMPARE(offered, kCatalogueSize);
        QCOMPARE(rowForConfigId(21, 0), -1); // a picture number, no model
        QVERIFY(rowsWithConfigId(21).isEmpty());
        // A variant appended at the end joins the rows sharing its ID.
        const int configId = catalogueRow(5).configId;
        std::vector<ProductRecord> grown = ProductCatalogue;
        grown.push_back(catalogueRow(5));
        QCOMPARE(rowsWithConfigId(grown, configId), rowsWithConfigId(configId) << kCatalogueSize);
        QCOMPARE(int(catalogueRow(kCatalogueSize).portCount), 0);
    }

    void rowsFitTheirHardware()
    {
        // Every label lies on the 212 x 300 picture and no two labels of a model
        // overlap, or a click could not tell the ports apart. Of exactly five
        // twisted-pair ports of a PoE model, the fifth has no PoE.
        for (int index = 0; index < kCatalogueSize; ++index) {
            const ProductRecord &row = catalogueRow(index);
            if (row.hasPoEPorts() && row.twistedPairCount() == 5)
                QVERIFY2(row.lacksPoE(4), qPrintable(row.modelName));
            for (int i = 0; i < row.portCount; ++i) {
                const QRect r = row.portRect[i];
                QVERIFY(QRect(0, 0, 212, 300).contains(r) && r.width() >= 16 && r.height() >= 16);
                for (int j = 0; j < i; ++j)
                    QVERIFY2(!r.intersects(row.portRect[j]), qPrintable(row.modelName));
            }
        }
    }
    void keyboardStepsOnThePicture_data()
    {
        // From a port (numbered as on the picture), the keys L R U D H E in
        // turn and the port each one reaches.
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("reached");
        const auto steps = [](const char *name, int model, int start, const char *keys,
                              QList<int> reached) {
            QTest::newRow(name) << model << start << QString(keys) << reached;
        };
        steps("one column", 0, 1, "LDDDDDUHER", {1, 2, 3, 4, 5, 5, 4, 1, 5, 5});
        steps("two columns", 2, 1, "RDDLUUE", {2, 4, 6, 5, 3, 1, 16});
        steps("copper and fibre", 8, 5, "URDDUL", {3, 4, 6, 9, 8, 7});
        steps("fibre above copper", 13, 23, "UUDDRD", {25, 26, 25, 23, 24, 22});
        steps("no column beside", 13, 24, "UDL", {25, 23, 22});
        steps("two columns of four", 16, 4, "DRUUUUU", {4, 5, 5, 5, 5, 5, 5});
    }

    void keyboardStepsOnThePicture()
    {
        QFETCH(int, model);
        QFETCH(int, start);
        QFETCH(QString, keys);
        QFETCH(QList<int>, reached);
        const ProductRecord &row = catalogueRow(model);
        const QVector<QRect> ports(row.portRect.begin(), row.portRect.begin() + row.portCount);
        const QString letters = QStringLiteral("LRUDHE");
        int port = start - 1;
        QList<int> ends;
        for (QChar key : keys) {
            port = portAfterStep(ports, port, PortStep(letters.indexOf(key)));
            ends << port + 1;
        }
        QCOMPARE(ends, reached);
        QCOMPARE(portAfterStep({}, 0, PortStep::Next), -1);
    }
};

QTEST_GUILESS_MAIN(TestProductCatalogue)
#include "tst_productcatalogue.moc"
