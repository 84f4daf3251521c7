#pragma once

#include <QStyledItemDelegate>

// What the port table and its three delegates share: a cell click arms the
// next editor to open on the clicked cell's value.
struct TableEditState
{
    bool cellClicked = false;
    QString clickedCellValue;
};

// What the three delegates share: the editor fills its cell, and a model
// write from the editor happens only while a cell click is armed.
class PortCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    PortCellDelegate(TableEditState &state, QObject *parent);

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    // Consumes the armed click; true if there was one.
    bool takeCellClick() const;

    TableEditState &m_state;
};

// Combo-box editor for the Off/On and list columns. Every pick is passed on
// as text; the window matches it to the panel's item by text.
class ComboBoxDelegate : public PortCellDelegate
{
    Q_OBJECT

public:
    ComboBoxDelegate(TableEditState &state, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

signals:
    void currentValueofCombo(const QString &text);

public slots:
    void onCurrentIndexChanged(const QString &text);
};

// Spin-box editor for the two storm thresholds and the PoE user limit.
class SpinBoxDelegate : public PortCellDelegate
{
    Q_OBJECT

public:
    SpinBoxDelegate(TableEditState &state, QObject *parent = nullptr);

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
    LineEditDelegate(TableEditState &state, QObject *parent = nullptr);

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
