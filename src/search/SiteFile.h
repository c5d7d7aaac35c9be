#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The search-site file multisearch.dat in the data folder: sections of name=address lines
// under the headers "[SearchEngines]", "[People]", "[Financial]", "[News]" and "[Reference]".
namespace SiteFile {
inline const QString FileName = QStringLiteral("multisearch.dat");

// The file's path in a data folder.
QString path(const QString &dataFolder);

// The lines of one section for the quick bars, joined by CR LF; empty text when the file does
// not exist. The header "[" + lower-cased name + "]" is matched against each lower-cased
// line exactly (no trimming); collecting ends at the next line beginning with "[".
QString readSection(const QString &filePath, const QString &sectionName);
// The same walk over lines already read.
QStringList sectionLines(const QStringList &lines, const QString &sectionName);

// The five categories of the multi-search window, in the order of Category.
enum Category { SearchEngines, People, Financial, News, Reference, CategoryCount };
using Categories = std::array<QStringList, CategoryCount>;
// Sorts the entries into the categories: empty lines are skipped, a header selects its
// category, any other line beginning with "[" selects none, every other line goes to the
// selected category.
Categories readCategories(const QStringList &lines);

// The built-in contents: 76 lines, five sections.
QStringList defaultLines();
// Writes the built-in contents when the file does not exist; false when that failed.
bool ensureExists(const QString &filePath);
}
