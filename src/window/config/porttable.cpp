#include "window/config/porttable.h"

#include "core/config/configeditor.h"
#include "core/config/portparameters.h"
#include "window/config/portdelegates.h"
#include "window/config/porttablemodel.h"
#include "window/config/porttableview.h"

#include <QHeaderView>
#include <QScrollBar>

namespace {

constexpr int kColumnWidth = 80;
constexpr int kRowHeaderWidth = 60;

} // namespace

PortTable::PortTable(PortTableView *view, ConfigEditor *editor, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_model(new PortTableModel(editor, this))
{
    view->setModel(m_model);
    view->setFocusPolicy(Qt::ClickFocus);
    view->setDragEnabled(false);
    view->setAutoScroll(false);
    view->setTabKeyNavigation(false);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setFixedWidth(kRowHeaderWidth);

    auto *combo = new ComboBoxDelegate(this);
    auto *spin = new SpinBoxDelegate(this);
    auto *line = new LineEditDelegate(this);
    for (int column = 0; column < PortColumn::Count; ++column) {
        QAbstractItemDelegate *delegate = combo;
        const PortValueKind kind = portParameter(column)->kind;
        if (kind == PortValueKind::Number)
            delegate = spin;
        else if (kind == PortValueKind::ClassList)
            delegate = line;
        view->setItemDelegateForColumn(column, delegate);
        view->setColumnWidth(column, kColumnWidth);
    }

    // At the window's smallest size the table still shows whole rows; it
    // scrolls for the others.
    constexpr int kRowsAlwaysShown = 2;
    view->setMinimumHeight(view->horizontalHeader()->sizeHint().height() +
                           kRowsAlwaysShown * view->verticalHeader()->defaultSectionSize() +
                           view->horizontalScrollBar()->sizeHint().height() +
                           2 * view->frameWidth());

    connect(view, &QTableView::clicked, editor,
            [editor](const QModelIndex &index) { editor->selectTableRow(index.row()); });
    connect(view, &PortTableView::rowChosen, editor, &ConfigEditor::selectTableRow);
    connect(editor, &ConfigEditor::portsChanged, m_model, &PortTableModel::portsChanged);
}

void PortTable::reload()
{
    m_model->reload();
}

void PortTable::takeFocus(int row)
{
    const int column = qMax(0, m_view->currentIndex().column());
    if (row >= 0 && row < m_model->rowCount())
        m_view->setCurrentIndex(m_model->index(row, column));
    m_view->setFocus(Qt::ShortcutFocusReason);
}
