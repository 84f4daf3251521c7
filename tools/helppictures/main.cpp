// helppictures OUTPUT_FOLDER: takes the window pictures of the help pages
// from the real window and its dialogs (make help-pictures), so the pages
// show the program as it is:
//   window.png  the main window with its menu bar, a 26-port model with
//               ports 3 and 4 selected and auto negotiation off
//   ports.png   the product picture of that window with the select buttons
//   poe.png     the port parameters of a PoE port with a user limit of 10 W
//   dot1p.png   the 802.1p mapping dialog with its default classes
//   several.png the "Several Switches" dialog with three switches pasted in
// Each widget paints itself into a picture (QWidget::grab), so the pictures
// do not depend on a window manager or on what else is on the screen.

#include "core/catalogue/productcatalogue.h"
#include "core/config/configeditor.h"
#include "core/config/portparameters.h"
#include "window/app/desksetup.h"
#include "window/app/mainwindow.h"
#include "window/batch/severalswitchesdialog.h"
#include "window/ground/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {

// The window's size in the pictures: room for every group, small enough to
// be shown unscaled beside the text.
const QSize kWindowSize(1000, 780);
const QSize kSeveralSwitchesSize(820, 470);

// The switch list of the help pages' example, as a spreadsheet pastes it.
const char kExampleSwitches[] = "file\tlocation\tcontact\tserial\tport.admin-state:5\n"
                                "hall4-sw01\tHall 4\tAnn Smith\t100201\t\n"
                                "hall4-sw02\tHall 4\tAnn Smith\t100202\t0\n"
                                "press, line 2\tPress (east)\tBob Lee\t100203\t\n";

int catalogueRowNamed(const char *name)
{
    for (int row = 0; row < kCatalogueSize; ++row) {
        if (catalogueRow(row).modelName == QLatin1String(name))
            return row;
    }
    qFatal("no model %s", name);
}

class PictureTaker
{
public:
    explicit PictureTaker(const QDir &folder)
        : m_folder(folder)
    { }

    bool save(const QPixmap &picture, const QString &name)
    {
        // Best compression; the pictures go into the repository.
        const QString path = m_folder.filePath(name);
        if (!picture.toImage().convertToFormat(QImage::Format_RGB32).save(path, "PNG", 0)) {
            std::fprintf(stderr, "helppictures: cannot write %s\n", qPrintable(path));
            m_failed = true;
            return false;
        }
        std::printf("%s %dx%d\n", qPrintable(path), picture.width(), picture.height());
        return true;
    }
    bool failed() const { return m_failed; }

private:
    QDir m_folder;
    bool m_failed = false;
};

std::unique_ptr<MainWindow> shownWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->resize(kWindowSize);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("helppictures: the window was not shown");
    return window;
}

template<typename T> T *child(const QWidget &parent, const char *name)
{
    T *widget = parent.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// Settles the layouts and paints before a picture is taken.
void settle()
{
    QTest::qWait(100);
}

void takeWindowAndPorts(PictureTaker &pictures)
{
    const auto window = shownWindow();
    ConfigEditor &editor = *window->editor();
    editor.selectModel(catalogueRowNamed("TAVRIN KX-21-24C4R7R700"));
    editor.setSerialNumber(QStringLiteral("004711"));
    editor.setContactName(QStringLiteral("Line maintenance"));
    editor.setLocation(QStringLiteral("Hall 3 - Cabinet 12"));
    editor.clickPort(2);
    editor.controlClickPort(3);
    editor.editPort(PortColumn::AutoNeg, 0);
    settle();
    pictures.save(window->grab(), QStringLiteral("window.png"));
    pictures.save(child<QWidget>(*window, "groupBox_sketch")->grab(), QStringLiteral("ports.png"));
}

void takePoePanel(PictureTaker &pictures)
{
    const auto window = shownWindow();
    ConfigEditor &editor = *window->editor();
    editor.selectModel(catalogueRowNamed("MERANTE 8CX PoE-LVD"));
    editor.clickPort(2);
    editor.editPort(PortColumn::AllowedPoEOverride, 10);
    settle();
    pictures.save(child<QWidget>(*window, "groupBox_configurePortParameters")->grab(),
                  QStringLiteral("poe.png"));
}

// The dialog a button opens, painted while it is open, then cancelled.
void takeDialog(PictureTaker &pictures, const char *button, const QString &name)
{
    const auto window = shownWindow();
    Prompts::setDialogHandler([&](QDialog &dialog) {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            qWarning("helppictures: the dialog was not shown");
        settle();
        pictures.save(dialog.grab(), name);
        return int(QDialog::Rejected);
    });
    child<QAbstractButton>(*window, button)->click();
    Prompts::setDialogHandler({});
}

// The dialog of Tools › Make Files for Several Switches with the example
// list, writing into an empty folder, so that it says the files are ready.
void takeSeveralSwitches(PictureTaker &pictures)
{
    const auto window = shownWindow();
    window->editor()->selectModel(catalogueRowNamed("TAVRIN KX-21-24C4R7R700"));
    QTemporaryDir parent;
    const QString folder = QDir(parent.path()).filePath(QStringLiteral("plant"));
    QDir().mkpath(folder);
    Prompts::setDialogHandler([&](QDialog &dialog) {
        auto *several = qobject_cast<SeveralSwitchesDialog *>(&dialog);
        if (!several)
            return int(QDialog::Rejected);
        several->pasteBlock(QString::fromUtf8(kExampleSwitches));
        child<QLineEdit>(dialog, "lineEdit_outputFolder")->setText(QStringLiteral("plant"));
        dialog.resize(kSeveralSwitchesSize);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            qWarning("helppictures: the dialog was not shown");
        settle();
        pictures.save(dialog.grab(), QStringLiteral("several.png"));
        return int(QDialog::Rejected);
    });
    // The folder is named relative to the current one, so the picture does
    // not show where the temporary folder happens to be.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(parent.path());
    window->makeFilesForSeveralSwitches();
    QDir::setCurrent(previous);
    Prompts::setDialogHandler({});
}

} // namespace

int main(int argc, char *argv[])
{
    DeskSetup::enableHighDpi();
    QApplication app(argc, argv);
    // As the program does; falls back to the system font.
    QApplication::setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 8, QFont::Normal, false));
    if (argc != 2) {
        std::fprintf(stderr, "usage: helppictures OUTPUT_FOLDER\n");
        return 2;
    }
    // Absolute: the pictures are written while another folder is current.
    const QDir folder(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    if (!folder.exists()) {
        std::fprintf(stderr, "helppictures: no folder %s\n", argv[1]);
        return 2;
    }
    // The dialogs are answered here, never left waiting for a user.
    Prompts::setScripted(true);
    PictureTaker pictures(folder);
    takeWindowAndPorts(pictures);
    takePoePanel(pictures);
    takeDialog(pictures, "pushButton_qosPMapping", QStringLiteral("dot1p.png"));
    takeSeveralSwitches(pictures);
    return pictures.failed() || Prompts::unansweredDialogs() > 0 ? 1 : 0;
}
