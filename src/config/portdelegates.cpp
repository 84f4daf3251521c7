#include "config/portdelegates.h"

#include "config/poeclasses.h"
#include "config/portcolumns.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegExpValidator>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr int kClassesMaxLength = 9;

} // namespace

PortCellDelegate::PortCellDelegate(TableEditState &state, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_state(state)
{ }

void PortCellDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

bool PortCellDelegate::takeCellClick() const
{
    const bool armed = m_state.cellClicked;
    m_state.cellClicked = false;
    return armed;
}

ComboBoxDelegate::ComboBoxDelegate(TableEditState &state, QObject *parent)
    : PortCellDelegate(state, parent)
{ }

QWidget *ComboBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    auto *editor = new QComboBox(parent);
    editor->addItems(portColumnEditorItems(index.column()));

    // Open on the cell's value, quietly: nothing has been picked yet. The
    // items are matched by text because their order can differ from the
    // panel's.
    const QString value =
        m_state.cellClicked ? m_state.clickedCellValue : index.data(Qt::DisplayRole).toString();
    m_state.cellClicked = false;
    const int item = editor->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0)
        editor->setCurrentIndex(item);

    connect(editor, &QComboBox::currentTextChanged, this, &ComboBoxDelegate::onCurrentIndexChanged,
            Qt::UniqueConnection);
    return editor;
}

void ComboBoxDelegate::setEditorData(QWidget *, const QModelIndex &) const
{
    // createEditor has chosen the item; later cell writes come from the panel.
}

void ComboBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    // Normally the panel handler rewrites the cell; only an armed click
    // writes the editor's text here.
    if (!takeCellClick())
        return;
    model->setData(index, static_cast<QComboBox *>(editor)->currentText(), Qt::EditRole);
}

void ComboBoxDelegate::onCurrentIndexChanged(const QString &text)
{
    emit currentValueofCombo(text);
}

SpinBoxDelegate::SpinBoxDelegate(TableEditState &state, QObject *parent)
    : PortCellDelegate(state, parent)
{ }

QWidget *SpinBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                       const QModelIndex &index) const
{
    auto *editor = new QSpinBox(parent);
    editor->setRange(0, index.column() == PortColumn::AllowedPoEOverride ? 13 : 100);
    auto *self = const_cast<SpinBoxDelegate *>(this);
    connect(editor, qOverload<int>(&QSpinBox::valueChanged), self,
            [self](int value) { self->valueChanged(QString::number(value)); });
    m_state.cellClicked = false;
    return editor;
}

void SpinBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    // "-" (no user limit) reads as 0.
    static_cast<QSpinBox *>(editor)->setValue(index.data(Qt::EditRole).toInt());
}

void SpinBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                   const QModelIndex &index) const
{
    if (!takeCellClick())
        return;
    auto *spin = static_cast<QSpinBox *>(editor);
    spin->interpretText();
    model->setData(index, spin->value(), Qt::EditRole);
}

void SpinBoxDelegate::valueChanged(const QString &text)
{
    emit currentValueChanged(text);
}

LineEditDelegate::LineEditDelegate(TableEditState &state, QObject *parent)
    : PortCellDelegate(state, parent)
{ }

QWidget *LineEditDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    if (index.column() == PortColumn::AllowedPoEClasses) {
        editor->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-4,]{0,9}")), editor));
        editor->setMaxLength(kClassesMaxLength);
    }
    connect(editor, &QLineEdit::textChanged, this, &LineEditDelegate::valueChanged);
    m_state.cellClicked = false;
    return editor;
}

void LineEditDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *lineEdit = static_cast<QLineEdit *>(editor);
    const QString text = index.data(Qt::DisplayRole).toString();
    // The cell's list is where typing starts from.
    m_lastAcceptedClasses = text;
    const QSignalBlocker quiet(lineEdit);
    lineEdit->setText(text);
}

void LineEditDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    if (!takeCellClick())
        return;
    model->setData(index, static_cast<QLineEdit *>(editor)->text(), Qt::EditRole);
}

void LineEditDelegate::valueChanged(const QString &text)
{
    const ClassesEdit edit = normalizeClassesText(text, m_lastAcceptedClasses);
    if (edit.outcome == ClassesEdit::Replace) {
        if (auto *lineEdit = qobject_cast<QLineEdit *>(sender())) {
            if (lineEdit->text() != edit.text) {
                // Setting the text comes back here with the normalised list.
                lineEdit->setText(edit.text);
                return;
            }
        }
    }
    if (edit.outcome != ClassesEdit::Ignore)
        m_lastAcceptedClasses = edit.text;
    emit currentValueChanged(edit.text);
}
