// helptables SOURCE_FOLDER: makes the table of switch models in
// HelpEn/Mestrel.html and HelpDe/Mestrel.html anew from the catalogue
// (make help-tables), between the marker comments the pages hold.

#include "modeltable.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

// 0 when the page is as it should be, whether it was rewritten or not.
int remake(const QDir &source, const QString &folder)
{
    const QString path = source.filePath(folder + QStringLiteral("/Mestrel.html"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "helptables: cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QString page = QString::fromUtf8(file.readAll());
    file.close();
    const std::optional<QString> made =
        ModelTable::withRows(page, *ModelTable::languageOfFolder(folder));
    if (!made) {
        std::fprintf(stderr, "helptables: %s has no marked table of models\n", qPrintable(path));
        return 1;
    }
    if (*made == page) {
        std::printf("%s is up to date\n", qPrintable(path));
        return 0;
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(made->toUtf8()) < 0 ||
        !file.flush()) {
        std::fprintf(stderr, "helptables: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s rewritten\n", qPrintable(path));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: helptables SOURCE_FOLDER\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    int failed = 0;
    for (const char *folder : {"HelpEn", "HelpDe"})
        failed |= remake(source, QLatin1String(folder));
    return failed;
}
