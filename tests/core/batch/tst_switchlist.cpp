// The switch list as a CSV file and as a block pasted from a spreadsheet.
#include "core/batch/switchlist.h"

#include <QtTest>

namespace {

// A row as "file|location|contact|serial|override;override".
QString rowText(const SwitchListRow &row)
{
    return QStringList {row.fileName, row.location, row.contact, row.serial,
                        row.overrides.join(QLatin1Char(';'))}
        .join(QLatin1Char('|'));
}

} // namespace

class TestSwitchList : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("error"); // a part of it; empty: parsed
        QTest::addColumn<QStringList>("overrideColumns");
        QTest::addColumn<QStringList>("rows"); // rowText of each
        QTest::addColumn<QVector<int>>("lines"); // the header's, then each row's

        QTest::newRow("columns in any order, CRLF, a quoted comma and quote")
            << QByteArray("serial,port.admin-state:5,File,location\r\n"
                          "12,0,sw1,\"Hall 4, \"\"north\"\"\"\r\n"
                          "13,,sw2,Hall 5\r\n")
            << QString() << QStringList {"port.admin-state:5"}
            << QStringList {"sw1|Hall 4, \"north\"||12|0", "sw2|Hall 5||13|"}
            << QVector<int> {0, 1, 2};
        QTest::newRow("a line break in quotes, empty rows skipped, short rows filled")
            << QByteArray("\xEF\xBB\xBF"
                          "file,contact,serial\n\n,,\n\"a\nb\",Ann\nc\n")
            << QString() << QStringList() << QStringList {"a\nb||Ann||", "c||||"}
            << QVector<int> {0, 3, 5};

        const auto refused = [](const char *name, const QByteArray &csv, const char *error) {
            QTest::newRow(name) << csv << QString(error) << QStringList() << QStringList()
                                << QVector<int>();
        };
        refused("unknown column", "file,place\nsw1,x\n", "unknown column \"place\"");
        refused("no file column", "location\nx\n", "no \"file\" column");
        refused("a column twice", "file,Location,location\n", "appears twice");
        refused("more fields than the header", "file,serial\na,1,2\n", "row 1 has 3 fields");
        refused("a quote left open", "file\n\"a\n", "line 1: a quote is not closed");
        refused("text after a closing quote", "file\n\"a\"b\n",
                "line 1: text after a closing quote");
        refused("nothing at all", QByteArray(), "no header row");
    }

    void parse()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, error);
        QFETCH(QStringList, rows);

        QString reason;
        QVector<int> lines;
        const std::optional<SwitchList> list = parseSwitchList(csv, &reason, &lines);
        QCOMPARE(bool(list), error.isEmpty());
        if (!list) {
            QVERIFY2(reason.contains(error), qPrintable(reason));
            return;
        }
        QTEST(list->overrideColumns, "overrideColumns");
        QStringList parsed;
        for (const SwitchListRow &row : list->rows)
            parsed << rowText(row);
        QCOMPARE(parsed, rows);
        QTEST(lines, "lines");
    }

    void tabSeparated_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<bool>("hadHeader");
        QTest::addColumn<QVector<QStringList>>("cells");

        const auto row = [](const char *name, const char *block, bool hadHeader,
                            const QVector<QStringList> &cells) {
            QTest::newRow(name) << QString(block) << hadHeader << cells;
        };
        row("a header of fixed names", "File\tLocation\r\nsw1\tHall 4\r\n", true,
            {{"File", "Location"}, {"sw1", "Hall 4"}});
        row("a header of an override key and an empty cell",
            "port.admin-state:5\t\tserial\n0\tx\t1", true,
            {{"port.admin-state:5", "", "serial"}, {"0", "x", "1"}});
        row("rows without header", "sw1\tHall 4\t\t12\nsw2\tHall 5\t\t13\n", false,
            {{"sw1", "Hall 4", "", "12"}, {"sw2", "Hall 5", "", "13"}});
        // File names may hold colons; a header names a column the list knows.
        row("names that look like KEY:INDEX", "plant:1\nplant:2", false,
            {{"plant:1"}, {"plant:2"}});
        row("a quoted cell with a tab and a line break", "\"a\tb\nc\"\tx\n", false,
            {{"a\tb\nc", "x"}});
        row("a quote left open is text", "\"a\tb\nc\td", false, {{"\"a", "b"}, {"c", "d"}});
        // A list copied from a text editor has commas; a cell holding one does not split.
        row("a comma-separated list with its header", "file,location\nsw1,\"Hall 4, north\"\n",
            true, {{"file", "location"}, {"sw1", "Hall 4, north"}});
        row("a cell with a comma", "Hall 4, north", false, {{"Hall 4, north"}});
    }

    void tabSeparated()
    {
        QFETCH(QString, block);
        QFETCH(bool, hadHeader);
        bool found = !hadHeader;
        QTEST(parseTabSeparated(block, &found), "cells");
        QCOMPARE(found, hadHeader);
    }
};

QTEST_GUILESS_MAIN(TestSwitchList)
#include "tst_switchlist.moc"
