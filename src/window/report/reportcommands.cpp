#include "window/report/reportcommands.h"

#include "core/config/configeditor.h"
#include "core/file/filenaming.h"
#include "core/file/outputfile.h"
#include "report/reportgenerator.h"
#include "window/ground/busycursor.h"
#include "window/ground/prompts.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

ReportCommands::ReportCommands(const ConfigEditor *editor, QWidget *parent)
    : m_editor(editor)
    , m_parent(parent)
{
    m_exports.setFinishedCallback(&m_finishedContext,
                                  [this](int index) { writeExport(index, true); });
}

ReportCommands::~ReportCommands()
{
    // The window is going: a report that cannot be written is not told.
    m_exports.waitForAll();
    for (int index = 0; index < m_exportPaths.size(); ++index)
        writeExport(index, false);
}

void ReportCommands::exportReport()
{
    const EditorState &state = m_editor->state();
    // The article number and the typed digits, without the "-" between.
    const QString proposed = articleNumber(state.config.modelIndex) + state.serialNumber;
    const QString path = Prompts::saveFileName(m_parent, tr("Save File"), proposed,
                                               tr("PDF Document (*.pdf)"), reportFilePath);
    if (path.isEmpty())
        return;
    // A device, FIFO or folder of the name is refused before the work.
    QString refusal;
    if (!isWritableTarget(path, &refusal)) {
        Prompts::information(m_parent, tr("Unable to open file"), refusal);
        return;
    }

    if (!m_busy)
        m_busy = std::make_unique<BusyCursor>();
    m_exportPaths << path;
    m_exports.add([config = state.config, serialPrefix = serialPrefix(state)] {
        ReportGenerator report(config, serialPrefix, QString());
        OutputJobResult result;
        result.bytes = report.pdf();
        if (!result.bytes)
            result.error = report.errorString();
        return result;
    });
}

void ReportCommands::finishExports()
{
    m_exports.waitForAll();
    for (int index = 0; index < m_exportPaths.size(); ++index)
        writeExport(index, true);
}

void ReportCommands::writeExport(int index, bool tell)
{
    const QString path = m_exportPaths.value(index);
    if (path.isEmpty() || !m_exports.waitFor(index, 0))
        return; // written already, or still being made
    m_exportPaths[index].clear();
    if (std::all_of(m_exportPaths.cbegin(), m_exportPaths.cend(),
                    [](const QString &pending) { return pending.isEmpty(); }))
        m_busy.reset();

    const OutputJobResult report = m_exports.take(index);
    QString error = report.error;
    if (report.bytes && writeOutputFile(path, *report.bytes, &error))
        return;
    if (tell)
        Prompts::information(m_parent, tr("Unable to open file"), error);
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
