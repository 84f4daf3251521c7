#include "report/reportgenerator.h"

#include "core/catalogue/productcatalogue.h"
#include "core/config/textfields.h"
#include "core/file/outputfile.h"
#include "report/reportformats.h"
#include "resources/appresources.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

namespace {

// The resolution the document is measured at, whatever the screen's: text
// a third larger than its point size on a page measured in points.
constexpr qreal kLayoutDpi = 96;
// The resolution of the PDF's page, in which its coordinates are given.
constexpr int kPdfDpi = 120;
// One centimetre in points: the document's margin.
constexpr qreal kDocumentMargin = 72 / 2.54;
// Steps and bound of the enlargement that fits a body onto its page.
constexpr qreal kZoomStep = 1.05;
constexpr qreal kMaxZoom = 1.6;
// The paper the report is laid out on, whatever paper it is printed on.
const QPageSize::PageSizeId kReportPaper = QPageSize::A4;
const QPageLayout::Orientation kReportOrientation = QPageLayout::Landscape;
// The longest contact or location text one line of the page holds.
constexpr int kTextLineLength = 20;
// Thin rule under the header: this many underscores at 2 pt span the page.
constexpr int kRuleLength = 372;

QVector<QTextLength> percentages(std::initializer_list<qreal> widths)
{
    QVector<QTextLength> lengths;
    for (qreal width : widths)
        lengths << QTextLength(QTextLength::PercentageLength, width);
    return lengths;
}

// A first column followed by `count` columns of one width.
QVector<QTextLength> labelAndColumns(qreal labelWidth, int count, qreal columnWidth)
{
    QVector<QTextLength> lengths = percentages({labelWidth});
    lengths.insert(lengths.size(), count, QTextLength(QTextLength::PercentageLength, columnWidth));
    return lengths;
}

// The report's page in points.
QSizeF reportPageSize()
{
    return QPageLayout(QPageSize(kReportPaper), kReportOrientation, QMarginsF())
        .fullRect(QPageLayout::Point)
        .size();
}

// Where a page goes on paper, both sizes in device pixels: at its own size
// where it fits, else scaled down with its aspect kept; centred.
QRectF placeOnPaper(const QSizeF &page, const QSizeF &paper)
{
    // The paper's size comes in whole device pixels: a side within a pixel
    // of the paper's is taken as the paper's.
    const auto near = [](qreal a, qreal b) { return qAbs(a - b) <= 1; };
    QSizeF placed = page;
    if (page.width() > paper.width() + 1 || page.height() > paper.height() + 1)
        placed.scale(paper, Qt::KeepAspectRatio);
    if (near(placed.width(), paper.width()))
        placed.setWidth(paper.width());
    if (near(placed.height(), paper.height()))
        placed.setHeight(paper.height());
    const QPointF corner((paper.width() - placed.width()) / 2,
                         (paper.height() - placed.height()) / 2);
    return QRectF(corner, placed);
}

// The picture at `path` scaled to fit a square of `boxSize`, its aspect
// kept. Decoding a product picture costs more than laying out a page, so
// each is decoded and scaled once for all reports, on whatever thread.
QImage scaledPicture(const QString &path, int boxSize)
{
    static QMutex mutex;
    static QHash<QString, QImage> scaled;
    const QString key = QString::number(boxSize) + QLatin1Char(':') + path;
    const QMutexLocker lock(&mutex);
    const auto found = scaled.constFind(key);
    if (found != scaled.cend())
        return *found;
    const QImage picture(path);
    const QImage fitted = picture.isNull()
        ? QImage()
        : picture.scaled(boxSize, boxSize, Qt::KeepAspectRatio, Qt::FastTransformation);
    scaled.insert(key, fitted);
    return fitted;
}

} // namespace

