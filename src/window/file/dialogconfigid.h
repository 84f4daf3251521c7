#pragma once

#include <QDialog>
#include <QScopedPointer>

class QRadioButton;

namespace Ui {
class DialogConfigID;
}

// A configuration file names its model only by configuration ID, which up
// to three catalogue rows share. This dialog asks which of them the file is
// for; it always starts on the first.
class DialogConfigID : public QDialog
{
    Q_OBJECT

public:
    explicit DialogConfigID(int configId, QWidget *parent = nullptr);
    ~DialogConfigID() override;

    // Position of the chosen row among the rows sharing the ID (0..2).
    int choice() const { return m_choice; }

public slots:
    // The verb-less name is a name other parts rely on; keep its spelling.
    void radioButtonSelect(int select);

private slots:
    void on_buttonBox_configId_accepted();
    void on_buttonBox_configId_rejected();

private:
    const QScopedPointer<Ui::DialogConfigID> m_ui;
    int m_choice = 0;
};
