#pragma once

#include "core/file/configreader.h"

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class DialogErrorLog;
}

// Lists the lines of a loaded file that were refused, with the reason.
class DialogErrorLog : public QDialog
{
    Q_OBJECT

public:
    // The lines of the file at `path` that catalogue row `row` refused.
    DialogErrorLog(const QVector<RejectedLine> &rejected, const QString &path, int row,
                   QWidget *parent = nullptr);
    ~DialogErrorLog() override;

    // A message under the table about the file as a whole; none when empty.
    void setRemark(const QString &remark);

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_pushButton_clicked();

private:
    // The line number, key, index and reason keep the width of their
    // texts; the value takes what is left and is cut short with "…".
    void fitColumns();
    // Widens the dialog to show the columns, within the screen's free area.
    void growToShowColumns();
    // Narrows the dialog, frame and all, to the screen's free width.
    void keepWithinScreen();

    const QScopedPointer<Ui::DialogErrorLog> m_ui;
};
