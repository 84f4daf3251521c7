#include "../windowdriver.h"

#include <QAccessible>

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void chain()
    {
        WindowDriver d;
        d.clickPort(1);
        QWidget *w = d.find("comboBox_productSelection");
        w->setFocus();
        for (int i = 0; i < 40; ++i) {
            QWidget *f = QApplication::focusWidget();
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(f);
            qDebug() << f->metaObject()->className() << f->objectName()
                     << (a ? a->text(QAccessible::Name) : "?");
            QTest::keyClick(f, Qt::Key_Tab);
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
