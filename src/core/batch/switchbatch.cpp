#include "core/batch/switchbatch.h"

#include "core/config/globalparameters.h"
#include "core/config/textfields.h"
#include "core/file/configkeytable.h"
#include "core/file/configreader.h"
#include "core/file/errorlog.h"
#include "core/file/filenaming.h"
#include "core/file/outputfile.h"
#include "core/file/outputjobs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <string>

namespace {

// Room left in a name for the temporary file writeOutputFile writes beside
// the target (".NAME.random.part") within the usual 255-byte limit.
constexpr int kMaxFileNameBytes = 200;

QRegularExpression wholeMatch(const char *pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)));
}

// Why a row's file name cannot name a file in the output folder; empty if
// it can.
QString fileNameProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("No file name");
    if (name.contains(QLatin1Char('/')))
        return QStringLiteral("A file name may not contain \"/\"");
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QStringLiteral("A file name may not contain control characters");
    }
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("Not a file name");
    if (name.front().isSpace() || name.back().isSpace())
        return QStringLiteral("A file name may not start or end with a space");
    return QString();
}

bool existsInFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Why `name` may not be written into `outputDir`: it exists and may not be
// replaced, or is no regular file. Empty if it may.
QString existingFileProblem(const QString &outputDir, const QString &name, bool replaceExisting)
{
    const QString path = QDir(outputDir).filePath(name);
    if (!existsInFolder(path))
        return QString();
    if (!replaceExisting)
        return QStringLiteral("%1 already exists").arg(name);
    return isWritableTarget(path) ? QString() : notRegularFileText(name);
}

struct OverrideColumn
{
    int column = 0; // in the list
    const ConfigKey *key = nullptr;
    std::string index;
};

int keyOrder(const ConfigKey *key)
{
    return int(key - ConfigKeyTable::rows().data());
}

// The keys a file for the template's model holds: a setting the writer
// leaves out would change the record and never reach the switch.
QSet<QByteArray> keysWritten(const SwitchConfig &templateConfig)
{
    QSet<QByteArray> keys;
    for (const QByteArray &line : configFileBytes(templateConfig, {}, QDate()).split('\n'))
        keys.insert(line.left(line.indexOf(',')));
    return keys;
}

// The list's override columns that can be stored, in the order a file holds
// their keys; the others as header problems.
QVector<OverrideColumn> overrideColumns(const SwitchConfig &templateConfig,
                                        const QStringList &names,
                                        QVector<BatchCellProblem> &problems)
{
    QVector<OverrideColumn> usable;
    QHash<QString, int> settings; // key and index number -> column
    const QSet<QByteArray> written = keysWritten(templateConfig);
    for (int i = 0; i < names.size(); ++i) {
        const int column = BatchColumn::FirstOverride + i;
        QString keyText, indexText;
        const bool named = splitOverrideColumn(names.at(i), &keyText, &indexText);
        const std::string key = keyText.toLatin1().toStdString();
        OverrideColumn entry {column, named ? ConfigKeyTable::find(key) : nullptr,
                              indexText.toLatin1().toStdString()};
        int reason = RejectReason::None;
        if (!entry.key)
            reason = RejectReason::UnknownKey;
        else if (!entry.key->isTextKey())
            reason = ConfigKeyTable::capabilityMismatch(*entry.key, templateConfig);
        // The index alone: a value of 0 is read for every number key, so a
        // refusal for the index shows before any for the value.
        if (reason == RejectReason::None && entry.key && !entry.key->isTextKey() &&
            validateConfigLine(templateConfig, entry.key, entry.index, "0") ==
                RejectReason::BadIndex)
            reason = RejectReason::BadIndex;
        if (reason != RejectReason::None) {
            problems << BatchCellProblem {-1, column, rejectReasonText(reason)};
            continue;
        }
        if (entry.key->isTextKey()) {
            problems << BatchCellProblem {-1, column,
                                          QStringLiteral("Not a setting a list may change")};
            continue;
        }
        if (!written.contains(QByteArray::fromStdString(key))) {
            problems << BatchCellProblem {-1, column,
                                          QStringLiteral("Not a setting the file carries")};
            continue;
        }
        const QString setting = keyText + QLatin1Char(':') + QString::number(indexText.toInt());
        if (settings.contains(setting)) {
            problems << BatchCellProblem {-1, column,
                                          QStringLiteral("Same setting as column \"%1\"")
                                              .arg(names.at(settings.value(setting)))};
            continue;
        }
        settings.insert(setting, i);
        usable << entry;
    }
    std::stable_sort(usable.begin(), usable.end(),
                     [](const OverrideColumn &a, const OverrideColumn &b) {
                         return keyOrder(a.key) < keyOrder(b.key);
                     });
    return usable;
}

