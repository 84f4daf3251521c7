#pragma once

#include "window/config/formrows.h"

#include <QScopedPointer>
#include <QVector>
#include <QWidget>

namespace Ui {
class GeneralFields;
}
class ConfigEditor;
struct EditorState;
struct GlobalParameter;

// The "General Information" and "Global Parameters" boxes: the model, the
// serial number, contact and location, the aging time, the power-supply
// alarms, the trust mode and the buttons of the two QoS mapping dialogs.
// The form names the setting of the whole switch each widget shows (its
// "globalParameter" property), whose row gives the items, the range and
// whether the model takes it. Input is constrained while it is typed, never
// marked invalid; every edit goes to the editor, and the fields are redrawn
// from its state.
class GeneralFields : public QWidget
{
    Q_OBJECT

public:
    explicit GeneralFields(QWidget *parent = nullptr);
    ~GeneralFields() override;

    void setEditor(ConfigEditor *editor);
    void showState(const EditorState &state);

private:
    // A widget of a setting of the whole switch and the file index it shows.
    struct GlobalRow
    {
        const GlobalParameter *parameter = nullptr;
        int index = 0;
        FormRow widgets;
    };

    void bindGlobalRows();
    void installValidators();
    void installToolTips();
    void connectFields();
    void connectGlobalRow(const GlobalRow &row);
    void openMappingDialog(int id);

    const QScopedPointer<Ui::GeneralFields> m_ui;
    QVector<GlobalRow> m_globalRows;
    ConfigEditor *m_editor = nullptr;
};