ReportGenerator::ReportGenerator(int modelIndex, const SwitchConfig &config,
                                 const QString &serialPrefix, const QString &reportFileName,
                                 const QDate &reportDate)
    : config(config)
    , serialPrefix(serialPrefix)
    , reportDate(reportDate)
    , titleFormat(reportCharFormat(14, QFont::Bold))
    , headingFormat(reportCharFormat(11, QFont::Bold))
    , modelNameFormat(reportCharFormat(11))
    , smallFormat(reportCharFormat(8))
    , labelFormat(reportCharFormat(9, QFont::Bold))
    , valueFormat(reportCharFormat(8))
    , spacerFormat(reportCharFormat(6))
    , modelPortCount(catalogueRow(modelIndex).portCount)
    , reportFileName(reportFileName)
    , modelIndex(modelIndex)
{
    ensureResourcesLoaded();
    layoutDevice = QImage(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = qRound(kLayoutDpi / 0.0254);
    layoutDevice.setDotsPerMeterX(dotsPerMetre);
    layoutDevice.setDotsPerMeterY(dotsPerMetre);
    greyCellFormat.setBackground(QBrush(kReportGrey, Qt::SolidPattern));
    whiteCellFormat.setBackground(QBrush(Qt::white, Qt::SolidPattern));
    centerBlock.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    rightBlock.setAlignment(Qt::AlignRight);
}

ReportGenerator::~ReportGenerator() = default;

int ReportGenerator::pageCount(int portCount)
{
    return portCount > 16 ? 3 : 2;
}

bool ReportGenerator::generate()
{
    // Refused before the work of laying out: a device, FIFO or folder is
    // never replaced by a report.
    if (!isWritableTarget(reportFileName, &errorText))
        return false;
    const std::optional<QByteArray> bytes = pdf();
    return bytes && writeOutputFile(reportFileName, *bytes, &errorText);
}

std::optional<QByteArray> ReportGenerator::pdf()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        // The printer's PDF engine without the printer, which belongs to
        // the window's thread; the same pages, title and creator.
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(QPageLayout(QPageSize(kReportPaper), kReportOrientation, QMarginsF()));
        writer.setTitle(documentTitle(modelIndex));
        writer.setCreator(QStringLiteral("Mestrel"));
        layOut();
        paintPages(&writer, 1, document->pageCount());
    }
    if (!isCompletePdf(buffer.data())) {
        errorText = QStringLiteral("The PDF could not be written completely");
        return std::nullopt;
    }
    return buffer.data();
}

bool ReportGenerator::printToPdfFile(QPrinter *printer, const QString &target)
{
    // Refused before the work of printing: a device, FIFO or folder is
    // never replaced by a report.
    if (!isWritableTarget(target, &errorText))
        return false;
    const std::optional<QByteArray> printed = printCheckedPdf(printer);
    return printed && writeOutputFile(target, *printed, &errorText);
}

std::optional<QByteArray> ReportGenerator::printCheckedPdf(QPrinter *printer)
{
    // The printer writes to a file and tells nothing of a failure: the PDF
    // goes to a temporary file, which is read back and checked whole before
    // it may replace the target.
    QTemporaryFile printed(QDir::tempPath() + QStringLiteral("/mestrel-report-XXXXXX.pdf"));
    if (!printed.open()) {
        errorText = printed.errorString();
        return std::nullopt;
    }
    printed.close();

    const QString target = printer->outputFileName();
    printer->setOutputFileName(printed.fileName());
    layOut();
    paintPages(printer);
    printer->setOutputFileName(target);

    if (!printed.open()) {
        errorText = printed.errorString();
        return std::nullopt;
    }
    QByteArray pdf = printed.readAll();
    if (!isCompletePdf(pdf)) {
        errorText = reasonPrintingStopped(printed.fileName());
        return std::nullopt;
    }
    return pdf;
}

bool ReportGenerator::print(QPrinter *printer)
{
    // "Print to File" goes the way of the exported PDF: checked whole and
    // put in place only then, so a full disk says so and leaves the file
    // that was there.
    const QString pdfTarget =
        printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : QString();
    if (!pdfTarget.isEmpty())
        return printToPdfFile(printer, pdfTarget);
    layOut();
    // A printer that does not start (a file that cannot be made) prints
    // nothing and says so.
    paintPages(printer);
    if (printer->printerState() == QPrinter::Error) {
        errorText = QStringLiteral("The printer could not print the report");
        return false;
    }
    return true;
}

void ReportGenerator::paintPages(QPrinter *printer)
{
    const int pages = document->pageCount();
    const int first = printer->fromPage() > 0 ? printer->fromPage() : 1;
    const int last = printer->toPage() > 0 ? qMin(printer->toPage(), pages) : pages;
    paintPages(printer, first, last);
}