// The row's texts and serial number into its switch; problems for those
// the window's fields would not take.
void applyRowTexts(const SwitchListRow &row, int r, BatchSwitch &batchSwitch,
                   QVector<BatchCellProblem> &problems)
{
    static const QRegularExpression location =
        wholeMatch(globalParameter(GlobalId::Location).pattern);
    static const QRegularExpression contact =
        wholeMatch(globalParameter(GlobalId::ContactName).pattern);
    static const QRegularExpression serial = wholeMatch(kSerialNumberPattern);
    if (!row.location.isEmpty()) {
        if (location.match(row.location).hasMatch()) {
            batchSwitch.texts.location = row.location;
            storeText(batchSwitch.config.location, row.location);
        } else
            problems << BatchCellProblem {
                r, BatchColumn::Location,
                QStringLiteral("Only letters, digits, spaces and ( ) / - (at most 40)")};
    }
    if (!row.contact.isEmpty()) {
        if (contact.match(row.contact).hasMatch()) {
            batchSwitch.texts.contactName = row.contact;
            storeText(batchSwitch.config.contactName, row.contact);
        } else
            problems << BatchCellProblem {r, BatchColumn::Contact,
                                          QStringLiteral("Only letters and spaces (at most 40)")};
    }
    if (serial.match(row.serial).hasMatch())
        batchSwitch.serial = row.serial;
    else
        problems << BatchCellProblem {r, BatchColumn::Serial,
                                      QStringLiteral("Only digits (at most 9)")};
}

} // namespace

QString batchColumnName(const SwitchList &list, int column)
{
    static const char *const fixed[] = {SwitchListColumn::kFile, SwitchListColumn::kLocation,
                                        SwitchListColumn::kContact, SwitchListColumn::kSerial};
    if (column >= 0 && column < BatchColumn::FirstOverride)
        return QLatin1String(fixed[column]);
    return list.overrideColumns.value(column - BatchColumn::FirstOverride);
}

QString batchCellValue(const SwitchListRow &row, int column)
{
    const QString *fixed[] = {&row.fileName, &row.location, &row.contact, &row.serial};
    if (column >= 0 && column < BatchColumn::FirstOverride)
        return *fixed[column];
    return row.overrides.value(column - BatchColumn::FirstOverride);
}

