// The report as a reader sees it: each case writes a PDF with the generator
// alone (no window) and reads its text back with the poppler tools.
#include "core/catalogue/productcatalogue.h"
#include "core/config/textfields.h"
#include "core/file/outputfile.h"
#include "core/file/outputjobs.h"
#include "pdfink.h"
#include "report/reportgenerator.h"

#include <QFile>
#include <QMap>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <functional>

#include <sys/resource.h>

namespace {

using ConfigEdit = std::function<void(SwitchConfig &)>;

const QDate kReportDate(2026, 12, 5);
// Pages are rendered at this resolution to find where they are drawn.
constexpr int kInkDpi = 36;

// The tallest content the editor lets a user make: the longest texts in
// the widest letters, two-line speed and class cells, the largest numbers.
void tallestContent(SwitchConfig &config)
{
    storeText(config.contactName, QString(40, QLatin1Char('W')));
    storeText(config.location, QStringLiteral("WWWWWWWWWWWWWWWWWWWW (WWWWWWWWWWWWWWWWW)"));
    storeText(config.fileRelease, QStringLiteral("12345"));
    config.agingTime = 1048575;
    for (PortConfig &port : config.ports) {
        port.speed = 2;
        port.poePriority = 3;
        port.broadcastStormThreshold = port.multicastStormThreshold = 100;
        port.allowedPoEOverride = 13;
    }
}

// Values that differ from port to port, so that a cell in the wrong column,
// a lost wrap or a line pushed onto the next page shows in the text.
void variedPorts(SwitchConfig &config)
{
    storeText(config.contactName, QStringLiteral("Anna Maria Schneider"));
    storeText(config.location, QStringLiteral("Building 12 North (East)/Plant 4 Line 77"));
    storeText(config.fileRelease, QStringLiteral("1234"));
    config.agingTime = 13000;
    for (int p = 0; p < int(config.ports.size()); ++p) {
        PortConfig &port = config.ports[size_t(p)];
        port.speed = quint8(p % 3 + 1);
        port.autoNeg = quint8(p % 2);
        port.broadcastStormThreshold = quint8(p * 17 % 101);
        port.poePriority = quint8(p % 4);
        port.allowedPoEOverride = quint8(p % 5 == 0 ? 0 : p);
        if (p % 3 == 1)
            port.allowedPoEClasses = {1, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    }
}

// The defaults of catalogue row `row` with `edit` applied.
SwitchConfig configOf(int row, const ConfigEdit &edit)
{
    SwitchConfig config = defaultConfiguration(row);
    edit(config);
    return config;
}

// A printer set up for `row` that prints into the PDF file `path`.
void setUpPdfPrinter(QPrinter &printer, int row, const QString &path)
{
    ReportGenerator::setUpPrinter(printer, row);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

// The text of a checked-in page file: pages split at form feeds.
QList<QStringList> expectedPages(const QString &name)
{
    QFile file(QStringLiteral(MESTREL_REPORT_EXPECTED "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qWarning("%s: %s", qPrintable(file.fileName()), qPrintable(file.errorString()));
    QList<QStringList> pages;
    for (const QString &page : QString::fromUtf8(file.readAll()).split(QLatin1Char('\f')))
        pages << page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return pages;
}

} // namespace

Q_DECLARE_METATYPE(ConfigEdit)

class TestReportGenerator : public QObject
{
    Q_OBJECT

private slots:
    void everyModelGetsOnePagePerBody_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("pages");
        // The pages by the model's port count: a third one past 16 ports. A
        // variant appended to the catalogue has a port count listed here.
        const QMap<int, int> pagesByPorts {{5, 2}, {8, 2}, {9, 2}, {16, 2}, {26, 3}};
        for (int row = 0; row < kCatalogueSize; ++row) {
            const int ports = catalogueRow(row).portCount;
            QVERIFY2(pagesByPorts.contains(ports), qPrintable(QString::number(ports)));
            QTest::addRow("%d %s", row + 1, qPrintable(catalogueRow(row).modelName))
                << row << pagesByPorts.value(ports);
        }
    }

    // Each body with its header and page line fills exactly one sheet, however
    // tall its content, and the report's font is the Arial-metric one that the
    // 16-port grid was measured for.
    void everyModelGetsOnePagePerBody()
    {
        QFETCH(int, row);
        QFETCH(int, pages);
        const QList<QStringList> text = writeReport(row, tallestContent);
        QCOMPARE(text.size(), pages);
        for (int page = 0; page < pages; ++page) {
            const QStringList &lines = text.at(page);
            QCOMPARE(lines.first(), QStringLiteral("Date:05.12.2026"));
            QCOMPARE(lines.last(), QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
            QVERIFY(lines.contains(catalogueRow(row).modelName));
        }
        // pdffonts lists two lines of heads, then one line per font.
        const QString fonts = runPoppler(QStringLiteral("pdffonts"), {file()});
        const int liberation = fonts.count(QRegularExpression("\n(\\w+\\+)?LiberationSans"));
        QVERIFY2(liberation > 0 && liberation == fonts.count('\n') - 2, qPrintable(fonts));
    }

    void pageValues_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<ConfigEdit>("edit");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("lineEnds"); // each ends a line of the page
        // Contact and location: 20 characters beside the label, the rest below;
        // Latin-1 letters and a comma as a file may hold them; the file release
        // as its raw digits.
        QTest::newRow("texts")
            << 0 << ConfigEdit([](SwitchConfig &c) {
                   storeText(c.contactName, QString::fromLatin1("J\xfcrgen M\xfcller, Halle"));
                   storeText(c.location,
                             QStringLiteral("Building 12 North (East)/Plant 4 Line 77"));
                   storeText(c.fileRelease, QStringLiteral("1234"));
               })
            << 0
            << QStringList {
                   QString::fromLatin1(
                       "Serial Number : 613807101-42 Contact Person : J\xfcrgen M\xfcller, Halle"),
                   "Location : Building 12 North (E", "ast)/Plant 4 Line 77", "1234"};
        // A contact from a file, longer than the field lets one type: whole,
        // the part past 20 characters below, wrapped in its cell.
        QTest::newRow("a contact of 64 characters")
            << 0 << ConfigEdit([](SwitchConfig &c) {
                   storeText(c.contactName,
                             QStringLiteral("Commissioning Team North/Ann Smith and Bob Lee "
                                            "(shift 2), Hall 4"));
               })
            << 0
            << QStringList {"Contact Person : Commissioning Team N",
                            "orth/Ann Smith and Bob Lee (shift", "2), Hall 4"};
        // A model without power-supply alarms shows none, as one without PoE.
        QTest::newRow("no power-supply alarms") << 16 << ConfigEdit([](SwitchConfig &) {}) << 0
                                                << QStringList {"Value - - 300 TrustDot1p"};
        // Neighbouring cells given values that print differently, so that a
        // cell showing its neighbour's field shows.
        QTest::newRow("untrusted, power supply 1 off, 2 on")
            << 4 << ConfigEdit([](SwitchConfig &c) {
                   c.qosTrustMode = 0;
                   c.psuAlarm1 = 2;
                   c.agingTime = 0;
               })
            << 0 << QStringList {"Value Off On 0 Untrusted"};
        QTest::newRow("storm thresholds") << 0 << ConfigEdit([](SwitchConfig &c) {
            for (int p = 0; p < 5; ++p) {
                c.ports[p].broadcastStormThreshold = quint8(10 + p);
                c.ports[p].multicastStormThreshold = quint8(60 + p);
            }
        }) << 1 << QStringList {"Multicast Storm Thld. [%] 60 61 62 63 64"};
        QTest::newRow("IP DSCP, edited mappings")
            << 4 << ConfigEdit([](SwitchConfig &c) {
                   c.qosTrustMode = 2;
                   c.dot1pTrafficClass = {3, 2, 1, 0, 0, 1, 2, 3};
                   c.dscpTrafficClass[0] = 3;
                   c.dscpTrafficClass[23] = 2;
                   c.dscpTrafficClass[24] = 0;
                   c.dscpTrafficClass[63] = 1;
               })
            << 0
            << QStringList {"Value On On 300 TrustIpDscp", "Traffic Class 3 2 1 0 0 1 2 3",
                            "Traffic Class 3 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2",
                            "Traffic Class 0 1 1 1 1 1 1 1 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2",
                            "Traffic Class 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 1"};
        QTest::newRow("speeds, port state, duplex, MDI, priority")
            << 0 << ConfigEdit([](SwitchConfig &c) {
                   c.ports[0].speed = 1;
                   c.ports[1].speed = 2;
                   c.ports[3].speed = 0;
                   c.ports[2].duplexMode = 1;
                   c.ports[4].mdiState = 1;
                   c.ports[1].adminState = 0;
                   c.ports[4].portPriority = 7;
                   c.ports[3].portPriority = 8;
               })
            << 1 << QStringList {"Port State On Off On On On",
                                 "Speed [Mbit/s] 10 100 - -",
                                 "Mbps Mbps",
                                 "Duplex Mode FDX FDX HDX FDX FDX",
                                 "MDI State MDIX MDIX MDIX MDIX MDI",
                                 "Port Priority 0 0 0 7"};
        QTest::newRow("PoE classes and priorities")
            << 17 << ConfigEdit([](SwitchConfig &c) {
                   c.ports[2].allowedPoEClasses = {1, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
                   c.ports[3].allowedPoEClasses.fill(0xFF);
                   c.ports[1].poePriority = 2;
                   c.ports[2].poePriority = 3;
                   c.ports[3].poePriority = 0;
               })
            << 1
            << QStringList {"PoE Admin State Off On On On On On On On",
                            "PoE Priority Low High Critical Low Low Low Low",
                            "Allowed PoE classes 0,1,2, 1,3 0,1,2, 0,1,2, 0,1,2, 0,1,2,",
                            "3,4 3,4 3,4 3,4 3,4", "PoE User Set Limit - - - - - - - -"};
    }

    void pageValues()
    {
        QFETCH(int, row);
        QFETCH(ConfigEdit, edit);
        QFETCH(int, page);
        QFETCH(QStringList, lineEnds);
        const QStringList lines = writeReport(row, edit).value(page);
        for (const QString &end : lineEnds) {
            QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                 [&](const QString &line) {
                                     return line == end || line.endsWith(' ' + end);
                                 }),
                     qPrintable(end + "\nnot in\n" + lines.join('\n')));
        }
    }

    void sameLinesOnEveryBuild_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        QTest::newRow("26 ports") << 13 << QStringLiteral("26-ports.txt");
        QTest::newRow("PoE") << 17 << QStringLiteral("poe.txt");
    }

    // Every page line as a reader sees it, wraps included, is the same on every
    // toolkit and desk Mestrel builds on.
    void sameLinesOnEveryBuild()
    {
        QFETCH(int, row);
        QFETCH(QString, expected);
        // The screen's own resolution, as on a desk, not the 96 dpi the test
        // runner fixes (ctest gives Qt 5 192 dpi; Qt 6 keeps 96 dpi).
        const bool runnerDpi = QCoreApplication::testAttribute(Qt::AA_Use96Dpi);
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);
        const QList<QStringList> pages = writeReport(row, variedPorts);
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, runnerDpi);
        const QList<QStringList> wanted = expectedPages(expected);
        QCOMPARE(pages.size(), wanted.size());
        for (int page = 0; page < pages.size(); ++page)
            QCOMPARE(pages.at(page), wanted.at(page)); // names the first line that differs
    }

    void printsWholeOnAnyPaper_data()
    {
        QTest::addColumn<int>("paper"); // a QPageSize::PageSizeId
        QTest::addColumn<bool>("portrait");
        QTest::newRow("A4 portrait") << int(QPageSize::A4) << true;
        QTest::newRow("Letter portrait") << int(QPageSize::Letter) << true;
        QTest::newRow("Letter landscape") << int(QPageSize::Letter) << false;
        QTest::newRow("A3 portrait") << int(QPageSize::A3) << true;
        QTest::newRow("A3 landscape") << int(QPageSize::A3) << false;
    }

    // Printed on other paper, every page of the 26-port model reads as the
    // exported one and is drawn whole: scaled down onto smaller paper with
    // its aspect kept, at its own size on larger paper, centred either way.
    void printsWholeOnAnyPaper()
    {
        QFETCH(int, paper);
        QFETCH(bool, portrait);
        const int row = 13;
        if (m_exportedText.isEmpty()) { // the exported report to compare with
            m_exportedText = writeReport(row, variedPorts);
            m_exportedInk = pdfPageInk(file(), kInkDpi);
        }
        const QString printed = m_dir.filePath(QStringLiteral("printed-on-paper.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        setUpPdfPrinter(printer, row, printed);
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        printer.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
        const SwitchConfig config = configOf(row, variedPorts);
        ReportGenerator report(config, "613807101-42", QString(), kReportDate);
        QVERIFY2(report.print(&printer), qPrintable(report.errorString()));

        QCOMPARE(pdfPageLines(printed), m_exportedText);
        const QList<PdfPageInk> pages = pdfPageInk(printed, kInkDpi);
        QCOMPARE(pages.size(), m_exportedInk.size());
        const QSizeF sheet = m_exportedInk.first().paper;
        for (int page = 0; page < pages.size(); ++page) {
            const QSizeF paperSize = pages.at(page).paper;
            const qreal scale = std::min(
                {1.0, paperSize.width() / sheet.width(), paperSize.height() / sheet.height()});
            const QPointF corner((paperSize.width() - sheet.width() * scale) / 2,
                                 (paperSize.height() - sheet.height() * scale) / 2);
            const QRectF &ink = m_exportedInk.at(page).ink;
            const QRectF expected(corner + ink.topLeft() * scale, ink.size() * scale);
            const QRectF drawn = pages.at(page).ink;
            // Within a pixel or two of the rendering on each side.
            const qreal slack = 2 * 72.0 / kInkDpi;
            const auto near = [slack](qreal a, qreal b) { return qAbs(a - b) <= slack; };
            const auto corners = [](const QRectF &r) {
                return QStringLiteral("%1, %2 to %3, %4")
                    .arg(r.left())
                    .arg(r.top())
                    .arg(r.right())
                    .arg(r.bottom());
            };
            QVERIFY2(near(drawn.left(), expected.left()) && near(drawn.top(), expected.top()) &&
                         near(drawn.right(), expected.right()) &&
                         near(drawn.bottom(), expected.bottom()),
                     qPrintable(QStringLiteral("page %1: drawn at %2; wanted %3")
                                    .arg(page + 1)
                                    .arg(corners(drawn), corners(expected))));
        }
    }

    // "Print to File" is checked as the exported PDF is: a file that cannot
    // be written whole says why and keeps what it held.
    void printToPdfFile()
    {
        const QString target = m_dir.filePath(QStringLiteral("printed.pdf"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the old report\n") > 0);
        old.close();
        QPrinter printer(QPrinter::HighResolution);
        setUpPdfPrinter(printer, 0, target);
        const SwitchConfig config = defaultConfiguration(0);
        ReportGenerator report(config, "613807101", QString(), kReportDate);

        rlimit before {};
        ::getrlimit(RLIMIT_FSIZE, &before);
        rlimit lowered = before;
        lowered.rlim_cur = 16 * 1024;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &lowered);
        const bool printed = report.print(&printer);
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!printed);
        QCOMPARE(report.errorString(), QStringLiteral("File too large"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the old report\n"));
        old.close();

        // A printer whose file failed does not print again; the dialog makes
        // a new one each time.
        QPrinter again(QPrinter::HighResolution);
        setUpPdfPrinter(again, 0, target);
        QVERIFY2(report.print(&again), qPrintable(report.errorString()));
        QCOMPARE(printer.outputFileName(), target);
        QCOMPARE(pdfPageLines(target).size(), 2);
    }

    // Reports made at the same time on worker threads (as a batch makes
    // them) read and look exactly like the same reports made one at a time.
    void sameReportsOnThreadsAtOnce()
    {
        const QVector<int> rows {13, 17, 13, 17};
        const auto makeReport = [](int row) {
            const SwitchConfig config = configOf(row, variedPorts);
            ReportGenerator report(config, "613807101-42", QString(), kReportDate);
            return OutputJobResult {report.pdf(), report.errorString()};
        };
        OutputJobs together;
        for (int row : rows)
            together.add([row, makeReport] { return makeReport(row); });
        together.waitForAll();
        for (int i = 0; i < rows.size(); ++i) {
            const OutputJobResult made = together.take(i);
            const OutputJobResult alone = makeReport(rows.at(i));
            QVERIFY2(made.bytes && alone.bytes, qPrintable(made.error + alone.error));
            const QString madePath = m_dir.filePath(QStringLiteral("together-%1.pdf").arg(i));
            const QString alonePath = m_dir.filePath(QStringLiteral("alone-%1.pdf").arg(i));
            QVERIFY(writeOutputFile(madePath, *made.bytes));
            QVERIFY(writeOutputFile(alonePath, *alone.bytes));
            QCOMPARE(pdfPageLines(madePath), pdfPageLines(alonePath));
            const QList<QImage> madePages = pdfPageImages(madePath, 50);
            QCOMPARE(madePages.size(),
                     ReportGenerator::pageCount(catalogueRow(rows.at(i)).portCount));
            QVERIFY(madePages == pdfPageImages(alonePath, 50));
        }
    }

private:
    // Writes the report of catalogue row `row` with `edit` applied to its
    // defaults; the lines of each page.
    QList<QStringList> writeReport(int row, const ConfigEdit &edit)
    {
        const SwitchConfig config = configOf(row, edit);
        ReportGenerator report(config, "613807101-42", file(), kReportDate);
        if (!report.generate())
            qWarning("report not written: %s", qPrintable(report.errorString()));
        return pdfPageLines(file());
    }
    QString file() const { return m_dir.filePath(QStringLiteral("report.pdf")); }

    QTemporaryDir m_dir;
    QList<QStringList> m_exportedText;
    QList<PdfPageInk> m_exportedInk;
};

QTEST_MAIN(TestReportGenerator)
#include "tst_reportgenerator.moc"
