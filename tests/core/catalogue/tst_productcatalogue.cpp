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
        const auto synthetic = [](const char *kinds, quint8 traits, int kindMask, int speedMask,
                                  int fibre) {
            ProductRecord row;
            row.traits = traits;
            row.portKindMask = quint8(kindMask);
            row.portSpeedMask = quint8(speedMask);
            row.portCount = quint8(qstrlen(kinds));
            row.nonTpPortCount = quint8(fibre);
            QTest::newRow(kinds) << row << QString(kinds);
        };
        // The fifth of exactly five twisted-pair ports has no PoE.
        synthetic("PPPPC", ModelTrait::None, 0x06, 0x01, 0);
        synthetic("QQQQGH", ModelTrait::None, 0x04, 0x02, 1);
        synthetic("PPPPPP", ModelTrait::None, 0x06, 0x01, 0);
        synthetic("CQQQ", ModelTrait::Port1WithoutPoE, 0x06, 0x02, 0);
    }

    void portKinds()
    {
        QFETCH(ProductRecord, row);
        QFETCH(QString, kinds);
        SwitchConfig config;
        setModelIdentity(config, row);
        QString letters;
        for (int p = 0; p <= row.portCount; ++p) // one past the model
            letters += QLatin1Char("-CPGQFH"[portKindOf(row, config, p)]);
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

    void portRectanglesFitThePicture()
    {
        // Every label lies on the 212 x 300 picture and no two labels of a model
        // overlap, or a click could not tell the ports apart.
        for (int index = 0; index < kCatalogueSize; ++index) {
            const ProductRecord &row = catalogueRow(index);
            for (int i = 0; i < row.portCount; ++i) {
                const QRect r = row.portRect[i];
                QVERIFY(QRect(0, 0, 212, 300).contains(r) && r.width() >= 16 && r.height() >= 16);
                for (int j = 0; j < i; ++j)
                    QVERIFY2(!r.intersects(row.portRect[j]), qPrintable(row.modelName));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestProductCatalogue)
#include "tst_productcatalogue.moc"