BatchPlan planBatch(const SwitchConfig &templateConfig, const ConfigFileTexts &templateTexts,
                    const SwitchList &list, const QString &outputDir, bool replaceExisting,
                    bool withReports)
{
    BatchPlan plan;
    plan.withReports = withReports;
    plan.replaceExisting = replaceExisting;
    const QVector<OverrideColumn> overrides =
        overrideColumns(templateConfig, list.overrideColumns, plan.problems);
    // Every file name of the batch, case folded -> the row that writes it.
    QHash<QString, int> targets;

    for (int r = 0; r < list.rows.size(); ++r) {
        const SwitchListRow &row = list.rows.at(r);
        BatchSwitch batchSwitch {configFilePath(row.fileName), QString(), templateConfig,
                                 templateTexts, QString()};
        batchSwitch.reportName = reportBesideConfigFile(batchSwitch.fileName);

        QString nameProblem = fileNameProblem(row.fileName);
        QStringList names {batchSwitch.fileName};
        if (withReports)
            names << batchSwitch.reportName;
        for (const QString &name : qAsConst(names)) {
            if (nameProblem.isEmpty() && QFile::encodeName(name).size() > kMaxFileNameBytes)
                nameProblem = QStringLiteral("File name too long");
            if (nameProblem.isEmpty() && targets.contains(name.toCaseFolded()))
                nameProblem = QStringLiteral("Same file name as row %1")
                                  .arg(targets.value(name.toCaseFolded()) + 1);
            if (nameProblem.isEmpty() && !outputDir.isEmpty())
                nameProblem = existingFileProblem(outputDir, name, replaceExisting);
        }
        if (nameProblem.isEmpty()) {
            for (const QString &name : qAsConst(names))
                targets.insert(name.toCaseFolded(), r);
        } else
            plan.problems << BatchCellProblem {r, BatchColumn::File, nameProblem};

        applyRowTexts(row, r, batchSwitch, plan.problems);

        ConfigReader reader(batchSwitch.config);
        for (const OverrideColumn &entry : overrides) {
            const QString value = row.overrides.value(entry.column - BatchColumn::FirstOverride);
            if (value.isEmpty())
                continue;
            const QByteArray bytes = value.toLatin1();
            const int reason = reader.applySetting(
                entry.key, entry.index, std::string_view(bytes.constData(), size_t(bytes.size())));
            if (reason != RejectReason::None)
                plan.problems << BatchCellProblem {r, entry.column, rejectReasonText(reason)};
        }
        plan.switches << batchSwitch;
    }
    std::stable_sort(plan.problems.begin(), plan.problems.end(),
                     [](const BatchCellProblem &a, const BatchCellProblem &b) {
                         return std::make_pair(a.row, a.column) < std::make_pair(b.row, b.column);
                     });
    return plan;
}

namespace {

// Every file the plan would write, in order.
QStringList plannedFiles(const BatchPlan &plan, bool withReports)
{
    QStringList planned;
    for (const BatchSwitch &batchSwitch : plan.switches) {
        planned << batchSwitch.fileName;
        if (withReports)
            planned << batchSwitch.reportName;
    }
    return planned;
}

// The batch's files on their way to the disk: each is written beside its
// target as it comes, and they are put in place together, after each
// switch's report and at the end. What was written and what stopped the
// batch go into the outcome.
class BatchFiles
{
public:
    BatchFiles(const QString &outputDir, bool replaceExisting, BatchOutcome &outcome)
        : m_folder(outputDir)
        , m_replaceExisting(replaceExisting)
        , m_outcome(outcome)
    { }

    QString path(const QString &name) const { return m_folder.filePath(name); }

    // A file that appeared since the plan and may not be replaced is not
    // written; false, with the failure noted.
    bool mayWrite(const QString &name)
    {
        if (m_replaceExisting || !existsInFolder(path(name)))
            return true;
        m_outcome.failure = name + QLatin1String(": already exists");
        return false;
    }

    bool stage(const QString &name, const QByteArray &bytes)
    {
        QString error;
        if (!m_files.add(path(name), bytes, &error)) {
            m_outcome.failure = name + QLatin1String(": ") + error;
            return false;
        }
        m_staged << name;
        return true;
    }

    bool putInPlace()
    {
        QString error;
        const int done = m_files.commit(&error);
        const bool all = done == m_staged.size();
        m_outcome.written << m_staged.mid(0, done);
        if (!all && m_outcome.failure.isEmpty())
            m_outcome.failure = m_staged.at(done) + QLatin1String(": ") + error;
        m_staged.clear();
        return all;
    }

private:
    const QDir m_folder;
    const bool m_replaceExisting;
    BatchOutcome &m_outcome;
    OutputFileSet m_files;
    QStringList m_staged;
};

// Waits for report `index`, a short wait at a time when `polled` so that
// the window repaints and hears Cancel (`goOn`) between them, then puts the
// switch's staged file and its report on the disk together, one switch at a
// time, so the wait for the disk stays short between repaints. False when the
// batch stops here.
bool putInPlaceWithReport(OutputJobs &reports, int index, const QString &reportName,
                          BatchFiles &files, BatchOutcome &outcome,
                          const std::function<bool()> &goOn, bool polled)
{
    constexpr int kWaitMs = 15;
    while (!reports.waitFor(index, polled ? kWaitMs : -1) && goOn()) { }
    if (outcome.cancelled)
        return false;
    const OutputJobResult report = reports.take(index);
    if (!report.bytes) {
        outcome.failure = reportName + QLatin1String(": ") + report.error;
        return false;
    }
    return files.stage(reportName, *report.bytes) && files.putInPlace();
}

} // namespace

