#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The group file kestrelgroups.dat: a group line is any line that does not begin with a TAB
// and names the group; the site lines (beginning with a TAB) that follow it are its addresses.
// Names are compared locale-aware without regard to case; the first equal line wins.
namespace KestrelGroupFile {
inline const QString FileName = QStringLiteral("kestrelgroups.dat");
// Settings of the main section.
inline const QString DefaultGroupKey = QStringLiteral("Default Group");
inline const QString CloseOthersKey = QStringLiteral("Close OnKestrel");

bool sameName(const QString &a, const QString &b);
// A site line's address: the line without its leading and trailing blanks, TABs and other
// control characters.
QString siteAddress(const QString &line);
// The captions of the groups menu: every non-empty group line, in file order.
QStringList groupNames(const QStringList &lines);
// The sites of the first group of that name; nothing when the name is empty or no line holds it.
std::optional<QStringList> sitesOf(const QStringList &lines, const QString &name);
// Whether any line of the file equals the name.
bool isTaken(const QStringList &lines, const QString &name);
}
