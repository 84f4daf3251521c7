#pragma once

// Drives the real main window the way a user does: clicks on port labels,
// picks in combo boxes, clicks in the port table.

#include "app/mainwindow.h"
#include "catalogue/clickqlabel.h"
#include "catalogue/portlabels.h"
#include "config/configeditor.h"
#include "config/porttablemodel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include <memory>

// The offscreen platform says so whenever a combo box pops up; it is not
// what the tests are about. The test library installs its handler for each
// test, so the filter is put in front of it again for every window.
inline QtMessageHandler &forwardedMessageHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void dropOffscreenNotices(QtMsgType type, const QMessageLogContext &context,
                                 const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (QtMessageHandler forward = forwardedMessageHandler())
        forward(type, context, message);
}

inline void quietOffscreenNotices()
{
    const QtMessageHandler previous = qInstallMessageHandler(dropOffscreenNotices);
    if (previous != dropOffscreenNotices)
        forwardedMessageHandler() = previous;
}

class WindowDriver
{
public:
    WindowDriver()
        : window((quietOffscreenNotices(), std::make_unique<MainWindow>()))
    {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("main window not exposed");
    }

    template<typename T = QWidget> T *find(const char *name) const
    {
        T *widget = window->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    QComboBox *combo(const char *name) const { return find<QComboBox>(name); }

    const SwitchConfig &config() const { return window->state().config; }
    const PortConfig &port(int index) const { return config().ports[index]; }

    // Picks a model in "Device Type" with the keyboard, as a user would.
    void selectModel(int row)
    {
        QComboBox *models = combo("comboBox_productSelection");
        models->setFocus();
        while (models->currentIndex() < row)
            QTest::keyClick(models, Qt::Key_Down);
        while (models->currentIndex() > row)
            QTest::keyClick(models, Qt::Key_Up);
    }

    clickQlabel *portLabel(int index) const { return window->portLabels()->label(index); }
    void clickPort(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(portLabel(index), Qt::LeftButton, modifiers);
    }
    void ctrlClickPort(int index) { clickPort(index, Qt::ControlModifier); }
    bool isSelected(int index) const
    {
        return portLabel(index)->styleSheet() ==
            QLatin1String("background-color : transparent;border: 2px solid red");
    }
    QString selection() const
    {
        QString marks;
        for (int i = 0; i < config().portCount; ++i)
            marks += isSelected(i) ? QLatin1Char('x') : QLatin1Char('.');
        return marks;
    }

    void clickRadio(const char *name)
    {
        QRadioButton *button = find<QRadioButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    bool radioChecked(const char *name) const { return find<QRadioButton>(name)->isChecked(); }

    // Picks an item of an open combo box popup, so the pick counts as the
    // user's even when the item is the one shown already.
    bool pick(const char *name, int item)
    {
        QComboBox *box = combo(name);
        if (!box->isEnabled())
            return false;
        box->showPopup();
        QAbstractItemView *list = box->view();
        list->setCurrentIndex(box->model()->index(item, 0));
        QTest::keyClick(list, Qt::Key_Return);
        if (box->view()->isVisible())
            box->hidePopup();
        return box->currentIndex() == item;
    }
    bool pick(const char *name, const QString &text)
    {
        return pick(name, combo(name)->findText(text));
    }

    // Replaces the text of a line edit by typing, key by key.
    void type(const char *name, const QString &text)
    {
        QLineEdit *edit = find<QLineEdit>(name);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }

    QTableView *table() const { return find<QTableView>("tableView_portSettings"); }
    PortTableModel *cells() const { return window->portSettingsModel(); }
    QString cell(int row, int column) const
    {
        return cells()->index(row, column).data(Qt::DisplayRole).toString();
    }
    QRect cellRect(int row, int column) const
    {
        QTableView *view = table();
        view->scrollTo(cells()->index(row, column));
        return view->visualRect(cells()->index(row, column));
    }
    void clickCell(int row, int column)
    {
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cellRect(row, column).center());
    }
    // Clicks a cell and double-clicks it, which opens its editor.
    template<typename Editor> Editor *openEditor(int row, int column)
    {
        clickCell(row, column);
        QTableView *view = table();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cellRect(row, column).center());
        Editor *open = nullptr;
        for (Editor *editor : view->viewport()->findChildren<Editor *>()) {
            if (editor->isVisible())
                open = editor;
        }
        return open;
    }

    std::unique_ptr<MainWindow> window;
};
