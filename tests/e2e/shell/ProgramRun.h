#pragma once

#include "testkit/WaitUntil.h"

#include <QProcess>
#include <QStringList>

inline const QString Browser = QStringLiteral(KESTREL_BROWSER_EXECUTABLE);
constexpr int StartTimeout = 60000;

// A started kestrel-browser; stopped, if still running, when the object goes.
class Run
{
public:
    Run(const QStringList &arguments, const QProcessEnvironment &environment)
    {
        m_process.setProcessEnvironment(environment);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(Browser, arguments);
    }
    ~Run()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    bool running() const { return m_process.state() == QProcess::Running; }
    bool finished(int timeoutMs = StartTimeout)
    {
        return waitUntil([this] { return m_process.state() == QProcess::NotRunning; }, timeoutMs);
    }
    bool endedWithCodeZero() const
    {
        return m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::NormalExit
            && m_process.exitCode() == 0;
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
};
