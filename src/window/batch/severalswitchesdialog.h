#pragma once

#include "core/batch/switchbatch.h"
#include "core/config/editorstate.h"

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class SeveralSwitchesDialog;
}
class SwitchListModel;

// What the user put into "Several Switches": the list, the output folder
// and the two choices. Its owner keeps it between openings of the dialog.
struct SeveralSwitchesInput
{
    SwitchList list;
    QString folder;
    bool withReports = false;
    bool replaceExisting = false;
};

// "Several Switches": one configuration file (and report) per row of a
// switch list, made from the configuration being edited as template. Rows
// are typed, pasted from a spreadsheet or imported from a list file; every
// change re-checks the whole list with the batch's plan, marks the cells in
// error and lets "Make Files" go only when every row is valid.
class SeveralSwitchesDialog : public QDialog
{
    Q_OBJECT

public:
    // `state` is the template, copied: the window's editing does not reach
    // the dialog. The dialog starts with `input`.
    SeveralSwitchesDialog(const EditorState &state, const SeveralSwitchesInput &input,
                          QWidget *parent = nullptr);
    ~SeveralSwitchesDialog() override;

    SwitchListModel *model() const { return m_model; }
    // What the dialog holds now, however it is closed.
    SeveralSwitchesInput input() const;

    // Pastes a block of tab-separated rows: with a header row its columns
    // are matched by name and its rows added; without, the cells fill the
    // table from the current cell on, as a spreadsheet pastes.
    void pasteBlock(const QString &block);

private slots:
    void on_pushButton_addRow_clicked();
    void on_pushButton_removeRows_clicked();
    void on_pushButton_paste_clicked();
    void on_comboBox_overrideKey_currentIndexChanged(int item);
    void on_pushButton_addColumn_clicked();
    void on_pushButton_removeColumn_clicked();
    void on_pushButton_import_clicked();
    void on_pushButton_export_clicked();
    void on_pushButton_chooseFolder_clicked();
    void on_pushButton_makeFiles_clicked();
    // Checks the list again and shows what the check found.
    void replan();

private:
    void fillOverrideKeys();
    void pasteWithHeader(const QVector<QStringList> &cells);
    void importList(const SwitchList &list);
    void pasteCells(const QVector<QStringList> &cells);
    void showOutcome(const BatchOutcome &outcome, const QString &folder);
    QString folder() const;

    const QScopedPointer<Ui::SeveralSwitchesDialog> m_ui;
    const EditorState m_template;
    SwitchListModel *m_model;
    BatchPlan m_plan;
    bool m_pasting = false; // one check after a paste, not one per cell
};
