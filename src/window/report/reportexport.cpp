#include "window/report/reportexport.h"

#include "core/config/configeditor.h"
#include "report/reportgenerator.h"
#include "window/ground/busycursor.h"
#include "window/ground/prompts.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

ReportExport::ReportExport(const ConfigEditor *editor, QWidget *parent)
    : m_editor(editor)
    , m_parent(parent)
{ }

QString ReportExport::withPdfSuffix(const QString &fileName)
{
    const QString suffix = QStringLiteral(".pdf");
    return fileName.endsWith(suffix, Qt::CaseSensitive) ? fileName : fileName + suffix;
}

void ReportExport::exportReport()
{
    const EditorState &state = m_editor->state();
    // The article number and the typed digits, without the "-" between.
    const QString proposed = articleNumber(state.modelIndex) + state.serialNumber;
    const QString chosen =
        Prompts::saveFileName(m_parent, tr("Save File"), proposed, tr("PDF Document (*.pdf)"));
    if (chosen.isEmpty())
        return;

    ReportGenerator report(state.modelIndex, state.config, state.serialPrefix,
                           withPdfSuffix(chosen));
    bool written = false;
    {
        BusyCursor busy;
        written = report.generate();
    }
    if (!written)
        Prompts::information(m_parent, tr("Unable to open file"), report.errorString());
}
