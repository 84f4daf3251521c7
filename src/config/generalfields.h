#pragma once

#include <QString>

namespace Ui {
class MainWindow;
}
struct EditorState;

// The "General Information" and "Global Parameters" boxes of the main window:
// their input rules, and the way their edits reach the record and the record
// gets back into them. The window forwards its by-name slots here.
class GeneralFields
{
public:
    GeneralFields(Ui::MainWindow *ui, EditorState &state);

    // Validators of the text fields and the ranges of the port panel's spin
    // boxes; input is constrained while typed, never marked invalid.
    void installValidators();
    void installToolTips();

    void serialNumberEdited(const QString &text);
    void fileReleaseEdited(const QString &text);
    void contactNameEdited(const QString &text);
    void locationEdited(const QString &text);
    void componentIdEdited(const QString &text);
    // Runs for program changes too; normalises the field to the stored value.
    void agingTimeChanged(const QString &text);
    void psuAlarmChanged(int supply, int index); // supply 1 or 2

    // Refills the widgets from the record; the component id and the typed
    // serial digits are left as they are.
    void refresh();
    void rebuildSerialPrefix();

private:
    Ui::MainWindow *m_ui;
    EditorState &m_state;
};