void ReportGenerator::paintPages(QPagedPaintDevice *device, int first, int last)
{
    // Page by page as QTextDocument::print paints a paginated document,
    // with a step between the pages: each page of the document placed on
    // the device's paper.
    QPainter painter(device);
    if (!painter.isActive())
        return;
    const QSizeF page = document->pageSize();
    const QRectF onPaper = placeOnPaper(reportPageSize() * device->logicalDpiX() / 72.0,
                                        QSizeF(device->width(), device->height()));
    painter.translate(onPaper.topLeft());
    painter.scale(onPaper.width() / page.width(), onPaper.height() / page.height());
    for (int index = first; index <= last; ++index) {
        if (index > first && !device->newPage())
            return;
        const QRectF view(QPointF(0, (index - 1) * page.height()), page);
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        // Black text whatever the system's palette says.
        context.palette.setColor(QPalette::Text, Qt::black);
        document->documentLayout()->draw(&painter, context);
        painter.restore();
        step();
    }
}

void ReportGenerator::step()
{
    if (betweenSteps)
        betweenSteps();
}

void ReportGenerator::setUpPrinter(QPrinter &printer, int modelIndex)
{
    printer.setColorMode(QPrinter::Color);
    printer.setPageSize(QPageSize(kReportPaper));
    printer.setPageOrientation(kReportOrientation);
    printer.setPageMargins(QMarginsF(20, 10, 20, 10), QPageLayout::Millimeter);
    printer.setFullPage(true);
    printer.setDocName(documentTitle(modelIndex));
    printer.setCreator(QStringLiteral("Mestrel"));
}

QString ReportGenerator::documentTitle(int modelIndex)
{
    return QStringLiteral("Switch Configuration Report \u2014 ") +
        catalogueRow(modelIndex).modelName;
}

void ReportGenerator::layOut()
{
    const QSizeF paper = reportPageSize();
    document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    // Without a device of its own the document would measure its fonts at
    // the screen's resolution, and the line breaks and page fit would
    // follow the desk and the toolkit's version.
    document->documentLayout()->setPaintDevice(&layoutDevice);
    lengthScale = assumedScreenDpi() / kLayoutDpi;
    // Text that no format sizes (the empty cells and lines between tables)
    // takes the report's font too, whatever the application's font is.
    document->setDefaultFont(reportCharFormat(8).font());
    document->setPageSize(paper);
    rootFrame = document->rootFrame();
    document->setDocumentMargin(deviceLength(kDocumentMargin));

    pageNumber = 1;
    cursor = std::make_unique<QTextCursor>(document.get());
    // One edit block: the layout follows the finished document once, not
    // every insertion.
    QTextCursor(document.get()).beginEditBlock();
    const int pages = pageCount(modelPortCount);
    for (int page = 1; page <= pages; ++page)
        insertPage();
    QTextCursor(document.get()).endEditBlock();
    step();
    fitBodiesToPages(paper, pages);
    step();
}

bool ReportGenerator::isCompletePdf(const QByteArray &pdf)
{
    // A PDF ends with its end-of-file marker; a write that stopped part-way
    // leaves it out.
    return pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF");
}

QString ReportGenerator::reasonPrintingStopped(const QString &printedPath)
{
    // The printer keeps the reason to itself. The same file, written once
    // more, gives it: a full disk, a file size limit.
    QFile printed(printedPath);
    QString reason;
    if (printed.open(QIODevice::Append | QIODevice::Unbuffered) &&
        !writeAllTo(printed, QByteArray(64 * 1024, '\n'), &reason))
        return reason;
    return QStringLiteral("The PDF could not be written completely");
}

void ReportGenerator::fitBodiesToPages(const QSizeF &paper, int pages)
{
    // The text is measured at 96 dpi on a page measured in points, so it is
    // a third larger than its point size and a long body can run over its
    // page (the tallest contents do).
    // Then the page is laid out larger, in small steps, until every body
    // fits; printing shrinks it back onto the paper, 1 cm margin included.
    // Each header starts a page, so one page more means a body ran over.
    qreal zoom = 1;
    // Each count of the pages lays the document out anew.
    while (document->pageCount() > pages && zoom < kMaxZoom) {
        step();
        zoom *= kZoomStep;
        document->setPageSize(paper * zoom);
        document->setDocumentMargin(deviceLength(kDocumentMargin * zoom));
    }
}

