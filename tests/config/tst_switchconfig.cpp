#include "catalogue/productcatalogue.h"
#include "config/textfields.h"

#include <QtTest>

#include <cstring>

namespace {

// Bytes written with "_" for a zero byte.
QByteArray bytes(const char *pattern)
{
    return QByteArray(pattern).replace('_', '\0');
}

std::array<char, 8> releaseBytes(const QByteArray &pattern)
{
    std::array<char, 8> result {};
    std::memcpy(result.data(), pattern.constData(), std::min<size_t>(8, pattern.size()));
    return result;
}

} // namespace

// The record's reset and the rules by which the text fields and the aging
// time are stored in it. The default values themselves are checked in the
// default files the writer produces.
class TestSwitchConfig : public QObject
{
    Q_OBJECT

private slots:
    void resetRefillsEverything_data();
    void resetRefillsEverything();
    void storeText_data();
    void storeText();
    void fileRelease_data();
    void fileRelease();
    void agingTime_data();
    void agingTime();
};

void TestSwitchConfig::resetRefillsEverything_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("5 ports") << 0;
    QTest::newRow("26 ports") << 13;
    QTest::newRow("PoE") << 17;
}

void TestSwitchConfig::resetRefillsEverything()
{
    // Every byte scribbled over: the reset leaves what a fresh record of the
    // model holds, but for the scheme a loaded file may have set.
    QFETCH(int, row);
    SwitchConfig config;
    std::memset(static_cast<void *>(&config), 0x5A, sizeof config);
    setModelIdentity(config, catalogueRow(row));
    resetToDefaults(config);
    SwitchConfig expected = defaultConfiguration(row);
    expected.trafficClassScheme = config.trafficClassScheme;
    for (int p = expected.portCount; p < kMaxPorts; ++p)
        expected.ports[p] = config.ports[p]; // ports the model lacks are never used
    QVERIFY(config == expected);
    QCOMPARE(int(config.trafficClassScheme[2]), 0x5A);
    QCOMPARE(int(config.ports[1].poeAdminState), int(config.hasPoE())); // on where there is PoE
}

void TestSwitchConfig::storeText_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("contact") << 100 << "Anna Meyer" << QByteArray("Anna Meyer") << "Anna Meyer";
    QTest::newRow("empty text clears") << 100 << "" << QByteArray() << "";
    QTest::newRow("code 256 stored as zero")
        << 100 << QString("A") + QChar(0x100) + "B" << bytes("A_B") << "A";
    QTest::newRow("code 255 kept as one byte")
        << 9 << QString(QChar(0xFF)) << QByteArray("\xff") << QString::fromLocal8Bit("\xff");
    QTest::newRow("nine characters fill the buffer")
        << 9 << "AB12CD34E" << QByteArray("AB12CD34E") << "AB12CD34E";
    QTest::newRow("longer text is cut")
        << 9 << "ABCDEFGHIJK" << QByteArray("ABCDEFGHI") << "ABCDEFGHI";
}

void TestSwitchConfig::storeText()
{
    QFETCH(int, size);
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    // Old content and a guard byte past the end: the store clears the whole
    // buffer and nothing beyond it; a full buffer is read without a zero.
    QByteArray buffer(size + 1, 'x');
    ::storeText(buffer.data(), size, text);
    QCOMPARE(buffer, stored + QByteArray(size - stored.size(), '\0') + 'x');
    QTEST(readText(buffer.constData(), size), "readBack");
}

void TestSwitchConfig::fileRelease_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("shown");
    const QByteArray full = bytes("12345___");
    QTest::newRow("typed") << bytes("________") << "12.3.45" << full << "12.3.45";
    QTest::newRow("first group shortened") << full << "1.3.45" << bytes("1_345___") << "1.3.45";
    QTest::newRow("missing groups keep their bytes") << full << "12" << full << "12.3.45";
    QTest::newRow("empty third group") << full << "12.3." << bytes("123_____") << "12.3";
    QTest::newRow("group too long") << full << "12.34.5" << bytes("12_5____") << "12.5";
    QTest::newRow("bytes 5 to 7 kept")
        << bytes("_____abc") << "9.8.76" << bytes("9_876abc") << "9.8.76";
}

void TestSwitchConfig::fileRelease()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, text);
    std::array<char, 8> release = releaseBytes(before);
    applyFileReleaseEdit(release, text);
    QTEST(QByteArray(release.data(), 8), "after");
    QTEST(fileReleaseText(release), "shown");
}

void TestSwitchConfig::agingTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("seconds");
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("leading zeros") << "007" << 7u;
    QTest::newRow("maximum") << "1048575" << 1048575u;
    QTest::newRow("one above the maximum") << "1048576" << 1048575u;
    QTest::newRow("beyond 64 bits") << "123456789012345678901234567890" << 1048575u;
    QTest::newRow("not a number") << "12a" << 0u;
    QTest::newRow("negative") << "-5" << 0u;
}

void TestSwitchConfig::agingTime()
{
    QFETCH(QString, text);
    QTEST(agingTimeFromText(text), "seconds");
}

QTEST_GUILESS_MAIN(TestSwitchConfig)
#include "tst_switchconfig.moc"
