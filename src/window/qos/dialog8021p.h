#pragma once

#include <QDialog>
#include <QScopedPointer>

struct SwitchConfig;

namespace Ui {
class Dialog8021p;
}

// Edits the 802.1p priority to traffic class table of a configuration. OK
// writes the table into the record; Cancel and the close button discard.
class Dialog8021p : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog8021p(SwitchConfig &config, QWidget *parent = nullptr);
    ~Dialog8021p() override;

private slots:
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();

private:
    const QScopedPointer<Ui::Dialog8021p> ui;
    SwitchConfig &m_config;
};
