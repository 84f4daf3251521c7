#include "window/config/formrows.h"

#include <QLabel>
#include <QMap>
#include <QVariant>

QVector<FormRow> formRows(const QWidget *form, const char *property)
{
    QMap<QString, FormRow> rows;
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        const QString name = widget->property(property).toString();
        if (name.isEmpty())
            continue;
        FormRow &row = rows[name];
        row.name = name;
        if (qobject_cast<QLabel *>(widget)) {
            row.labels.append(widget);
        } else {
            Q_ASSERT_X(!row.editor, "formRows", "two widgets edit one setting");
            row.editor = widget;
        }
    }
    QVector<FormRow> withEditors;
    for (const FormRow &row : qAsConst(rows)) {
        Q_ASSERT_X(row.editor, "formRows", "a setting has labels but no editor");
        if (row.editor)
            withEditors.append(row);
    }
    return withEditors;
}

void setRowEnabled(const FormRow &row, bool enabled)
{
    row.editor->setEnabled(enabled);
    for (QWidget *label : row.labels)
        label->setEnabled(enabled);
}
