#include "window/report/reportcommands.h"

#include "core/config/configeditor.h"
#include "core/file/filenaming.h"
#include "report/reportgenerator.h"
#include "window/ground/busycursor.h"
#include "window/ground/prompts.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

ReportCommands::ReportCommands(const ConfigEditor *editor, QWidget *parent)
    : m_editor(editor)
    , m_parent(parent)
{ }

void ReportCommands::exportReport()
{
    const EditorState &state = m_editor->state();
    // The article number and the typed digits, without the "-" between.
    const QString proposed = articleNumber(state.config.modelIndex) + state.serialNumber;
    const QString path = Prompts::saveFileName(m_parent, tr("Save File"), proposed,
                                               tr("PDF Document (*.pdf)"), reportFilePath);
    if (path.isEmpty())
        return;

    ReportGenerator report(state.config, serialPrefix(state), path);
    bool written = false;
    {
        BusyCursor busy;
        written = report.generate();
    }
    if (!written)
        Prompts::information(m_parent, tr("Unable to open file"), report.errorString());
}

void ReportCommands::printReport()
{
    const EditorState &state = m_editor->state();
    QPrinter printer(QPrinter::HighResolution);
    ReportGenerator::setUpPrinter(printer, state.config.modelIndex);
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(tr("Print Report"));
    if (Prompts::exec(dialog) != QDialog::Accepted)
        return;

    ReportGenerator report(state.config, serialPrefix(state), QString());
    bool printed = false;
    {
        BusyCursor busy;
        printed = report.print(&printer);
    }
    if (!printed)
        Prompts::information(m_parent, tr("Unable to print"), report.errorString());
}

void ReportCommands::printPreview()
{
    const EditorState &state = m_editor->state();
    QPrinter printer(QPrinter::HighResolution);
    ReportGenerator::setUpPrinter(printer, state.config.modelIndex);
    QPrintPreviewDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(tr("Print Preview"));
    // The preview asks again for every change of paper or orientation.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&state](QPrinter *shown) {
        BusyCursor busy;
        ReportGenerator report(state.config, serialPrefix(state), QString());
        report.print(shown);
    });
    Prompts::exec(dialog);
}
