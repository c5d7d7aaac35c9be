#pragma once

#include "ui/Prompter.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

// What the fuzz targets share: a Qt application object, a scratch folder of their own, the
// input as bytes, as parts or as a file, and a prompter that answers every question with
// "Cancel".
namespace FuzzSupport {
// Creates the application object on the first call; later calls do nothing.
void initialize();
// An empty folder of this process, created on the first call and removed at exit.
QString scratchFolder();
// Removes every file of the scratch folder (last-good copies included), so no run sees what an
// earlier one left.
void clearScratchFolder();
QByteArray bytes(const uint8_t *data, size_t size);
// The input split at form feeds (byte 12) into exactly `count` parts; missing parts are null,
// so a target can tell a missing file from an empty one. Text after the last separator the
// target uses stays in the last part.
QList<QByteArray> parts(const QByteArray &input, int count);
// Writes the bytes to the named file of the scratch folder, replacing it; a null array removes
// the file instead. Returns the file's path.
QString writeFile(const QString &fileName, const QByteArray &bytes);
}

class CancellingPrompter : public Prompter
{
public:
    void message(const QString &, const QString &) override {}
    Answer question(const QString &, const QString &, Buttons) override { return Answer::Cancel; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> openFile(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> saveFile(const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    std::optional<QString> folder(const QString &, const QString &) override { return {}; }
    std::optional<QColor> colour(const QColor &) override { return {}; }
    std::optional<QFont> font(const QFont &) override { return {}; }
};
