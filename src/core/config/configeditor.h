#pragma once

#include "core/config/editorstate.h"
#include "core/config/portediting.h"

#include <QObject>

// The configuration being edited and every change the user can make to it.
// The window's widgets call these methods with the user's intent and redraw
// themselves from state() when a signal says what changed; nothing else
// writes the editor state. Each method is one step of the user's; a step
// that changed the document is reported with the state before it
// (stepFinished), which is what the undo history keeps.
class ConfigEditor : public QObject
{
    Q_OBJECT

public:
    explicit ConfigEditor(QObject *parent = nullptr);

    const EditorState &state() const { return m_state; }
    // Replaces the whole state as a step of the user's (a loaded file).
    void loadState(const EditorState &state, const QString &stepName);
    // Replaces the whole state without making it a step (the history going
    // back or forth).
    void setState(const EditorState &state);

    // The model and the configuration as a whole.
    void selectModel(int index);
    // "New": the defaults of the current model as a new, untitled document.
    void newConfiguration();
    // The document was saved to the file `fileName`, or that file
    // could not be written: either way it is the file the next Save writes.
    // Not a step: what the document holds does not change.
    void documentSaved(const QString &fileName, bool written);

    // Port selection.
    void clickPort(int port);
    void controlClickPort(int port);
    void selectAllPorts();
    void deselectAllPorts();
    void selectTableRow(int row);

    // Port parameters: the panel's widgets and the table's cells.
    void editPort(int column, int value);
    void editTrustMode(int mode);
    QString editClasses(const QString &typed); // returns the text to show
    bool editTableCell(int row, int column, const QString &text);

    // General information and the settings of the whole switch.
    void setSerialNumber(const QString &digits);
    void setComponentId(const QString &text);
    void setFileRelease(const QString &text);
    // A setting of the whole switch (GlobalId) at the file index `index`:
    // a number picked or typed, or a free text. The trust mode is every
    // port's too (editTrustMode).
    void setGlobal(int id, int index, qint64 value);
    void setGlobalText(int id, const QString &text);
    // The table of one QoS mapping dialog (GlobalId::Dot1pMapping or
    // DscpMapping), taken from the record it edited.
    void setMapping(int id, const SwitchConfig &edited);

signals:
    // Anything may have changed: the model, every port, the texts.
    void stateReset();
    // The selection changed, and with it the panel and its gating.
    void selectionChanged();
    // The record of these ports changed; the panel and its gating may too.
    void portsChanged(PortSet ports);
    // The general information or the global parameters changed.
    void generalChanged();

    // A step of the user's changed the document; `before` is the state it
    // started from. Steps with the same non-empty `mergeKey` that follow
    // each other are typing in one field.
    void stepFinished(const QString &name, const EditorState &before, const QString &mergeKey);
    // The document was saved or took another file name; the states kept
    // for undo are to be brought up to date with noteSave().
    void saved(const SaveOutcome &outcome);

private:
    class Step;
    EditorState m_state;
};
