#include "file/dialogerrorlog.h"

#include "ui_dialogerrorlog.h"

#include <QAbstractTableModel>
#include <QFont>

// The refused lines as table rows. A file may have a hundred thousand of
// them: the cells are made only when the view shows them, not held as
// items.
class ErrorLogModel : public QAbstractTableModel
{
public:
    ErrorLogModel(const QVector<RejectedLine> &rejected, QObject *parent)
        : QAbstractTableModel(parent)
        , m_rejected(rejected)
    { }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_rejected.size();
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : 5;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rejected.size())
            return QVariant();
        const ErrorLogRow row = errorLogRow(m_rejected.at(index.row()));
        const QString cells[] = {row.lineNumber, row.key, row.index, row.value, row.reason};
        return cells[index.column()];
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Vertical || section < 0 || section >= 5)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (role == Qt::FontRole) {
            QFont font;
            font.setPointSize(10);
            font.setBold(false);
            return font;
        }
        if (role != Qt::DisplayRole)
            return QVariant();
        static const char *const labels[] = {QT_TR_NOOP("Line No."), QT_TR_NOOP("Parameter Name"),
                                             QT_TR_NOOP("Index"), QT_TR_NOOP("Value"),
                                             QT_TR_NOOP("Error Reason")};
        return DialogErrorLog::tr(labels[section]);
    }

private:
    const QVector<RejectedLine> m_rejected;
};

DialogErrorLog::DialogErrorLog(const QVector<RejectedLine> &rejected, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::DialogErrorLog)
{
    m_ui->setupUi(this);
    setWindowTitle(tr("Error Log"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    QTableView *table = m_ui->tableView_errorLog;
    table->setModel(new ErrorLogModel(rejected, this));
    const int widths[] = {50, 100, 50, 50, 50};
    for (int column = 0; column < 5; ++column)
        table->setColumnWidth(column, widths[column]);
}

DialogErrorLog::~DialogErrorLog() = default;

void DialogErrorLog::on_pushButton_clicked()
{
    close();
}
