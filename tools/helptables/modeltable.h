#pragma once

// The help pages' table of the switch models, made from the catalogue, so
// that a model added to the catalogue reaches both languages and the pages
// cannot tell another story than the program.

#include "core/catalogue/productcatalogue.h"

#include <QString>

#include <optional>
#include <vector>

namespace ModelTable {

enum class Language { English, German };

// The table's rows, one <tr> line for each row of `table`, in `language`.
// Adjacent rows sharing a configuration ID and their notes share one notes
// cell.
QString rows(const std::vector<ProductRecord> &table, Language language);

// `page` with the lines between its two marker comments made anew from the
// catalogue; nothing if the page lacks them.
std::optional<QString> withRows(const QString &page, Language language);

// The language of the pages in `folder` ("HelpEn", "HelpDe"); nothing for
// another folder.
std::optional<Language> languageOfFolder(const QString &folder);

} // namespace ModelTable
