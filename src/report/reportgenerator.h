#pragma once

#include "core/config/switchconfig.h"
#include "report/reportformats.h"

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextTable>
#include <QTextTableFormat>

#include <initializer_list>
#include <memory>
#include <optional>

class QPagedPaintDevice;
class QPrinter;
class QTextCursor;
class QTextDocument;
class QTextFrame;

// Writes the "Switch Configuration Report" of one configuration as a
// landscape A4 PDF: page 1 with the general information and the global
// parameters, then one page of port parameters per 16 ports.
//
// The document is built almost entirely out of tables through one cursor:
// invisible layout tables place things side by side, framed grey boxes hold
// data tables with the values (reportformats.h has a style value per kind of
// table). Needs a QGuiApplication (fonts, pictures,
// PDF output) but no widgets. Built, generated once and thrown away; it
// reads `config` by reference, which must outlive it.
class ReportGenerator
{
public:
    // `serialPrefix`: the serial number as shown (serialNumberText).
    ReportGenerator(const SwitchConfig &config, const QString &serialPrefix,
                    const QString &reportFileName, const QDate &reportDate = QDate::currentDate());
    ~ReportGenerator();

    ReportGenerator(const ReportGenerator &) = delete;
    ReportGenerator &operator=(const ReportGenerator &) = delete;

    // Builds the document and writes the PDF. The file appears complete or
    // not at all: on failure nothing is left behind, an existing file of the
    // name is kept, and errorString() tells why.
    bool generate();
    // Builds the document and returns the PDF's bytes, as generate() would
    // write them; nothing on failure, with errorString() telling why. Needs
    // no printer and writes no file, so it may run on any thread, several
    // reports at a time.
    std::optional<QByteArray> pdf();
    QString errorString() const { return m_errorText; }

    // Prints the same pages onto `printer` (the print dialog and the print
    // preview): each page as on A4 landscape, at its own size on paper that
    // holds it, scaled down whole onto paper that does not, centred. False
    // when the printer could not be started, or when printing to a PDF file
    // did not write it whole (the file then keeps what it held).
    bool print(QPrinter *printer);

    // Sets what every printing of the report proposes: A4 landscape on the
    // whole sheet (the document keeps its own margin), in colour, with the
    // document's title and "Mestrel" as its creator.
    static void setUpPrinter(QPrinter &printer, int modelIndex);
    // "Switch Configuration Report — " and the model's name: the PDF's title
    // and the print job's name.
    static QString documentTitle(int modelIndex);

    // Pages of the report: 3 for models with more than 16 ports, else 2.
    static int pageCount(int portCount);

    // Whether printed bytes are a whole PDF, its end marker included.
    static bool isCompletePdf(const QByteArray &pdf);

private:
    // Prints onto a PDF printer and puts the file at `target` when it came
    // out whole; the refusals and reasons of writeOutputFile.
    bool printToPdfFile(QPrinter *printer, const QString &target);
    // Prints onto a PDF printer through a temporary file and returns the
    // bytes when they are a whole PDF; the printer's file name is kept.
    std::optional<QByteArray> printCheckedPdf(QPrinter *printer);
    // Paints the pages laid out onto the device, from page `first` to `last`
    // (1-based, both included).
    void paintPages(QPagedPaintDevice *device, int first, int last);
    // The same, in the page range the print dialog asked for.
    void paintPages(QPrinter *printer);
    // Builds the pages on A4 landscape.
    void layOut();
    static QString reasonPrintingStopped(const QString &printedPath);
    void fitBodiesToPages(const QSizeF &paper, int pages);
    void insertPage();
    void insertHeader();
    void insertFooter();
    // Page 1 (reportfirstpage.cpp).
    void insertGeneralInformation();
    void insertGlobalParameters();
    void insertTrustAndDot1pTables();
    void insertDscpTables();
    void insertDscpBox(int firstDscp, int dscpCount, const QVector<QTextLength> &widths);
    // The port pages (reportportpage.cpp).
    void insertPortPage();
    void insertPortTable();

    // Inserts a table of `format` at the cursor.
    QTextTable *insertTable(int rows, int columns, const QTextTableFormat &format);
    QTextTable *insertLayoutTable(int rows, int columns, std::initializer_list<qreal> widths);
    // A framed box; leaves the cursor in its grey cell.
    QTextTable *insertFramedBox(const FramedBoxStyle &style);

    void moveToEnd();
    void setCellFormat(QTextTable *table, int row, int column, const QTextCharFormat &format);
    // Puts the cursor at the start of the cell with the given alignment.
    void enterCell(QTextTable *table, int row, int column,
                   const QTextBlockFormat &block = QTextBlockFormat());
    void insertCellText(QTextTable *table, int row, int column, const QString &text,
                        const QTextCharFormat &format,
                        const QTextBlockFormat &block = QTextBlockFormat());
    void insertPicture(const QString &path, int boxSize);
    // A length in units of the page as given to the document: Qt scales
    // fixed lengths by the device's resolution over the screen's, and this
    // undoes it, so that margins, borders, column widths and pictures are
    // the same on every desk.
    qreal deviceLength(qreal length) const;
    static qreal assumedScreenDpi();

    const SwitchConfig &m_config;
    const QString m_serialPrefix;
    const QDate m_reportDate;
    const QString m_reportFileName;
    const quint8 m_modelPortCount = 0;
    QString m_errorText;

    // A picture of a fixed resolution the document is laid out on; it
    // outlives the document.
    QImage m_layoutDevice;
    qreal m_lengthScale = 1;
    // The document outlives the cursor that writes into it.
    std::unique_ptr<QTextDocument> m_document;
    std::unique_ptr<QTextCursor> m_cursor;
    QTextFrame *m_rootFrame = nullptr;
    quint8 m_pageNumber = 1;

    const QTextCharFormat m_titleFormat;
    const QTextCharFormat m_headingFormat;
    const QTextCharFormat m_modelNameFormat;
    const QTextCharFormat m_smallFormat;
    const QTextCharFormat m_labelFormat;
    const QTextCharFormat m_valueFormat;
    const QTextCharFormat m_spacerFormat;
    QTextCharFormat m_greyCellFormat;
    QTextCharFormat m_whiteCellFormat;
    QTextBlockFormat m_centerBlock;
    QTextBlockFormat m_rightBlock;
};
