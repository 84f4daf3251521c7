#pragma once

#include <QString>

class ConfigEditor;
class QWidget;

// The "&Export" command: asks for a PDF file name, proposing the article
// number followed by the typed serial number, and writes the report of the
// configuration being edited to it.
class ReportExport
{
public:
    ReportExport(const ConfigEditor *editor, QWidget *parent);

    void exportReport();

    // The name as chosen, with ".pdf" appended unless it already ends so.
    static QString withPdfSuffix(const QString &fileName);

private:
    const ConfigEditor *m_editor;
    QWidget *m_parent;
};
