#include "window/app/undohistory.h"

#include "core/config/configeditor.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoCommand>
#include <QUndoStack>
#include <QWidget>

namespace {

// All typing entries share one id; their merge keys tell the fields apart.
constexpr int kTypingId = 1;

// As the editor shows a state after a load: nothing selected, port 1 shown.
EditorState unselected(const EditorState &state)
{
    EditorState shown = state;
    clearSelectionAndShowFirstPort(shown);
    return shown;
}

// One step of the user's as the states before and after it.
class SnapshotCommand : public QUndoCommand
{
public:
    SnapshotCommand(ConfigEditor *editor, const QString &name, const EditorState &before,
                    const QString &mergeKey)
        : QUndoCommand(name)
        , m_editor(editor)
        , m_mergeKey(mergeKey)
        , m_before(unselected(before))
        , m_after(unselected(editor->state()))
    { }

    void undo() override { m_editor->setState(m_before); }
    void redo() override
    {
        // Pushing redoes the command, but the step has happened already.
        if (m_pushed)
            m_editor->setState(m_after);
        m_pushed = true;
    }
    void noteSave(const SaveOutcome &outcome)
    {
        ::noteSave(m_before, outcome);
        ::noteSave(m_after, outcome);
    }
    int id() const override { return m_mergeKey.isEmpty() ? -1 : kTypingId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const SnapshotCommand *>(other);
        if (next->m_mergeKey != m_mergeKey)
            return false;
        m_after = next->m_after;
        // Typed and deleted again: the entry goes.
        setObsolete(sameDocument(m_before, m_after));
        return true;
    }

private:
    ConfigEditor *m_editor;
    QString m_mergeKey;
    EditorState m_before;
    EditorState m_after;
    bool m_pushed = false;
};

} // namespace

UndoHistory::UndoHistory(ConfigEditor *editor, QWidget *window)
    : QObject(window)
    , m_editor(editor)
    , m_stack(new QUndoStack(this))
    , m_undoAction(m_stack->createUndoAction(this, tr("&Undo")))
    , m_redoAction(m_stack->createRedoAction(this, tr("&Redo")))
{
    m_stack->setUndoLimit(kMaxSteps);
    m_undoAction->setShortcuts(QKeySequence::Undo);
    m_redoAction->setShortcuts(QKeySequence::Redo);
    connect(editor, &ConfigEditor::stepFinished, this, &UndoHistory::record);
    connect(editor, &ConfigEditor::saved, this, &UndoHistory::noteSaveInEveryEntry);
    const QList<QLineEdit *> fields = window->findChildren<QLineEdit *>();
    for (QLineEdit *field : fields)
        field->installEventFilter(this);
}

UndoHistory::~UndoHistory() = default;

void UndoHistory::record(const QString &name, const EditorState &before, const QString &mergeKey)
{
    m_stack->push(new SnapshotCommand(m_editor, name, before, mergeKey));
}

bool UndoHistory::eventFilter(QObject *watched, QEvent *event)
{
    // A focused text field takes the undo keys for its own undo even with
    // nothing of its own to undo. Left unaccepted, they reach "&Undo" and
    // "&Redo", whose typing steps undo the field's text as well.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void UndoHistory::noteSaveInEveryEntry(const SaveOutcome &outcome)
{
    // The stack hands out its entries read-only; they are all ours.
    for (int i = 0; i < m_stack->count(); ++i)
        static_cast<SnapshotCommand *>(const_cast<QUndoCommand *>(m_stack->command(i)))
            ->noteSave(outcome);
    // Typing after a save starts an entry of its own.
    m_stack->setClean();
}
