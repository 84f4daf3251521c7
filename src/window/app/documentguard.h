#pragma once

#include <QObject>

#include <functional>

class ConfigEditor;
class QWidget;

// The open document as the window shows it: the title names the file Save
// writes and marks changes that file does not hold; before New, Open and
// closing, unsaved changes are offered for saving.
class DocumentGuard : public QObject
{
    Q_OBJECT

public:
    DocumentGuard(ConfigEditor *editor, QWidget *window);

    bool isModified() const;

    // `save` runs the normal save and says whether the file was written.
    // With unsaved changes, each asks whether to save them first and says
    // whether the command may go on: not after Cancel or a failed save.
    bool maySetAside(const std::function<bool()> &save);
    bool mayClose(const std::function<bool()> &save);

private:
    void showTitle();
    bool askToSave(const QString &question, const std::function<bool()> &save);

    ConfigEditor *m_editor;
    QWidget *m_window;
};
