#pragma once

#include <QString>

class ConfigEditor;
class QWidget;

// The report of the configuration being edited, as the window's commands
// give it: "&Export" asks for a PDF file name, proposing the article number
// followed by the typed serial number, and writes it there (".pdf" appended
// unless the name ends with it, before asking whether to replace a file); "Print Report…"
// and "Print Preview…" put the same pages on the printer and paper chosen in
// the system's print dialog or seen in the print preview (A4 landscape is
// proposed).
class ReportCommands
{
public:
    ReportCommands(const ConfigEditor *editor, QWidget *parent);

    void exportReport();
    void printReport();
    void printPreview();

private:
    const ConfigEditor *m_editor;
    QWidget *m_parent;
};