void ReportGenerator::insertPage()
{
    moveToEnd();
    insertHeader();
    moveToEnd();
    if (pageNumber == 1) {
        insertGeneralInformation();
        moveToEnd();
        insertGlobalParameters();
    } else {
        insertPortPage();
    }
    moveToEnd();
    insertFooter();
}

void ReportGenerator::insertHeader()
{
    // Every page after the first starts on a new sheet, so a short body
    // never pulls the next page's header up onto it.
    tableFormat.setPageBreakPolicy(pageNumber > 1 ? QTextFormat::PageBreak_AlwaysBefore
                                                  : QTextFormat::PageBreak_Auto);
    QTextTable *header = insertLayoutTable(1, 3, {25, 45, 25});
    tableFormat.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    insertCellText(header, 0, 0,
                   QStringLiteral("Date:") + reportDate.toString(QStringLiteral("dd.MM.yyyy")),
                   smallFormat);
    enterCell(header, 0, 1, centerBlock);
    cursor->insertText(QStringLiteral("Switch Configuration Report\n"), titleFormat);
    cursor->insertText(catalogueRow(modelIndex).modelName, modelNameFormat);
    enterCell(header, 0, 2, rightBlock);
    insertPicture(QStringLiteral(":/Image/report_logo.png"), 200);

    moveToEnd();
    QTextTable *rule = insertLayoutTable(1, 1, {95});
    enterCell(rule, 0, 0, centerBlock);
    cursor->insertText(QString(kRuleLength, QLatin1Char('_')), reportCharFormat(2));
    moveToEnd();
}

void ReportGenerator::insertFooter()
{
    QTextTable *footer = insertLayoutTable(1, 1, {95});
    insertCellText(footer, 0, 0,
                   QStringLiteral("Page %1 of %2").arg(pageNumber).arg(pageCount(modelPortCount)),
                   smallFormat, centerBlock);
    ++pageNumber;
}

void ReportGenerator::insertGeneralInformation()
{
    QTextTable *table = insertLayoutTable(11, 7, {15, 12, 2, 27, 12, 2, 27});
    for (int row : {0, 1, 2, 10})
        table->mergeCells(row, 0, 1, 7);
    table->mergeCells(3, 0, 7, 1);
    setCellFormat(table, 0, 0, reportCharFormat(1));
    setCellFormat(table, 2, 0, spacerFormat);
    setCellFormat(table, 10, 0, spacerFormat);

    insertCellText(table, 1, 0, QStringLiteral("General Information"), headingFormat, centerBlock);
    enterCell(table, 3, 0, centerBlock);
    insertPicture(catalogueRow(modelIndex).imagePath, 125);

    const QString contact = readText(config.contactName);
    const QString location = readText(config.location);
    const QString colon = QStringLiteral(":");
    const struct
    {
        int row;
        int column;
        QString text;
    } cells[] = {
        {3, 1, QStringLiteral("Serial Number")},
        {3, 2, colon},
        {3, 3, serialPrefix},
        {3, 4, QStringLiteral("Contact Person")},
        {3, 5, colon},
        {3, 6, contact.left(kTextLineLength)},
        {4, 6, contact.mid(kTextLineLength)},
        {5, 4, QStringLiteral("Location")},
        {5, 5, colon},
        {5, 6, location.left(kTextLineLength)},
        {6, 6, location.mid(kTextLineLength)},
        {7, 3, readText(config.fileRelease)},
    };
    for (const auto &cell : cells) {
        if (!cell.text.isEmpty())
            insertCellText(table, cell.row, cell.column, cell.text, labelFormat);
    }
}

void ReportGenerator::insertGlobalParameters()
{
    QTextTable *table = insertLayoutTable(2, 1, {95});
    setCellFormat(table, 1, 0, spacerFormat);
    insertCellText(table, 0, 0, QStringLiteral("Global Parameters"), headingFormat, centerBlock);
    moveToEnd();
    insertTrustAndDot1pTables();
    moveToEnd();
    insertDscpTables();
}

