#pragma once

#include <QGuiApplication>
#include <QTest>
#include <QWidget>

// Shows a tool window in a test. The offscreen platform answers the raising and sizing of a
// tool window with warnings that say nothing about the program; they are expected there.
inline void showOffScreen(QWidget &window)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
    }
    window.show();
}
