#pragma once

#include <QString>

// The name under which the program answers the shell's open requests: the executable's file
// name without its folder and without everything from its first "." on (a.b.exe gives a).
QString ddeServiceName(const QString &executablePath);
