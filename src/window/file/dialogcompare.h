#pragma once

#include "core/file/configdiff.h"
#include "core/file/configreader.h"

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class DialogCompare;
}

// "Compare Configurations": the settings in which a file differs from the
// configuration being edited, and the lines of the file that were refused.
class DialogCompare : public QDialog
{
    Q_OBJECT

public:
    // The file at `path` was read as catalogue row `fileRow`; the
    // configuration being edited is of row `currentRow`.
    DialogCompare(const QVector<ConfigDifference> &differences, const QString &path, int fileRow,
                  int currentRow, const QVector<RejectedLine> &rejected, QWidget *parent = nullptr);
    ~DialogCompare() override;

private slots:
    // Puts the list on the clipboard as tab-separated text, after a line
    // naming what was compared.
    void on_pushButton_copy_clicked();

private:
    const QScopedPointer<Ui::DialogCompare> m_ui;
    const QVector<ConfigDifference> m_differences;
    QString m_heading; // the copied text's first line
};
