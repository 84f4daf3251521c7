#pragma once

#include <QScopedPointer>
#include <QWidget>

namespace Ui {
class GeneralFields;
}
class ConfigEditor;
struct EditorState;

// The "General Information" and "Global Parameters" boxes: the model, the
// serial number, contact and location, the aging time, the power-supply
// alarms, the trust mode and the buttons of the two QoS mapping dialogs.
// Input is constrained while it is typed, never marked invalid; every edit
// goes to the editor, and the fields are redrawn from its state.
class GeneralFields : public QWidget
{
    Q_OBJECT

public:
    explicit GeneralFields(QWidget *parent = nullptr);
    ~GeneralFields() override;

    void setEditor(ConfigEditor *editor);
    void showState(const EditorState &state);

private:
    void installValidators();
    void installToolTips();
    void connectFields();
    void openDot1pDialog();
    void openDscpDialog();

    const QScopedPointer<Ui::GeneralFields> m_ui;
    ConfigEditor *m_editor = nullptr;
};
