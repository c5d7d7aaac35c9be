#pragma once

#include <QString>

// The address a command-line argument stands for: an argument that names an existing file or
// folder, relative to the folder the program was started in or absolute, is that file's
// "file:" address; anything else is an address as it stands.
class CommandLineAddress
{
public:
    static QString fromArgument(const QString &argument, const QString &workingFolder);
};
