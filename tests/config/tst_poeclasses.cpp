#include "config/poeclasses.h"

#include <QtTest>

Q_DECLARE_METATYPE(ClassesEdit::Outcome)

class TestPoEClasses : public QObject
{
    Q_OBJECT

private slots:
    void normalize_data();
    void normalize();
    void typingSequences_data();
    void typingSequences();
    void listTexts();
};

void TestPoEClasses::normalize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lastAccepted");
    QTest::addColumn<ClassesEdit::Outcome>("outcome");
    QTest::addColumn<QString>("result");

    QTest::newRow("empty keeps the classes") << ""
                                             << "0,1" << ClassesEdit::Ignore << "";
    QTest::newRow("one digit") << "3"
                               << "" << ClassesEdit::Accept << "3";
    QTest::newRow("digit after digit gets a comma") << "01"
                                                    << "0" << ClassesEdit::Replace << "0,1";
    QTest::newRow("repeated class") << "00"
                                    << "0" << ClassesEdit::Replace << "0";
    QTest::newRow("repeated class later") << "0,12"
                                          << "0,1" << ClassesEdit::Replace << "0,1,2";
    QTest::newRow("repeated class later refused") << "0,11"
                                                  << "0,1" << ClassesEdit::Replace << "0,1";
    QTest::newRow("typed comma dropped") << "0,"
                                         << "0" << ClassesEdit::Replace << "0";
    QTest::newRow("comma at odd length stays") << "0,1,"
                                               << "0,1" << ClassesEdit::Replace << "0,1";
    QTest::newRow("lone comma") << ","
                                << "" << ClassesEdit::Replace << "";
    QTest::newRow("pasted digits") << "123"
                                   << "0,4" << ClassesEdit::Replace << "0,4";
    QTest::newRow("digit 5 removed") << "0,5"
                                     << "0" << ClassesEdit::Replace << "0,";
    QTest::newRow("dash removed") << "1-"
                                  << "1" << ClassesEdit::Replace << "1";
    QTest::newRow("all five") << "0,1,2,3,4"
                              << "0,1,2,3" << ClassesEdit::Accept << "0,1,2,3,4";
    QTest::newRow("ten characters") << "0,1,2,3,4,"
                                    << "0,1,2,3,4" << ClassesEdit::Replace << "0,1,2,3,4";
    QTest::newRow("other order") << "4,2,0"
                                 << "4,2" << ClassesEdit::Accept << "4,2,0";
}

void TestPoEClasses::normalize()
{
    QFETCH(QString, text);
    QFETCH(QString, lastAccepted);
    const ClassesEdit edit = normalizeClassesText(text, lastAccepted);
    QTEST(edit.outcome, "outcome");
    if (edit.outcome != ClassesEdit::Ignore)
        QTEST(edit.text, "result");
}

void TestPoEClasses::typingSequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("final");

    QTest::newRow("0 0 1") << "001"
                           << "0,1";
    QTest::newRow("0 1 2 3 4") << "01234"
                               << "0,1,2,3,4";
    QTest::newRow("commas typed") << "0,1,2"
                                  << "0,1,2";
    QTest::newRow("one more than five") << "012340"
                                        << "0,1,2,3,4";
    QTest::newRow("4 3") << "43"
                         << "4,3";
}

void TestPoEClasses::typingSequences()
{
    // A field that applies each outcome as the line edit does: a
    // replacement becomes the text and is checked again.
    QFETCH(QString, keys);
    QString text;
    QString lastAccepted;
    for (QChar key : keys) {
        QString candidate = text + key;
        for (int guard = 0; guard < 4; ++guard) {
            const ClassesEdit edit = normalizeClassesText(candidate, lastAccepted);
            if (edit.outcome == ClassesEdit::Ignore)
                break;
            if (edit.outcome == ClassesEdit::Accept) {
                lastAccepted = edit.text;
                break;
            }
            candidate = edit.text;
        }
        text = candidate;
    }
    QTEST(text, "final");
}

void TestPoEClasses::listTexts()
{
    const std::array<quint8, 8> mixed = {3, 1, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    QCOMPARE(sortedClassesText(mixed), QStringLiteral("1,3"));
    QCOMPARE(storedClassesText(mixed), QStringLiteral("3,1"));

    std::array<quint8, 8> none;
    none.fill(0xFF);
    QCOMPARE(sortedClassesText(none), QString());
    QCOMPARE(storedClassesText(none), QString());

    // Entries 5..7 never count; stray values are skipped in the sorted list.
    const std::array<quint8, 8> odd = {4, 9, 4, 0xFF, 0xFF, 2, 2, 2};
    QCOMPARE(sortedClassesText(odd), QStringLiteral("4"));
    QCOMPARE(storedClassesText(odd), QStringLiteral("4,9,4"));

    const std::array<quint8, 8> parsed = classesFromText(QStringLiteral("0,,x,2"));
    const std::array<quint8, 8> expected = {0, 0, 0, 2, 0xFF, 0xFF, 0xFF, 0xFF};
    QCOMPARE(parsed, expected);
}

QTEST_GUILESS_MAIN(TestPoEClasses)
#include "tst_poeclasses.moc"
