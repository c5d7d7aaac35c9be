#pragma once

#include <QTemporaryDir>

// Gives every test run its own settings, data and runtime folders, set before the
// application object exists so nothing touches the user's real files.
class TestEnvironment
{
public:
    TestEnvironment();
    QString configHome() const;
    QString dataHome() const;
    QString dataDir() const;
    QString runtimeDir() const;

private:
    QTemporaryDir m_root;
};

// Makes the current test function fail on any Qt warning; call it from init().
void failOnQtWarnings();
