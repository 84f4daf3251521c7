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
// Thin rule under the header: this many underscores at 2 pt span the page.
constexpr int kRuleLength = 372;

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

ReportGenerator::ReportGenerator(const SwitchConfig &config, const QString &serialPrefix,
                                 const QString &reportFileName, const QDate &reportDate)
    : m_config(config)
    , m_serialPrefix(serialPrefix)
    , m_reportDate(reportDate)
    , m_reportFileName(reportFileName)
    , m_modelPortCount(config.model().portCount)
    , m_titleFormat(reportCharFormat(14, QFont::Bold))
    , m_headingFormat(reportCharFormat(11, QFont::Bold))
    , m_modelNameFormat(reportCharFormat(11))
    , m_smallFormat(reportCharFormat(8))
    , m_labelFormat(reportCharFormat(9, QFont::Bold))
    , m_valueFormat(reportCharFormat(8))
    , m_spacerFormat(reportCharFormat(6))
{
    ensureResourcesLoaded();
    m_layoutDevice = QImage(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = qRound(kLayoutDpi / 0.0254);
    m_layoutDevice.setDotsPerMeterX(dotsPerMetre);
    m_layoutDevice.setDotsPerMeterY(dotsPerMetre);
    m_greyCellFormat.setBackground(QBrush(kReportGrey, Qt::SolidPattern));
    m_whiteCellFormat.setBackground(QBrush(Qt::white, Qt::SolidPattern));
    m_centerBlock.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_rightBlock.setAlignment(Qt::AlignRight);
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
    if (!isWritableTarget(m_reportFileName, &m_errorText))
        return false;
    const std::optional<QByteArray> bytes = pdf();
    return bytes && writeOutputFile(m_reportFileName, *bytes, &m_errorText);
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
        writer.setTitle(documentTitle(m_config.modelIndex));
        writer.setCreator(QStringLiteral("Mestrel"));
        layOut();
        paintPages(&writer, 1, m_document->pageCount());
    }
    if (!isCompletePdf(buffer.data())) {
        m_errorText = QStringLiteral("The PDF could not be written completely");
        return std::nullopt;
    }
    return buffer.data();
}

bool ReportGenerator::printToPdfFile(QPrinter *printer, const QString &target)
{
    // Refused before the work of printing: a device, FIFO or folder is
    // never replaced by a report.
    if (!isWritableTarget(target, &m_errorText))
        return false;
    const std::optional<QByteArray> printed = printCheckedPdf(printer);
    return printed && writeOutputFile(target, *printed, &m_errorText);
}

std::optional<QByteArray> ReportGenerator::printCheckedPdf(QPrinter *printer)
{
    // The printer writes to a file and tells nothing of a failure: the PDF
    // goes to a temporary file, which is read back and checked whole before
    // it may replace the target.
    QTemporaryFile printed(QDir::tempPath() + QStringLiteral("/mestrel-report-XXXXXX.pdf"));
    if (!printed.open()) {
        m_errorText = printed.errorString();
        return std::nullopt;
    }
    printed.close();

    const QString target = printer->outputFileName();
    printer->setOutputFileName(printed.fileName());
    layOut();
    paintPages(printer);
    printer->setOutputFileName(target);

    if (!printed.open()) {
        m_errorText = printed.errorString();
        return std::nullopt;
    }
    QByteArray pdf = printed.readAll();
    if (!isCompletePdf(pdf)) {
        m_errorText = reasonPrintingStopped(printed.fileName());
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
        m_errorText = QStringLiteral("The printer could not print the report");
        return false;
    }
    return true;
}

void ReportGenerator::paintPages(QPrinter *printer)
{
    const int pages = m_document->pageCount();
    const int first = printer->fromPage() > 0 ? printer->fromPage() : 1;
    const int last = printer->toPage() > 0 ? qMin(printer->toPage(), pages) : pages;
    paintPages(printer, first, last);
}

