#pragma once

#include <QString>

class QWidget;
namespace Ui {
class MainWindow;
}
struct EditorState;

// The "&Export" command: asks for a PDF file name, proposing the article
// number followed by the typed serial number, and writes the report of the
// configuration being edited to it.
class ReportExport
{
public:
    ReportExport(Ui::MainWindow *ui, const EditorState &state, QWidget *parent);

    void exportReport();

    // The name as chosen, with ".pdf" appended unless it already ends so.
    static QString withPdfSuffix(const QString &fileName);

private:
    Ui::MainWindow *m_ui;
    const EditorState &m_state;
    QWidget *m_parent;
};
