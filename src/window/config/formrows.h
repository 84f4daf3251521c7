#pragma once

#include <QList>
#include <QString>
#include <QVector>

class QWidget;

// A form names the setting each of its widgets shows in a dynamic property
// (the key of a port parameter, "alarm.psu:1" for one index of a setting
// of the whole switch): one editor per setting and the labels enabled with
// it.
struct FormRow
{
    QString name; // what the property says
    QWidget *editor = nullptr;
    QList<QWidget *> labels;
};

// The rows of `form` by the widgets whose `property` names them, in the
// order of their names. Every named setting has one editor.
QVector<FormRow> formRows(const QWidget *form, const char *property);

// Enables a row's editor and labels together.
void setRowEnabled(const FormRow &row, bool enabled);
