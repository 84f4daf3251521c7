#include "window/file/describedfile.h"

#include "core/catalogue/productcatalogue.h"

#include <QDir>
#include <QLabel>

QString describedFile(const QString &path, int row)
{
    return QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(path),
                                         catalogueRow(row).modelName);
}

void showFileLine(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setToolTip(text);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
}
