#include "window/app/aboutdialog.h"

#include "ui_aboutdialog.h"

aboutDialog::aboutDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::aboutDialog)
{
    m_ui->setupUi(this);
    // A title bar with a close button only, no context help.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                   Qt::WindowCloseButtonHint);
}

aboutDialog::~aboutDialog() = default;

void aboutDialog::on_pushButton_clicked()
{
    close();
}

void aboutDialog::on_pushButton_licensetext_clicked()
{
    emit licenseTextRequested();
}
