#pragma once

#include <QDialog>
#include <QVector>

// A configuration file names its model only by configuration ID, which
// several catalogue rows may share. This dialog asks which of them the file
// is for, one choice for each row; it always starts on the first.
class DialogConfigID : public QDialog
{
    Q_OBJECT

public:
    // `rows`: the catalogue rows to offer, in the order shown.
    explicit DialogConfigID(const QVector<int> &rows, QWidget *parent = nullptr);

    // Position of the chosen row among the rows offered.
    int choice() const { return m_choice; }
    // The catalogue row chosen; -1 when none was offered.
    int chosenRow() const { return m_rows.value(m_choice, -1); }

public slots:
    // The verb-less name is a name other parts rely on; keep its spelling.
    void radioButtonSelect(int select);

private slots:
    void on_buttonBox_configId_accepted();
    void on_buttonBox_configId_rejected();

private:
    const QVector<int> m_rows;
    int m_choice = 0;
};
