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
    explicit DialogErrorLog(const QVector<RejectedLine> &rejected, QWidget *parent = nullptr);
    ~DialogErrorLog() override;

    // A message under the table about the file as a whole; none when empty.
    void setRemark(const QString &remark);

private slots:
    void on_pushButton_clicked();

private:
    // Widens the dialog to show every column whole, up to the screen's width.
    void growToShowColumns();

    const QScopedPointer<Ui::DialogErrorLog> m_ui;
};