void ReportGenerator::insertTrustAndDot1pTables()
{
    QTextTable *layout = insertLayoutTable(4, 4, {50, 2, 38, 5});
    for (int row : {1, 3}) {
        layout->mergeCells(row, 0, 1, 4);
        setCellFormat(layout, row, 0, spacerFormat);
    }
    insertCellText(layout, 0, 0, QStringLiteral("Alarm PSU / Aging Time / QoS Trust Mode"),
                   labelFormat);
    insertCellText(layout, 0, 2, QStringLiteral("QoS 802.1p Mapping"), labelFormat);

    // Box A: power-supply alarms, aging time and trust mode.
    enterCell(layout, 2, 0);
    insertFramedBox(Qt::AlignLeft, 100);
    QTextTable *global = insertDataTable(2, 5, percentages({25, 16, 16, 21, 22}));
    // The narrow heads break at fixed places (line separators within the
    // cell), not where the font of the system lets a word fit.
    const QString heads[] = {QStringLiteral("\nParameter"), QStringLiteral("Alarm\u2028PSU\u00a01"),
                             QStringLiteral("Alarm\u2028PSU\u00a02"),
                             QStringLiteral("Aging Time\u2028[s]"),
                             QStringLiteral("QoS Trust\u2028Mode")};
    // A model without power-supply alarms has no value to show, as a model
    // without PoE shows none for the PoE rows.
    const bool hasAlarms = config.hasTrait(ModelTrait::PsuAlarms);
    const auto alarmText = [hasAlarms](quint8 alarm) {
        return hasAlarms ? onOffText(alarm) : QStringLiteral("-");
    };
    const QString values[] = {
        QStringLiteral("Value"), alarmText(config.psuAlarm1), alarmText(config.psuAlarm2),
        QString::number(config.agingTime),
        listedText(config.qosTrustMode, 0, {"Untrusted", "TrustDot1p", "TrustIpDscp"})};
    insertCellText(global, 0, 0, heads[0], labelFormat);
    insertCellText(global, 1, 0, values[0], labelFormat);
    for (int column = 1; column < 5; ++column) {
        setCellFormat(global, 1, column, whiteCellFormat);
        insertCellText(global, 0, column, heads[column], labelFormat, centerBlock);
        insertCellText(global, 1, column, values[column], valueFormat, centerBlock);
    }

    // Box B: the 802.1p priority to traffic class table.
    enterCell(layout, 2, 2);
    insertFramedBox(Qt::AlignLeft, 100);
    QTextTable *dot1p = insertDataTable(2, 9, labelAndColumns(36, 8, 8));
    insertCellText(dot1p, 0, 0, QStringLiteral("VLAN Priority"), labelFormat);
    insertCellText(dot1p, 1, 0, QStringLiteral("Traffic Class"), labelFormat);
    for (int priority = 0; priority < 8; ++priority) {
        const int column = priority + 1;
        setCellFormat(dot1p, 1, column, whiteCellFormat);
        insertCellText(dot1p, 0, column, QString::number(priority), labelFormat, centerBlock);
        insertCellText(dot1p, 1, column, QString::number(config.dot1pTrafficClass[priority]),
                       valueFormat, centerBlock);
    }
}

void ReportGenerator::insertDscpTables()
{
    QTextTable *layout = insertLayoutTable(8, 2, {90, 5});
    for (int row : {1, 3, 5, 7}) {
        layout->mergeCells(row, 0, 1, 2);
        setCellFormat(layout, row, 0, row == 7 ? reportCharFormat(12) : spacerFormat);
    }
    insertCellText(layout, 0, 0, QStringLiteral("QoS DSCP Mapping"), labelFormat);

    enterCell(layout, 2, 0);
    insertFramedBox(Qt::AlignHCenter | Qt::AlignVCenter, 100);
    insertDscpBox(0, 24, labelAndColumns(13.6, 24, 3.6));
    enterCell(layout, 4, 0);
    insertFramedBox(Qt::AlignHCenter | Qt::AlignVCenter, 100);
    insertDscpBox(24, 24, labelAndColumns(13.6, 24, 3.6));
    // The last box is narrower; its wider percentages keep the columns in
    // line with the boxes above (19.04 % and 5.06 % of 71.2 %).
    enterCell(layout, 6, 0);
    insertFramedBox(Qt::AlignLeft, 71.2);
    insertDscpBox(48, 16, labelAndColumns(19.04, 16, 5.06));
}

