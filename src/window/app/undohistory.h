#pragma once

#include <QObject>

class ConfigEditor;
class QAction;
class QUndoStack;
class QWidget;
struct EditorState;
struct SaveOutcome;

// The undo history of the editor's steps. Every step the editor reports
// becomes one entry holding the whole editor state before and after it,
// the document it belongs to included; going back or forth hands one of
// them to the editor with nothing selected, as after a load. Typing in one
// field merges into one entry.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxSteps = 100;

    // The text fields of `window`, there by now, leave the undo keys to the
    // history.
    UndoHistory(ConfigEditor *editor, QWidget *window);
    ~UndoHistory() override;

    // "&Undo" and "&Redo", named after the step they undo or redo.
    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }
    QUndoStack &stack() const { return *m_stack; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void record(const QString &name, const EditorState &before, const QString &mergeKey);
    // Every kept state learns the document's new name and what its file holds.
    void noteSaveInEveryEntry(const SaveOutcome &outcome);

    ConfigEditor *m_editor;
    QUndoStack *m_stack;
    QAction *m_undoAction;
    QAction *m_redoAction;
};
