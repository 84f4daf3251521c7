#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>
#include <vector>

class QComboBox;

// How a mapping dialog lays out its table: blocks of entries, each a row of
// grey heads (an entry's number) above a row of combo boxes (its traffic
// class), with the two row heads in column 0. The object names are the
// dialog's interface: other parts find the boxes by them.
struct MappingTable
{
    // One block: the grid rows of its heads and its boxes, and the object
    // names of its two row heads.
    struct Block
    {
        int headRow;
        int boxRow;
        const char *entryHeadName;
        const char *classHeadName;
    };

    QSize size; // the dialog's first size; it grows where its heads need it
    const char *tableName = nullptr; // the widget holding the grid, and the grid
    const char *gridName = nullptr;
    QString entryHead; // the text of the heads in column 0
    QString classHead;
    int rowHeadIndent = 0; // 0: none
    std::vector<Block> blocks;
    int entriesPerBlock = 1;
    // Entry e's head is named headPrefix + e with headDigits digits, and
    // reads entryText(e) (e by default); its box is boxPrefix + e.
    const char *headPrefix = nullptr;
    int headDigits = 1;
    const char *boxPrefix = nullptr;
    std::function<QString(int)> entryText;
    // The name a screen reader gives entry e's box.
    std::function<QString(int)> boxName;
};

// Edits one traffic-class table of a configuration, entry by entry. OK
// writes the table into the record; Cancel and the close button discard.
class MappingDialog : public QDialog
{
    Q_OBJECT

protected:
    // `classes`: the table's `count` entries, read now and written on OK.
    MappingDialog(const MappingTable &table, const QString &title, quint8 *classes, int count,
                  QWidget *parent);

private slots:
    void on_buttonBox_accepted();

private:
    quint8 *const m_classes;
    QVector<QComboBox *> m_boxes; // entry by entry
};
