#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The six typing-aid files of the data folder and how they are read and written: whole, as
// lines, through the atomic text-file helper.
namespace TypingAidFiles {
inline const QString Completion = QStringLiteral("tbauto.dat");
inline const QString QuickLinks = QStringLiteral("qlink.dat");
inline const QString QuickCorrect = QStringLiteral("qcorrect.dat");
inline const QString QuickInsert = QStringLiteral("qinsert.dat");
inline const QString QuickWords = QStringLiteral("qwords.dat");
inline const QString PersonalInfo = QStringLiteral("pdata.dat");

QString path(const QString &folder, const QString &fileName);
bool exists(const QString &folder, const QString &fileName);
// The file's lines; nothing when it does not exist or cannot be read.
std::optional<QStringList> read(const QString &folder, const QString &fileName);
// True when the whole file was written.
bool write(const QString &folder, const QString &fileName, const QStringList &lines);

// Sorts without regard to letter case; lines equal but for case keep their order.
void sortCaseInsensitive(QStringList &lines);
}
