#include "../bytebuffers.h"
#include "config/textfields.h"

#include <QtTest>

#include <cstring>

namespace {

// The eight release bytes from a literal that may hold zeros.
std::array<char, 8> releaseBytes(const QByteArray &bytes)
{
    std::array<char, 8> result {};
    std::memcpy(result.data(), bytes.constData(), std::min<size_t>(8, bytes.size()));
    return result;
}

} // namespace

class tst_TextFields : public QObject
{
    Q_OBJECT

private slots:
    void storeText_data();
    void storeText();
    void readTextStopsAtBufferEnd();
    void fileReleaseEdit_data();
    void fileReleaseEdit();
    void fileReleaseText_data();
    void fileReleaseText();
    void agingTime_data();
    void agingTime();
};

void tst_TextFields::storeText_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("contact of ten characters")
        << 100 << "Anna Meyer" << QByteArray("Anna Meyer") << "Anna Meyer";
    QTest::newRow("empty text clears") << 100 << "" << QByteArray() << "";
    const QString wide = QLatin1String("A") + QChar(0x100) + QLatin1String("B");
    QTest::newRow("code 256 stored as zero") << 100 << wide << bytes("A_B") << "A";
    QTest::newRow("code 255 kept as one byte")
        << 9 << QString(QChar(0xFF)) << QByteArray("\xff") << QString::fromLocal8Bit("\xff");
    QTest::newRow("nine-character id fills the buffer")
        << 9 << "AB12CD34E" << QByteArray("AB12CD34E") << "AB12CD34E";
    QTest::newRow("longer text is cut")
        << 9 << "ABCDEFGHIJK" << QByteArray("ABCDEFGHI") << "ABCDEFGHI";
}

void tst_TextFields::storeText()
{
    QFETCH(int, size);
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    QFETCH(QString, readBack);

    // Old content and a guard byte past the end: the store must clear the
    // whole buffer and nothing beyond it.
    QByteArray buffer(size + 1, 'x');
    ::storeText(buffer.data(), size, text);

    QByteArray expected = stored;
    expected.append(QByteArray(size - stored.size(), '\0'));
    expected.append('x');
    QCOMPARE(buffer, expected);
    QCOMPARE(readText(buffer.constData(), size), readBack);
}

void tst_TextFields::readTextStopsAtBufferEnd()
{
    std::array<char, 9> componentId {};
    ::storeText(componentId, QStringLiteral("X00000009"));
    QCOMPARE(readText(componentId), QStringLiteral("X00000009"));

    // Bytes after a full buffer are not part of the text.
    const char memory[] = "123456789TAIL";
    QCOMPARE(readText(memory, 9), QStringLiteral("123456789"));
    QCOMPARE(readText(memory, 0), QString());
}

void tst_TextFields::fileReleaseEdit_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("after");

    const QByteArray full = bytes("12345___");
    QTest::newRow("typed into zero bytes") << bytes("________") << "12.3.45" << full;
    QTest::newRow("first group shortened") << full << "1.3.45" << bytes("1_345___");
    QTest::newRow("last group deleted keeps its bytes") << full << "12.3" << full;
    QTest::newRow("only the first group keeps the rest") << full << "12" << full;
    QTest::newRow("field emptied clears the first group") << full << "" << bytes("__345___");
    QTest::newRow("empty third group") << full << "12.3." << bytes("123_____");
    QTest::newRow("empty second group") << full << "12..45" << bytes("12_45___");
    QTest::newRow("one-digit groups") << bytes("________") << "1.2.3" << bytes("1_23____");
    QTest::newRow("bytes 5 to 7 untouched") << bytes("_____abc") << "9.8.76" << bytes("9_876abc");
}

void tst_TextFields::fileReleaseEdit()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, text);
    QFETCH(QByteArray, after);

    std::array<char, 8> bytes = releaseBytes(before);
    applyFileReleaseEdit(bytes, text);
    QCOMPARE(bytesOf(bytes), after);
}

void tst_TextFields::fileReleaseText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("all groups full") << bytes("12345") << "12.3.45";
    QTest::newRow("one-digit groups") << bytes("1_23_") << "1.2.3";
    QTest::newRow("nothing typed") << QByteArray() << "";
    QTest::newRow("first group only") << bytes("12") << "12";
    QTest::newRow("first and second group") << bytes("123") << "12.3";
}

void tst_TextFields::fileReleaseText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QCOMPARE(::fileReleaseText(releaseBytes(bytes)), text);
}

void tst_TextFields::agingTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("seconds");

    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("leading zeros") << "007" << 7u;
    QTest::newRow("default") << "300" << 300u;
    QTest::newRow("maximum") << "1048575" << 1048575u;
    QTest::newRow("one above the maximum") << "1048576" << 1048575u;
    QTest::newRow("seven nines") << "9999999" << 1048575u;
    QTest::newRow("beyond 64 bits") << "123456789012345678901234567890" << 1048575u;
    QTest::newRow("not a number") << "12a" << 0u;
    QTest::newRow("negative") << "-5" << 0u;
}

void tst_TextFields::agingTime()
{
    QFETCH(QString, text);
    QFETCH(quint32, seconds);
    QCOMPARE(agingTimeFromText(text), seconds);
}

QTEST_GUILESS_MAIN(tst_TextFields)
#include "tst_textfields.moc"
