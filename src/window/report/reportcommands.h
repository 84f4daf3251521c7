#pragma once

#include "core/file/outputjobs.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <memory>

class BusyCursor;
class ConfigEditor;
class QWidget;

// The report of the configuration being edited, as the window's commands
// give it: "&Export" asks for a PDF file name, proposing the article number
// followed by the typed serial number, and writes it there (".pdf" appended
// unless the name ends with it, before asking whether to replace a file); "Print Report…"
// and "Print Preview…" put the same pages on the printer and paper chosen in
// the system's print dialog or seen in the print preview (A4 landscape is
// proposed).
//
// An exported report is made on a worker thread from a copy of the
// configuration taken when the name is chosen, so the window stays usable
// (with the wait cursor) and may go on editing; the file is written on the
// window's thread once the report is made, whole or not at all.
class ReportCommands
{
public:
    ReportCommands(const ConfigEditor *editor, QWidget *parent);
    // Waits for the reports still being made and writes them: closing the
    // window never loses an export nor leaves part of one.
    ~ReportCommands();
    ReportCommands(const ReportCommands &) = delete;
    ReportCommands &operator=(const ReportCommands &) = delete;

    void exportReport();
    void printReport();
    void printPreview();

    // Waits until every export started is written or refused.
    void finishExports();

private:
    // Writes a finished export, or says why it could not (when `tell`).
    void writeExport(int index, bool tell);

    const ConfigEditor *m_editor;
    QWidget *m_parent;
    QVector<QString> m_exportPaths; // by job; emptied once written
    std::unique_ptr<BusyCursor> m_busy; // while exports are being made
    QObject m_finishedContext; // hears the finished exports on the window's thread
    OutputJobs m_exports; // after the context: goes first
};
