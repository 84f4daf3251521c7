#include "window/qos/mappingdialog.h"

#include "window/qos/mappingdialoglook.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

namespace {

QLabel *head(QWidget *parent, const QString &name, const QString &text, int indent = 0)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    if (indent)
        label->setIndent(indent);
    return label;
}

} // namespace

MappingDialog::MappingDialog(const MappingTable &table, const QString &title, quint8 *classes,
                             int count, QWidget *parent)
    : QDialog(parent)
    , m_classes(classes)
{
    auto *tableWidget = new QWidget(this);
    tableWidget->setObjectName(QLatin1String(table.tableName));
    auto *grid = new QGridLayout(tableWidget);
    grid->setObjectName(QLatin1String(table.gridName));
    grid->setSpacing(2);
    grid->setContentsMargins(0, 0, 0, 0);

    // Block by block, left to right: the order Tab takes the boxes in.
    for (int entry = 0; entry < count; ++entry) {
        const MappingTable::Block &block = table.blocks[size_t(entry / table.entriesPerBlock)];
        const int column = entry % table.entriesPerBlock + 1;
        if (column == 1) {
            grid->addWidget(head(tableWidget, QLatin1String(block.entryHeadName), table.entryHead,
                                 table.rowHeadIndent),
                            block.headRow, 0);
            grid->addWidget(head(tableWidget, QLatin1String(block.classHeadName), table.classHead,
                                 table.rowHeadIndent),
                            block.boxRow, 0);
        }
        const QString number = QString::number(entry);
        QLabel *entryHead =
            head(tableWidget,
                 table.headPrefix +
                     QStringLiteral("%1").arg(entry, table.headDigits, 10, QLatin1Char('0')),
                 table.entryText ? table.entryText(entry) : number);
        grid->addWidget(entryHead, block.headRow, column);
        auto *classBox = new QComboBox(tableWidget);
        classBox->setObjectName(table.boxPrefix + number);
        classBox->addItems(
            {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
        // Some platforms announce a combo box by its own name, others (Linux)
        // by the label it is labelled by: the head above it, whose name says
        // which entry the box maps.
        const QString boxName = table.boxName(entry);
        classBox->setAccessibleName(boxName);
        entryHead->setBuddy(classBox);
        entryHead->setAccessibleName(boxName);
        classBox->setCurrentIndex(classes[entry]);
        grid->addWidget(classBox, block.boxRow, column);
        m_boxes.append(classBox);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel | QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QMetaObject::connectSlotsByName(this);

    MappingDialogLook::apply(*this, tableWidget, buttons);
    resize(table.size);
    setWindowTitle(title);
    // A close button only, no context help.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

void MappingDialog::on_buttonBox_accepted()
{
    for (int entry = 0; entry < m_boxes.size(); ++entry)
        m_classes[entry] = quint8(m_boxes[entry]->currentIndex());
}
