#include "core/file/filenaming.h"

namespace {

const QLatin1String kConfigSuffix(".csv");
const QLatin1String kReportSuffix(".pdf");

// The part after the last slash: a folder named "x.csv" says nothing about
// the file's own name.
QString ownName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

QString configFilePath(const QString &name, NameSource source)
{
    if (source == NameSource::Opened || name.isEmpty() ||
        ownName(name).contains(kConfigSuffix, Qt::CaseInsensitive))
        return name;
    return name + kConfigSuffix;
}

QString reportFilePath(const QString &name)
{
    if (name.isEmpty() || name.endsWith(kReportSuffix, Qt::CaseInsensitive))
        return name;
    return name + kReportSuffix;
}

QString reportBesideConfigFile(const QString &configFileName)
{
    const QString base = configFileName.endsWith(kConfigSuffix, Qt::CaseInsensitive)
        ? configFileName.chopped(kConfigSuffix.size())
        : configFileName;
    return base + kReportSuffix;
}
