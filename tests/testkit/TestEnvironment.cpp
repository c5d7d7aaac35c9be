#include "testkit/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {
QString makeDir(const QString &root, const QString &name)
{
    const QString path = root + QLatin1Char('/') + name;
    QDir().mkpath(path);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}
}

TestEnvironment::TestEnvironment()
{
    qputenv("XDG_CONFIG_HOME", makeDir(m_root.path(), QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", makeDir(m_root.path(), QStringLiteral("share")).toLocal8Bit());
    qputenv("KESTREL_DATA_DIR", makeDir(m_root.path(), QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", makeDir(m_root.path(), QStringLiteral("runtime")).toLocal8Bit());
}

QString TestEnvironment::configHome() const { return m_root.path() + QStringLiteral("/config"); }
QString TestEnvironment::dataHome() const { return m_root.path() + QStringLiteral("/share"); }
QString TestEnvironment::dataDir() const { return m_root.path() + QStringLiteral("/data"); }
QString TestEnvironment::runtimeDir() const { return m_root.path() + QStringLiteral("/runtime"); }

void failOnQtWarnings()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}