void ReportGenerator::paintPages(QPagedPaintDevice *device, int first, int last)
{
    // Page by page as QTextDocument::print paints a paginated document,
    // each page of the document placed on
    // the device's paper.
    QPainter painter(device);
    if (!painter.isActive())
        return;
    const QSizeF page = m_document->pageSize();
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
        m_document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
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
    m_document = std::make_unique<QTextDocument>();
    m_document->setUndoRedoEnabled(false);
    // Without a device of its own the document would measure its fonts at
    // the screen's resolution, and the line breaks and page fit would
    // follow the desk and the toolkit's version.
    m_document->documentLayout()->setPaintDevice(&m_layoutDevice);
    m_lengthScale = assumedScreenDpi() / kLayoutDpi;
    // Text that no format sizes (the empty cells and lines between tables)
    // takes the report's font too, whatever the application's font is.
    m_document->setDefaultFont(reportCharFormat(8).font());
    m_document->setPageSize(paper);
    m_rootFrame = m_document->rootFrame();
    m_document->setDocumentMargin(deviceLength(kDocumentMargin));

    m_pageNumber = 1;
    m_cursor = std::make_unique<QTextCursor>(m_document.get());
    // One edit block: the layout follows the finished document once, not
    // every insertion.
    QTextCursor(m_document.get()).beginEditBlock();
    const int pages = pageCount(m_modelPortCount);
    for (int page = 1; page <= pages; ++page)
        insertPage();
    QTextCursor(m_document.get()).endEditBlock();
    fitBodiesToPages(paper, pages);
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
    while (m_document->pageCount() > pages && zoom < kMaxZoom) {
        zoom *= kZoomStep;
        m_document->setPageSize(paper * zoom);
        m_document->setDocumentMargin(deviceLength(kDocumentMargin * zoom));
    }
}

void ReportGenerator::insertPage()
{
    moveToEnd();
    insertHeader();
    moveToEnd();
    if (m_pageNumber == 1) {
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
    const LayoutTableStyle headerStyle {percentages({25, 45, 25}), m_pageNumber > 1};
    QTextTable *header = insertTable(1, 3, headerStyle.format(m_lengthScale));
    insertCellText(header, 0, 0,
                   QStringLiteral("Date:") + m_reportDate.toString(QStringLiteral("dd.MM.yyyy")),
                   m_smallFormat);
    enterCell(header, 0, 1, m_centerBlock);
    m_cursor->insertText(QStringLiteral("Switch Configuration Report\n"), m_titleFormat);
    m_cursor->insertText(m_config.model().modelName, m_modelNameFormat);
    enterCell(header, 0, 2, m_rightBlock);
    insertPicture(QStringLiteral(":/Image/report_logo.png"), 200);

    moveToEnd();
    QTextTable *rule = insertLayoutTable(1, 1, {95});
    enterCell(rule, 0, 0, m_centerBlock);
    m_cursor->insertText(QString(kRuleLength, QLatin1Char('_')), reportCharFormat(2));
    moveToEnd();
}

void ReportGenerator::insertFooter()
{
    QTextTable *footer = insertLayoutTable(1, 1, {95});
    insertCellText(
        footer, 0, 0,
        QStringLiteral("Page %1 of %2").arg(m_pageNumber).arg(pageCount(m_modelPortCount)),
        m_smallFormat, m_centerBlock);
    ++m_pageNumber;
}

QTextTable *ReportGenerator::insertTable(int rows, int columns, const QTextTableFormat &format)
{
    return m_cursor->insertTable(rows, columns, format);
}

QTextTable *ReportGenerator::insertLayoutTable(int rows, int columns,
                                               std::initializer_list<qreal> widths)
{
    return insertTable(rows, columns, LayoutTableStyle {percentages(widths)}.format(m_lengthScale));
}

QTextTable *ReportGenerator::insertFramedBox(const FramedBoxStyle &style)
{
    QTextTable *box = insertTable(1, 1, style.format(m_lengthScale));
    setCellFormat(box, 0, 0, m_greyCellFormat);
    enterCell(box, 0, 0);
    return box;
}

void ReportGenerator::moveToEnd()
{
    *m_cursor = m_rootFrame->lastCursorPosition();
}

void ReportGenerator::setCellFormat(QTextTable *table, int row, int column,
                                    const QTextCharFormat &format)
{
    table->cellAt(row, column).setFormat(format);
}

void ReportGenerator::enterCell(QTextTable *table, int row, int column,
                                const QTextBlockFormat &block)
{
    *m_cursor = table->cellAt(row, column).firstCursorPosition();
    m_cursor->setBlockFormat(block);
}

void ReportGenerator::insertCellText(QTextTable *table, int row, int column, const QString &text,
                                     const QTextCharFormat &format, const QTextBlockFormat &block)
{
    enterCell(table, row, column, block);
    m_cursor->insertText(text, format);
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
    m_document->addResource(QTextDocument::ImageResource, QUrl(format.name()), scaled);
    format.setWidth(deviceLength(scaled.width()));
    format.setHeight(deviceLength(scaled.height()));
    m_cursor->insertImage(format);
}

qreal ReportGenerator::deviceLength(qreal length) const
{
    return length * m_lengthScale;
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
