#include "window/app/documentguard.h"

#include "core/config/configeditor.h"
#include "window/ground/prompts.h"

#include <QFileInfo>
#include <QWidget>

DocumentGuard::DocumentGuard(ConfigEditor *editor, QWidget *window)
    : QObject(window)
    , m_editor(editor)
    , m_window(window)
{
    // Whatever may have changed the document, its name or its saved state.
    connect(editor, &ConfigEditor::stateReset, this, &DocumentGuard::showTitle);
    connect(editor, &ConfigEditor::stepFinished, this, &DocumentGuard::showTitle);
    connect(editor, &ConfigEditor::saved, this, &DocumentGuard::showTitle);
    showTitle();
}

bool DocumentGuard::isModified() const
{
    return !isSaved(m_editor->state());
}

void DocumentGuard::showTitle()
{
    const QString path = m_editor->state().document.fileName;
    // The file path first: with no title of its own a window shows its name.
    m_window->setWindowFilePath(path);
    m_window->setWindowTitle(path.isEmpty()
                                 ? QStringLiteral("Mestrel[*]")
                                 : QFileInfo(path).fileName() + QStringLiteral("[*] - Mestrel"));
    m_window->setWindowModified(isModified());
}

bool DocumentGuard::maySetAside(const std::function<bool()> &save)
{
    return askToSave(tr("Save changes to the current configuration first?"), save);
}

bool DocumentGuard::mayClose(const std::function<bool()> &save)
{
    return askToSave(tr("Save changes to the configuration before closing?"), save);
}

bool DocumentGuard::askToSave(const QString &question, const std::function<bool()> &save)
{
    if (!isModified())
        return true;
    // The texts are the program's own: some desktops call Discard "Close
    // without Saving", which is wrong before New and Open, and some give the
    // buttons no mnemonics.
    const QMessageBox::StandardButton answer = Prompts::question(
        m_window, tr("Mestrel"), question,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save,
        {{QMessageBox::Save, tr("&Save")},
         {QMessageBox::Discard, tr("&Discard")},
         {QMessageBox::Cancel, tr("&Cancel")}});
    switch (answer) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false; // Cancel, or the box closed
    }
}
