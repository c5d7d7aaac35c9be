#pragma once

#include <QString>

// The product's own start page, built into the program: the default homepage.
inline QString productStartPage()
{
    return QStringLiteral("qrc:/pages/start.html");
}