BatchOutcome writeBatch(const BatchPlan &plan, const QString &outputDir, const QDate &date,
                        const BatchProgress &progress, const BatchReportMaker &makeReport)
{
    BatchOutcome outcome;
    const bool withReports = plan.withReports && makeReport;
    const QStringList planned = plannedFiles(plan, withReports);
    if (!plan.isValid()) {
        outcome.failure = QStringLiteral("Nothing written: the list has rows in error");
        outcome.notWritten = planned;
        return outcome;
    }

    BatchFiles files(outputDir, plan.replaceExisting, outcome);
    const int total = plan.switches.size();
    // The reports are made a few switches ahead of the one being written,
    // each from a copy of its switch; finished ones wait here.
    OutputJobs reports;
    const int ahead = 2 * OutputJobs::threadCount();
    const auto queueReportsUpTo = [&](int last) {
        for (int i = reports.count(); i <= qMin(last, total - 1); ++i) {
            reports.add([makeReport, one = plan.switches.at(i)] {
                OutputJobResult result;
                result.bytes = makeReport(one, &result.error);
                return result;
            });
        }
    };
    const auto goOn = [&](int done) {
        if (progress && !progress(done, total))
            outcome.cancelled = true;
        return !outcome.cancelled;
    };
    for (int i = 0; i < total && outcome.failure.isEmpty(); ++i) {
        if (withReports)
            queueReportsUpTo(i + ahead);
        if (!goOn(i))
            break;
        const BatchSwitch &batchSwitch = plan.switches.at(i);
        if (!files.mayWrite(batchSwitch.fileName) ||
            !files.stage(batchSwitch.fileName,
                         configFileBytes(batchSwitch.config, batchSwitch.texts, date)))
            break;
        if (!withReports)
            continue;
        if (!files.mayWrite(batchSwitch.reportName) ||
            !putInPlaceWithReport(
                reports, i, batchSwitch.reportName, files, outcome, [&] { return goOn(i); },
                bool(progress)))
            break;
    }
    // Reports not yet made are not made.
    reports.cancel();
    // What was written before a cancel or a failure stays.
    files.putInPlace();
    for (const QString &name : planned) {
        if (!outcome.written.contains(name))
            outcome.notWritten << name;
    }
    if (progress && outcome.succeeded())
        progress(total, total);
    return outcome;
}

QString batchSummaryText(const BatchOutcome &outcome, const QString &outputDir, int namesListed)
{
    const int written = outcome.written.size();
    if (outcome.succeeded()) {
        // A switch's report is not another switch: "40 files and 40 reports".
        const auto reports = int(std::count_if(
            outcome.written.cbegin(), outcome.written.cend(),
            [](const QString &name) { return name.endsWith(QLatin1String(".pdf")); }));
        const int files = written - reports;
        QString what =
            files == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(files);
        if (reports > 0)
            what += reports == 1 ? QStringLiteral(" and 1 report")
                                 : QStringLiteral(" and %1 reports").arg(reports);
        return what + QStringLiteral(" written to ") + outputDir;
    }
    const QString why = outcome.cancelled
        ? QStringLiteral("Cancelled.")
        : QStringLiteral("Stopped: ") + outcome.failure + QLatin1Char('.');
    auto names = [namesListed](const QStringList &list) {
        if (list.isEmpty())
            return QStringLiteral("none");
        if (namesListed < 0 || list.size() <= namesListed)
            return list.join(QLatin1String(", "));
        return list.mid(0, namesListed).join(QLatin1String(", ")) +
            QStringLiteral(" and %1 more").arg(list.size() - namesListed);
    };
    // One pass of arg(): a "%1" in a file name stays as it is.
    return QStringLiteral("%1\nWritten to %2 (%3): %4\nNot written (%5): %6")
        .arg(why, outputDir, QString::number(written), names(outcome.written),
             QString::number(outcome.notWritten.size()), names(outcome.notWritten));
}
