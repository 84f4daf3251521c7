#pragma once

#include <QObject>

#include <functional>

class ConfigEditor;
class QAction;
class QUndoStack;
class QWidget;
struct EditorState;

// The undo history of the document and whether it is saved. Every step the
// editor reports becomes one entry holding the whole editor state before and
// after it; going back or forth hands one of them to the editor with nothing
// selected, as after a load. Typing in one field merges into one entry.
// The window's modified marker follows the history's saved (clean) entry.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxSteps = 100;

    // `window` gets the modified marker and parents the closing question;
    // its text fields, there by now, leave the undo keys to the history.
    UndoHistory(ConfigEditor *editor, QWidget *window);
    ~UndoHistory() override;

    // "&Undo" and "&Redo", named after the step they undo or redo.
    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }
    QUndoStack &stack() const { return *m_stack; }

    bool isModified() const;
    // Runs New or Open. The document it brings starts unmodified, unless it
    // replaced unsaved changes: those stay one undo away, and the marker
    // keeps asking for them to be saved.
    void replaceDocument(const std::function<void()> &replace);

    // With unsaved changes, asks whether to save them; `save` runs the
    // normal save and says whether the file was written. Returns whether
    // the window may close.
    bool confirmClose(const std::function<bool()> &save);

public slots:
    // A file now holds the document as it is.
    void markSaved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void record(const QString &name, const EditorState &before, const QString &mergeKey);

    ConfigEditor *m_editor;
    QWidget *m_window;
    QUndoStack *m_stack;
    QAction *m_undoAction;
    QAction *m_redoAction;
    quint64 m_recorded = 0; // steps recorded so far; the index stops at the limit
};
