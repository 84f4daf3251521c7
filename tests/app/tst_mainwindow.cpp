#include <QtTest>
class TestMainWindow : public QObject { Q_OBJECT private slots: void todo(); };
void TestMainWindow::todo() { QSKIP("written next"); }
QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
