#pragma once

class ConfigEditor;
class QWidget;

// "Print Report…" and "Print Preview…": the report Export writes, page for
// page, on the printer and paper chosen in the system's print dialog or
// seen in the print preview. A4 landscape is proposed.
class ReportPrinting
{
public:
    ReportPrinting(const ConfigEditor *editor, QWidget *parent);

    void printReport();
    void printPreview();

private:
    const ConfigEditor *m_editor;
    QWidget *m_parent;
};
