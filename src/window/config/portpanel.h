#pragma once

#include "window/config/formrows.h"

#include <QGroupBox>
#include <QScopedPointer>
#include <QVector>

namespace Ui {
class PortPanel;
}
class ConfigEditor;
struct EditorState;

// The "Port Parameters" box: one widget per port parameter. It shows what
// the editor's panel state holds, enables the widgets the gating allows,
// and hands every change the user makes to the editor.
class PortPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit PortPanel(QWidget *parent = nullptr);
    ~PortPanel() override;

    void setEditor(ConfigEditor *editor);
    void showState(const EditorState &state);

private:
    struct Row
    {
        int column = -1; // PortColumn
        FormRow widgets;
    };

    void bindRows();
    void connectRows();
    void classesEdited(const QString &text);

    const QScopedPointer<Ui::PortPanel> m_ui;
    QVector<Row> m_rows;
    ConfigEditor *m_editor = nullptr;
};
