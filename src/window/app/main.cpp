#include "window/app/desksetup.h"
#include "window/app/mainwindow.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    DeskSetup::enableHighDpi();
    QApplication app(argc, argv);
    // Falls back to a system font where this family is not installed.
    QApplication::setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 8, QFont::Normal, false));

    MainWindow window;
    window.show();
    return app.exec();
}