void ReportGenerator::insertDscpBox(int firstDscp, int dscpCount,
                                    const QVector<QTextLength> &widths)
{
    QTextTable *table = insertDataTable(2, dscpCount + 1, widths);
    insertCellText(table, 0, 0, QStringLiteral("DSCP Value"), labelFormat);
    insertCellText(table, 1, 0, QStringLiteral("Traffic Class"), labelFormat);
    for (int column = 1; column <= dscpCount; ++column) {
        const int dscp = firstDscp + column - 1;
        setCellFormat(table, 1, column, whiteCellFormat);
        insertCellText(table, 0, column, QString::number(dscp), labelFormat, centerBlock);
        insertCellText(table, 1, column, QString::number(config.dscpTrafficClass[dscp]),
                       valueFormat, centerBlock);
    }
}

QTextTable *ReportGenerator::insertLayoutTable(int rows, int columns,
                                               std::initializer_list<qreal> widths)
{
    tableFormat.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    tableFormat.setBorder(deviceLength(1));
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    tableFormat.setCellPadding(0);
    tableFormat.setCellSpacing(deviceLength(-1));
    tableFormat.setColumnWidthConstraints(percentages(widths));
    return cursor->insertTable(rows, columns, tableFormat);
}

QTextTable *ReportGenerator::insertFramedBox(Qt::Alignment alignment, qreal width)
{
    tableFormat.setAlignment(alignment);
    tableFormat.setBorder(deviceLength(1.25));
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tableFormat.setBorderBrush(QBrush(Qt::black, Qt::SolidPattern));
    tableFormat.setCellPadding(deviceLength(1));
    tableFormat.setCellSpacing(deviceLength(-1));
    tableFormat.setColumnWidthConstraints(percentages({width}));
    QTextTable *box = cursor->insertTable(1, 1, tableFormat);
    setCellFormat(box, 0, 0, greyCellFormat);
    enterCell(box, 0, 0);
    return box;
}

QTextTable *ReportGenerator::insertDataTable(int rows, int columns,
                                             const QVector<QTextLength> &widths)
{
    tableFormat.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    tableFormat.setBorder(0);
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    tableFormat.setCellPadding(deviceLength(1));
    tableFormat.setCellSpacing(deviceLength(-1));
    tableFormat.setColumnWidthConstraints(widths);
    return cursor->insertTable(rows, columns, tableFormat);
}

void ReportGenerator::moveToEnd()
{
    *cursor = rootFrame->lastCursorPosition();
}

void ReportGenerator::setCellFormat(QTextTable *table, int row, int column,
                                    const QTextCharFormat &format)
{
    scratchCell = table->cellAt(row, column);
    scratchCell.setFormat(format);
}

void ReportGenerator::enterCell(QTextTable *table, int row, int column,
                                const QTextBlockFormat &block)
{
    *cursor = table->cellAt(row, column).firstCursorPosition();
    cursor->setBlockFormat(block);
}

void ReportGenerator::insertCellText(QTextTable *table, int row, int column, const QString &text,
                                     const QTextCharFormat &format, const QTextBlockFormat &block)
{
    enterCell(table, row, column, block);
    cursor->insertText(text, format);
}

void ReportGenerator::insertPicture(const QString &path, int boxSize)
{
    const QImage scaled = scaledPicture(path, boxSize);
    if (scaled.isNull())
        return; // the cell stays empty
    // A resource of the document, drawn at its own size on every desk. Its
    // name is not the path: Qt would load a name starting ":/" from the
    // resources itself, at full size.
    QTextImageFormat format;
    format.setName(QStringLiteral("report-picture:") + path);
    document->addResource(QTextDocument::ImageResource, QUrl(format.name()), scaled);
    format.setWidth(deviceLength(scaled.width()));
    format.setHeight(deviceLength(scaled.height()));
    cursor->insertImage(format);
}

qreal ReportGenerator::deviceLength(qreal length) const
{
    return length * lengthScale;
}

qreal ReportGenerator::assumedScreenDpi()
{
    // As Qt decides the resolution it takes lengths in a document to be
    // given at; on a device of another resolution it scales them by the
    // ratio of the two.
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 100;
}
