#include "core/config/globalparameters.h"
#include "core/config/portparameters.h"
#include "core/config/textfields.h"

#include <QtTest>

#include <cstring>
#include <type_traits>
#include <utility>

namespace {

// Bytes written with "_" for a zero byte.
QByteArray bytes(const char *pattern)
{
    return QByteArray(pattern).replace('_', '\0');
}

// Stands in for any one field when a record is brace-initialised.
struct AnyField
{
    template<typename T> operator T() const;
};

template<typename T, typename... Fields>
constexpr auto bracesTake(int) -> decltype(T {std::declval<Fields>()...}, true)
{
    return true;
}
template<typename T, typename...> constexpr bool bracesTake(...)
{
    return false;
}

// How many fields the aggregate T has: the most initialisers its braces take.
template<typename T, typename... Fields> constexpr int fieldCount()
{
    if constexpr (bracesTake<T, Fields..., AnyField>(0))
        return fieldCount<T, Fields..., AnyField>();
    else
        return int(sizeof...(Fields));
}

} // namespace

// The record's reset and how the text fields and the aging time are stored
// in it. The default values are checked in the default files of the writer.
class TestSwitchConfig : public QObject
{
    Q_OBJECT

private slots:
    void resetRefillsEverything()
    {
        // Every byte scribbled over: the reset leaves what a fresh record of the
        // model holds, but for the scheme a loaded file may have set.
        SwitchConfig config;
        std::memset(static_cast<void *>(&config), 0x5A, sizeof config);
        config.modelIndex = 0;
        resetToDefaults(config);
        SwitchConfig expected = defaultConfiguration(0);
        expected.trafficClassScheme = config.trafficClassScheme;
        for (int p = expected.portCount(); p < kMaxPorts; ++p)
            expected.ports[p] = config.ports[p]; // ports the model lacks are never used
        QVERIFY(config == expected);
        QCOMPARE(int(config.trafficClassScheme[2]), 0x5A);
        QCOMPARE(int(config.ports[1].poeAdminState), 0); // no PoE on this model
    }

    void everyFieldCountsForUndo()
    {
        // == is what undo and the unsaved-changes marker see: it compares
        // every field of the record and of a port, and each setting a row
        // stores, once changed, makes the record another.
        QCOMPARE(int(std::tuple_size_v<decltype(portTie(PortConfig()))>), fieldCount<PortConfig>());
        QCOMPARE(int(std::tuple_size_v<decltype(configTie(SwitchConfig()))>),
                 fieldCount<SwitchConfig>());
        const SwitchConfig before = defaultConfiguration(17);
        for (int column = 0; column < PortColumn::Count; ++column) {
            for (int port : {0, 7}) {
                SwitchConfig changed = before;
                PortConfig &edited = changed.ports[size_t(port)];
                if (column == PortColumn::AllowedPoEClasses)
                    edited.allowedPoEClasses[0] ^= 1;
                else
                    setPortFieldValue(edited, column, portFieldValue(edited, column) ^ 1);
                QVERIFY2(changed != before, qPrintable(portParameterName(column)));
            }
        }
        for (const GlobalParameter &row : globalParameters()) {
            const int last = row.maxIndex - row.minIndex;
            for (int position : {0, last}) {
                SwitchConfig changed = before;
                if (row.text)
                    (changed.*row.text)[size_t(position)] ^= 1;
                else
                    row.store(changed, position, row.read(changed, position) ^ 1);
                QVERIFY2(changed != before, row.reportName);
            }
        }
    }

    void storeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored"); // in a buffer of nine bytes
        QTest::addColumn<QString>("readBack");
        const auto row = [](const char *name, const QString &text, const char *stored,
                            const QString &readBack) {
            QTest::newRow(name) << text << bytes(stored) << readBack;
        };
        row("short text", "Anna", "Anna_____", "Anna");
        row("code 256 stored as zero", QString("A") + QChar(0x100) + "B", "A_B______", "A");
        row("code 255 kept as one byte", QString(QChar(0xFF)), "\xff________",
            QString(QChar(0xFF)));
        row("longer text is cut", "ABCDEFGHIJK", "ABCDEFGHI", "ABCDEFGHI");
    }

    void storeText()
    {
        QFETCH(QString, text);
        // Old content and a guard byte past the end: the store clears the whole
        // buffer and nothing beyond it; a full buffer is read without a zero.
        QByteArray buffer(10, 'x');
        ::storeText(buffer.data(), 9, text);
        QTEST(buffer.left(9), "stored");
        QCOMPARE(buffer.at(9), 'x');
        QTEST(readText(buffer.constData(), 9), "readBack");
    }

    void fileRelease_data()
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

    void fileRelease()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, text);
        std::array<char, 8> release;
        std::memcpy(release.data(), before.constData(), release.size()); // rows of eight bytes
        applyFileReleaseEdit(release, text);
        QTEST(QByteArray(release.data(), 8), "after");
        QTEST(fileReleaseText(release), "shown");
    }

    void namesOfEverySetting()
    {
        // Every entry of every setting has its own name in each place, with
        // no placeholder left and no warning about one.
        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { warnings << text; });
        QSet<QString> names;
        int entries = 0;
        for (const GlobalParameter &row : globalParameters()) {
            for (int index = row.minIndex; index <= row.maxIndex; ++index) {
                const QString name = globalSettingName(row, index);
                QVERIFY2(!name.contains(QLatin1Char('%')), qPrintable(name));
                QVERIFY(!globalReportName(row, index).contains(QLatin1Char('%')));
                QVERIFY(!globalName(row, index).contains(QLatin1Char('%')));
                names << name;
                ++entries;
            }
        }
        qInstallMessageHandler(previous);
        QCOMPARE(warnings, QStringList());
        QCOMPARE(names.size(), entries);
    }

    void agingTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("seconds");
        QTest::newRow("one above the maximum") << "1048576" << 1048575u;
        QTest::newRow("beyond 64 bits") << "123456789012345678901234567890" << 1048575u;
        QTest::newRow("not a number") << "12a" << 0u;
    }

    void agingTime()
    {
        QFETCH(QString, text);
        QTEST(quint32(numberFromText(text, globalParameter(GlobalId::AgingTime).maxValue)),
              "seconds");
    }
};

QTEST_GUILESS_MAIN(TestSwitchConfig)
#include "tst_switchconfig.moc"
