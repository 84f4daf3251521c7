#pragma once

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class aboutDialog;
}

// The about box: program name, version, maker and legal notice. Its
// "License Information" button asks for the licence page; whoever shows the
// box decides where that page is. The lower-case class name is a name other
// parts rely on (the form is named after it): keep it.
class aboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit aboutDialog(QWidget *parent = nullptr);
    ~aboutDialog() override;

signals:
    void licenseTextRequested();

private slots:
    void on_pushButton_clicked();
    void on_pushButton_licensetext_clicked();

private:
    const QScopedPointer<Ui::aboutDialog> m_ui;
};
