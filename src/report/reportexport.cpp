#include "report/reportexport.h"

#include "app/prompts.h"
#include "config/editorstate.h"
#include "report/reportgenerator.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

// Shows the busy cursor while it lives, on every way out.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

ReportExport::ReportExport(Ui::MainWindow *ui, const EditorState &state, QWidget *parent)
    : m_ui(ui)
    , m_state(state)
    , m_parent(parent)
{ }

QString ReportExport::withPdfSuffix(const QString &fileName)
{
    const QString suffix = QStringLiteral(".pdf");
    return fileName.endsWith(suffix, Qt::CaseSensitive) ? fileName : fileName + suffix;
}

void ReportExport::exportReport()
{
    const QString proposed = m_ui->lineEdit_serialFix->text() + m_ui->lineEdit_serialNumber->text();
    const QString chosen =
        Prompts::saveFileName(m_parent, tr("Save File"), proposed, tr("PDF Document (*.pdf)"));
    if (chosen.isEmpty())
        return;

    ReportGenerator report(m_ui->comboBox_productSelection->currentIndex(), m_state.config,
                           m_state.serialPrefix, withPdfSuffix(chosen));
    bool written = false;
    {
        BusyCursor busy;
        written = report.generate();
    }
    if (!written)
        Prompts::information(m_parent, tr("Unable to open file"), report.errorString());
}
