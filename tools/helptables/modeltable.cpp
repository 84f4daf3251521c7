#include "modeltable.h"

#include "core/catalogue/modeltraits.h"
#include "core/config/switchconfig.h"

#include <QStringList>

#include <algorithm>

namespace ModelTable {

namespace {

const QString kFirstMarker = QStringLiteral(
    "<!-- Made from the catalogue by \"make help-tables\": change the catalogue, not these rows. "
    "-->\n");
const QString kLastMarker = QStringLiteral("<!-- End of the rows made from the catalogue. -->");

// The words of the table, English and German.
struct Words
{
    const char *gigabit;
    const char *sharedId; // %1: the ID
    const char *noJumboFrames;
    const char *poeOnPort; // %1: one port
    const char *poeOnPorts; // %1: a range
    const char *noAlarms;
    const char *noPsuAlarms;
    const char *noLinkAlarm;
};

const Words kEnglish {"gigabit",
                      "share ID %1",
                      "no jumbo frames",
                      "PoE on port %1",
                      "PoE on ports %1",
                      "no power supply or link alarms",
                      "no power supply alarms",
                      "no link alarm"};
const Words kGerman {"Gigabit",
                     "gemeinsame ID %1",
                     "keine Jumbo-Frames",
                     "PoE an Port %1",
                     "PoE an Port %1",
                     "keine Netzteil- und Link-Alarme",
                     "keine Netzteil-Alarme",
                     "kein Link-Alarm"};

const Words &wordsOf(Language language)
{
    return language == Language::German ? kGerman : kEnglish;
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// "5" or "2–8", counted from 1.
QString portRange(int first, int last)
{
    return first == last ? QString::number(first + 1)
                         : QStringLiteral("%1\u2013%2").arg(first + 1).arg(last + 1);
}

bool isCopper(PortKind kind)
{
    return kind >= CopperFast && kind <= CopperGigabitPoE;
}

// How fast a kind of port is, as the table says it.
QString speedOf(PortKind kind, const Words &words)
{
    switch (kind) {
    case CopperFast:
    case CopperFastPoE:
        return QStringLiteral("10/100");
    case FibreFast:
        return QStringLiteral("100");
    case CopperGigabit:
    case CopperGigabitPoE:
    case FibreGigabit:
        return text(words.gigabit);
    case NoPort:
        break;
    }
    return QString();
}

// Each run of ports of one speed that `wanted` takes: "1–4, 10/100"; "–"
// for none.
template<typename Wanted>
QString portRuns(const std::vector<PortKind> &kinds, const Words &words, Wanted wanted)
{
    QStringList runs;
    for (int first = 0; first < int(kinds.size());) {
        int last = first;
        while (last + 1 < int(kinds.size()) &&
               speedOf(kinds[size_t(last) + 1], words) == speedOf(kinds[size_t(first)], words) &&
               wanted(kinds[size_t(last) + 1]) == wanted(kinds[size_t(first)]))
            ++last;
        if (wanted(kinds[size_t(first)]))
            runs << portRange(first, last) + QStringLiteral(", ") +
                    speedOf(kinds[size_t(first)], words);
        first = last + 1;
    }
    return runs.isEmpty() ? QStringLiteral("\u2013") : runs.join(QStringLiteral("; "));
}

std::vector<PortKind> portKinds(const ProductRecord &row)
{
    std::vector<PortKind> kinds;
    for (int port = 0; port < row.portCount; ++port)
        kinds.push_back(portKindOf(row, port));
    return kinds;
}

QString notes(const std::vector<ProductRecord> &table, const ProductRecord &row,
              const std::vector<PortKind> &kinds, const Words &words)
{
    QStringList notes;
    if (rowsWithConfigId(table, row.configId).size() > 1)
        notes << text(words.sharedId).arg(row.configId);
    if (!row.has(ModelTrait::JumboFrames))
        notes << text(words.noJumboFrames);
    const auto has = [&kinds](std::initializer_list<PortKind> wanted) {
        return std::any_of(kinds.begin(), kinds.end(), [&wanted](PortKind kind) {
            return std::find(wanted.begin(), wanted.end(), kind) != wanted.end();
        });
    };
    // Energy efficient ethernet is a setting of the gigabit copper ports.
    if (has({CopperGigabit, CopperGigabitPoE}))
        notes << QStringLiteral("EEE");
    std::vector<int> poe;
    for (int port = 0; port < int(kinds.size()); ++port) {
        if (kinds[size_t(port)] == CopperFastPoE || kinds[size_t(port)] == CopperGigabitPoE)
            poe.push_back(port);
    }
    if (!poe.empty()) {
        // The PoE ports of a model are one run.
        notes << (poe.size() == 1 ? text(words.poeOnPort) : text(words.poeOnPorts))
                     .arg(portRange(poe.front(), poe.back()));
    }
    const bool psu = row.has(ModelTrait::PsuAlarms);
    const bool link = row.has(ModelTrait::LinkAlarm);
    if (!psu || !link)
        notes << text(!psu && !link ? words.noAlarms
                          : !psu    ? words.noPsuAlarms
                                    : words.noLinkAlarm);
    return notes.join(QStringLiteral("; "));
}

} // namespace

QString rows(const std::vector<ProductRecord> &table, Language language)
{
    const Words &words = wordsOf(language);
    const auto isCopperKind = [](PortKind kind) { return isCopper(kind); };
    const auto isFibreKind = [](PortKind kind) {
        return kind == FibreFast || kind == FibreGigabit;
    };
    QStringList noteOf;
    std::vector<std::vector<PortKind>> kindsOf;
    for (const ProductRecord &row : table) {
        kindsOf.push_back(portKinds(row));
        noteOf << notes(table, row, kindsOf.back(), words);
    }
    QString html;
    for (int i = 0; i < int(table.size()); ++i) {
        const ProductRecord &row = table[size_t(i)];
        const auto sharesCell = [&](int a, int b) {
            return b < int(table.size()) &&
                table[size_t(a)].configId == table[size_t(b)].configId && noteOf[a] == noteOf[b];
        };
        html += QStringLiteral("    <tr><td>%1</td><td class=\"num\">%2</td><td>%3</td><td>%4</td>"
                               "<td class=\"num\">%5</td>")
                    .arg(row.modelName.toHtmlEscaped())
                    .arg(row.portCount)
                    .arg(portRuns(kindsOf[size_t(i)], words, isCopperKind),
                         portRuns(kindsOf[size_t(i)], words, isFibreKind))
                    .arg(row.configId);
        if (i == 0 || !sharesCell(i - 1, i)) {
            int span = 1;
            while (sharesCell(i, i + span))
                ++span;
            html +=
                span > 1 ? QStringLiteral("<td rowspan=\"%1\">").arg(span) : QStringLiteral("<td>");
            html += noteOf[i].toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    return html;
}

std::optional<QString> withRows(const QString &page, Language language)
{
    const int first = page.indexOf(kFirstMarker);
    const int last = page.indexOf(kLastMarker);
    if (first < 0 || last < first)
        return std::nullopt;
    const int from = first + kFirstMarker.size();
    // The last marker stands on its own line, indented as the rows.
    const int to = page.lastIndexOf(QLatin1Char('\n'), last) + 1;
    return page.left(from) + rows(ProductCatalogue, language) + page.mid(to);
}

std::optional<Language> languageOfFolder(const QString &folder)
{
    if (folder == QLatin1String("HelpEn"))
        return Language::English;
    if (folder == QLatin1String("HelpDe"))
        return Language::German;
    return std::nullopt;
}

} // namespace ModelTable
