#include "window/ground/accessiblenames.h"

#include <QLabel>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace AccessibleNames {

QString labelText(const QLabel *label)
{
    QString text = label->text();
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    // "&&" shows one "&"; a single "&" marks the mnemonic.
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown.simplified();
}

void nameFieldsAfterLabels(QWidget *root)
{
    // The label is named too: combo boxes on Linux report their value as
    // their name and are announced by the label they are labelled by.
    for (QLabel *label : root->findChildren<QLabel *>()) {
        if (QWidget *field = label->buddy()) {
            const QString name = labelText(label);
            field->setAccessibleName(name);
            label->setAccessibleName(name);
        }
    }
}

} // namespace AccessibleNames
