#include "window/qos/mappingdialoglook.h"

#include "window/app/desksetup.h"
#include "window/ground/desktopcolours.h"

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

namespace MappingDialogLook {

namespace {

void colourHeads(QDialog &dialog)
{
    // The grey heads take their colours from a palette of their own, not
    // from a style sheet, which would fix their font at the one they have
    // when it is set. The window's text colour (white on a dark palette) may
    // not read on the grey; black or white, whichever reads better, does.
    // A platform theme may have set its palette on every head meanwhile.
    const QColor grey(144, 144, 144);
    QPalette colours;
    colours.setColor(QPalette::Window, grey);
    colours.setColor(QPalette::WindowText, DeskSetup::readableTextOn(grey));
    for (QLabel *head : dialog.findChildren<QLabel *>())
        head->setPalette(colours);
}

} // namespace

void apply(QDialog &dialog, QWidget *table, QWidget *buttons)
{
    for (QLabel *head : dialog.findChildren<QLabel *>()) {
        head->setAutoFillBackground(true);
        // A head wider than its column would wrap and be cut; the dialog
        // grows instead, leaving a little grey around the text.
        head->setWordWrap(false);
        head->setMargin(2);
    }
    DesktopColours::follow(&dialog, [&dialog] { colourHeads(dialog); });
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
}

void useFont(QDialog &dialog, const QFont &font)
{
    // A widget's font holds only what was set on it; what it inherits would
    // follow the application's font. Every property counts as set here.
    QFont fixed = font;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    fixed.setResolveMask(QFont::AllPropertiesResolved);
#else
    fixed.resolve(QFont::AllPropertiesResolved);
#endif
    dialog.setFont(fixed);
}

} // namespace MappingDialogLook
