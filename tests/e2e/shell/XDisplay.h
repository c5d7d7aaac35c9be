#pragma once

#include "testkit/WaitUntil.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <optional>

// A private X server (Xvfb) for runs that need a real window system, where the test types on
// the program's windows as a user would, through xdotool. Stopped when the object goes.
class XDisplay
{
public:
    XDisplay()
    {
        for (int number = 90; number < 190 && m_name.isEmpty(); ++number) {
            const QString display = QStringLiteral(":%1").arg(number);
            if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
                continue;
            m_server.setStandardOutputFile(QProcess::nullDevice());
            m_server.setStandardErrorFile(QProcess::nullDevice());
            m_server.start(QStringLiteral("Xvfb"), {display, QStringLiteral("-screen"), QStringLiteral("0"),
                                                    QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                                    QStringLiteral("tcp")});
            if (!m_server.waitForStarted(10000))
                return;
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
            // Another server may take the number first: this one then ends, and the next is tried.
            waitUntil([&] { return QFile::exists(socket) || m_server.state() == QProcess::NotRunning; }, 10000);
            if (m_server.state() == QProcess::Running && QFile::exists(socket))
                m_name = display;
            else
                m_server.waitForFinished(5000);
        }
    }
    ~XDisplay()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished();
    }

    bool isUp() const { return !m_name.isEmpty(); }

    // The environment with a program's windows on this display.
    QProcessEnvironment environment(QProcessEnvironment base) const
    {
        base.insert(QStringLiteral("DISPLAY"), m_name);
        base.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return base;
    }

    // Runs xdotool on this display; its output when it succeeded.
    std::optional<QString> xdotool(const QStringList &arguments) const
    {
        QProcess tool;
        tool.setProcessEnvironment(environment(QProcessEnvironment::systemEnvironment()));
        tool.start(QStringLiteral("xdotool"), arguments);
        if (!tool.waitForFinished(20000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
            return std::nullopt;
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }

    // The visible windows whose title matches the pattern.
    QStringList windowsNamed(const QString &pattern) const
    {
        const auto found = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                    pattern});
        return found ? found->split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList();
    }

private:
    QProcess m_server;
    QString m_name;
};
