#pragma once

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// The editors of the port settings table. Each change in an open editor is
// committed at once, so the record, the panel and the other views follow
// while the user is still choosing; the model applies it with the panel's
// rules for the edited port.
class PortCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Draws the cell's text from a layout kept for each of the few texts the
    // table shows, so that repainting the table does not lay out every
    // cell's text again.
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    // Commits the editor that sent the current signal.
    void commitSender();

private:
    mutable QHash<QString, QStaticText> m_texts;
};

// Combo-box editor for the Off/On and list columns. The items are matched
// to the cell by text, so their order may differ from the panel's.
class ComboBoxDelegate : public PortCellDelegate
{
    Q_OBJECT

public:
    using PortCellDelegate::PortCellDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

signals:
    // The odd spelling is a name other parts rely on; keep its spelling.
    void currentValueofCombo(const QString &text);

public slots:
    // Named for the index although it takes the text: a name other parts rely on; keep its
    // spelling.
    void onCurrentIndexChanged(const QString &text);
};

// Spin-box editor for the two storm thresholds and the PoE user limit.
class SpinBoxDelegate : public PortCellDelegate
{
    Q_OBJECT

public:
    using PortCellDelegate::PortCellDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

signals:
    void currentValueChanged(const QString &text);

public slots:
    void valueChanged(const QString &text);
};

// Line-edit editor for the allowed PoE classes, with the typing rules of
// the panel's classes field.
class LineEditDelegate : public PortCellDelegate
{
    Q_OBJECT

public:
    using PortCellDelegate::PortCellDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

signals:
    void currentValueChanged(const QString &text);

public slots:
    void valueChanged(const QString &text);

private:
    mutable QString m_lastAcceptedClasses;
};
