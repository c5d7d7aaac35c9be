#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

namespace {
int argc = 1;
char argv0[] = "kestrel-fuzz";
char *argv[] = {argv0, nullptr};
}

void FuzzSupport::initialize()
{
    static QCoreApplication *application = nullptr;
    if (!application) {
        application = new QCoreApplication(argc, argv);
        scratchFolder();
    }
}

QString FuzzSupport::scratchFolder()
{
    static const std::unique_ptr<QTemporaryDir> folder = [] {
        // In memory where the system offers it: atomic writes flush to disk, which would slow the
        // targets that write files to a crawl.
        const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        auto created = std::make_unique<QTemporaryDir>(base + QStringLiteral("/kestrel-fuzz-XXXXXX"));
        if (!created->isValid())
            qFatal("kestrel-fuzz: no scratch folder");
        // The data folder of the program is the scratch folder, so nothing real is touched.
        qputenv("KESTREL_DATA_DIR", created->path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", created->path().toLocal8Bit());
        return created;
    }();
    return folder->path();
}

QByteArray FuzzSupport::bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

QList<QByteArray> FuzzSupport::parts(const QByteArray &input, int count)
{
    QList<QByteArray> result;
    qsizetype from = 0;
    while (result.size() < count - 1 && from <= input.size()) {
        const qsizetype separator = input.indexOf('\f', from);
        if (separator < 0)
            break;
        result.append(QByteArray(input.constData() + from, separator - from));
        from = separator + 1;
    }
    if (result.size() < count && from <= input.size())
        result.append(QByteArray(input.constData() + from, input.size() - from));
    while (result.size() < count)
        result.append(QByteArray());
    return result;
}

void FuzzSupport::clearScratchFolder()
{
    QDir folder(scratchFolder());
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(name);
}

QString FuzzSupport::writeFile(const QString &fileName, const QByteArray &bytes)
{
    const QString path = QDir(scratchFolder()).filePath(fileName);
    QFile::remove(path);
    if (!bytes.isNull()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("kestrel-fuzz: cannot write %s", qPrintable(path));
    }
    return path;
}
