#include "window/config/portdelegates.h"

#include "core/config/poeclasses.h"
#include "core/config/portparameters.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>

void PortCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QWidget *view = cell.widget;
    QStyle *style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
    if (text.isEmpty())
        return;

    auto cached = m_texts.find(text);
    if (cached == m_texts.end()) {
        cached = m_texts.insert(text, QStaticText(text));
        cached->setTextFormat(Qt::PlainText);
        cached->prepare(QTransform(), cell.font);
    }
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view);
    const QSizeF size = cached->size();
    const QPalette::ColorGroup group =
        cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    const QPalette::ColorRole role =
        cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setClipRect(area);
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(group, role));
    painter->drawStaticText(
        QPointF(area.left() + 2, area.top() + (area.height() - size.height()) / 2), *cached);
    painter->restore();
}

void PortCellDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

void PortCellDelegate::commitSender()
{
    if (auto *editor = qobject_cast<QWidget *>(sender()))
        emit commitData(editor);
}

QWidget *ComboBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    auto *editor = new QComboBox(parent);
    editor->addItems(portColumnEditorItems(index.column()));
    connect(editor, &QComboBox::textActivated, this, &ComboBoxDelegate::onCurrentIndexChanged);
    return editor;
}

void ComboBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    // Opens on the cell's value, quietly: nothing has been picked yet.
    auto *combo = static_cast<QComboBox *>(editor);
    const int item = combo->findText(index.data(Qt::DisplayRole).toString(),
                                     Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(item);
}

void ComboBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentText(), Qt::EditRole);
}

void ComboBoxDelegate::onCurrentIndexChanged(const QString &text)
{
    emit currentValueofCombo(text);
    commitSender();
}

QWidget *SpinBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                       const QModelIndex &index) const
{
    auto *editor = new QSpinBox(parent);
    if (const PortParameter *parameter = portParameter(index.column()))
        editor->setRange(int(parameter->minValue), int(parameter->maxValue));
    auto *self = const_cast<SpinBoxDelegate *>(this);
    connect(editor, qOverload<int>(&QSpinBox::valueChanged), self,
            [self](int value) { self->valueChanged(QString::number(value)); });
    return editor;
}

void SpinBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    // "-" (no user limit) reads as 0.
    auto *spin = static_cast<QSpinBox *>(editor);
    const QSignalBlocker quiet(spin);
    spin->setValue(index.data(Qt::EditRole).toInt());
}

void SpinBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                   const QModelIndex &index) const
{
    auto *spin = static_cast<QSpinBox *>(editor);
    spin->interpretText();
    model->setData(index, QString::number(spin->value()), Qt::EditRole);
}

void SpinBoxDelegate::valueChanged(const QString &text)
{
    emit currentValueChanged(text);
    commitSender();
}

QWidget *LineEditDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-4,]{0,9}")), editor));
    editor->setMaxLength(kMaxClassesTextLength);
    connect(editor, &QLineEdit::textEdited, this, &LineEditDelegate::valueChanged);
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
    model->setData(index, static_cast<QLineEdit *>(editor)->text(), Qt::EditRole);
}

void LineEditDelegate::valueChanged(const QString &typed)
{
    auto *lineEdit = qobject_cast<QLineEdit *>(sender());
    const ClassesEdit edit = settleClassesText(typed, m_lastAcceptedClasses);
    const QString &text = edit.text;
    if (lineEdit && lineEdit->text() != text)
        lineEdit->setText(text);
    if (edit.outcome == ClassesEdit::Ignore)
        return; // an emptied cell keeps the classes, as the panel does
    m_lastAcceptedClasses = text;
    emit currentValueChanged(text);
    commitSender();
}
