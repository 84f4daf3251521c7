#pragma once

// Drives the real main window the way a user does: clicks on port labels,
// picks in combo boxes, clicks in the port table.

#include "core/config/configeditor.h"
#include "window/app/mainwindow.h"
#include "window/catalogue/clickqlabel.h"
#include "window/catalogue/portlabels.h"
#include "window/config/porttablemodel.h"
#include "window/ground/prompts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include <functional>
#include <memory>

class WindowDriver
{
public:
    WindowDriver()
        : window(std::make_unique<MainWindow>())
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
    // The action of a menu entry.
    QAction *action(const QString &text) const
    {
        for (QAction *a : window->findChildren<QAction *>()) {
            if (a->text() == text && !a->associatedWidgets().isEmpty())
                return a;
        }
        qFatal("no action %s", qPrintable(text));
    }
    QString text(const char *lineEdit) const { return find<QLineEdit>(lineEdit)->text(); }

    const SwitchConfig &config() const { return window->state().config; }

    // Picks a model in "Device Type" with the keyboard, as a user would.
    void selectModel(int row)
    {
        QComboBox *models = combo("comboBox_productSelection");
        models->setFocus();
        while (models->currentIndex() != row)
            QTest::keyClick(models, models->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
    }

    clickQlabel *portLabel(int index) const { return window->portLabels()->label(index); }
    void clickPort(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(portLabel(index), Qt::LeftButton, modifiers);
    }
    // The ports as their labels show them: 'x' for a red border.
    QString selection() const
    {
        QString marks;
        for (int i = 0; i < config().portCount(); ++i)
            marks += portLabel(i)->styleSheet() == PortLabels::selectedLabelStyle ? 'x' : '.';
        return marks;
    }

    void clickRadio(const char *name)
    {
        QRadioButton *button = find<QRadioButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    // Picks an item of an open combo box popup, so the pick counts as the
    // user's even when the item is the one shown already.
    bool pick(const char *name, int item)
    {
        QComboBox *box = combo(name);
        if (!box->isEnabled())
            return false;
        box->showPopup();
        box->view()->setCurrentIndex(box->model()->index(item, 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
        box->hidePopup();
        return box->currentIndex() == item;
    }
    bool pick(const char *name, const QString &text)
    {
        return pick(name, combo(name)->findText(text));
    }

    // Types over the text of a line edit, key by key; the edit's validator
    // sees each key. (keyClicks() takes ASCII only.)
    QString type(const char *name, const QString &text)
    {
        QLineEdit *edit = find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c), {});
        return edit->text();
    }

    QTableView *table() const { return find<QTableView>("tableView_portSettings"); }
    PortTableModel *cells() const { return window->portSettingsModel(); }
    QString cell(int row, int column) const
    {
        return cells()->index(row, column).data().toString();
    }
    // Clicks a cell and double-clicks it, which opens its editor.
    template<typename Editor> Editor *openEditor(int row, int column)
    {
        table()->scrollTo(cells()->index(row, column));
        const QPoint centre = table()->visualRect(cells()->index(row, column)).center();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, centre);
        for (Editor *editor : table()->viewport()->findChildren<Editor *>()) {
            if (editor->isVisible())
                return editor;
        }
        return nullptr;
    }

    // Opens a dialog with a button of the window (a mapping dialog's
    // "Configure") and hands it, shown, to `inspect`; then cancels it.
    void inspectDialog(const char *button, const std::function<void(QDialog &)> &inspect)
    {
        bool opened = false;
        Prompts::setDialogHandler([&](QDialog &dialog) {
            dialog.show();
            if (QTest::qWaitForWindowExposed(&dialog)) {
                opened = true;
                inspect(dialog);
            }
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
        QVERIFY2(opened, button);
    }

    std::unique_ptr<MainWindow> window;
};

// The text of the label left of `widget` in a grid, as one line; empty
// where there is none.
inline QString labelLeftOf(QWidget *widget)
{
    for (QWidget *holder = widget->parentWidget(); holder; holder = holder->parentWidget()) {
        auto *grid = qobject_cast<QGridLayout *>(holder->layout());
        for (int i = 0; grid && i < grid->count(); ++i) {
            QLayoutItem *item = grid->itemAt(i);
            if (item->widget() != widget &&
                !(item->layout() && item->layout()->indexOf(widget) >= 0))
                continue;
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            QLayoutItem *left = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
            auto *label = left ? qobject_cast<QLabel *>(left->widget()) : nullptr;
            return label ? label->text().simplified() : QString();
        }
    }
    return QString();
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Clicks the push button `name` of a dialog.
inline void clickButton(QWidget *dialog, const char *name)
{
    auto *button = dialog->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}
