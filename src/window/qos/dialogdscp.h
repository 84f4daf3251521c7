#pragma once

#include <QDialog>
#include <QScopedPointer>

struct SwitchConfig;

namespace Ui {
class DialogDSCP;
}

// Edits the DSCP to traffic class table of a configuration. OK writes the
// table into the record; Cancel and the close button discard.
class DialogDSCP : public QDialog
{
    Q_OBJECT

public:
    explicit DialogDSCP(SwitchConfig &config, QWidget *parent = nullptr);
    ~DialogDSCP() override;

private slots:
    void on_buttonBox_accepted();

private:
    const QScopedPointer<Ui::DialogDSCP> ui;
    SwitchConfig &m_config;
};
