#pragma once

#include <QString>

// Where the program keeps its data files: $KESTREL_DATA_DIR when set; else the executable's
// folder when it is writable (portable use); else $XDG_DATA_HOME/kestrel-browser. The folder
// is created when missing.
namespace DataFolder {
// The folder, without a trailing separator.
QString path();
// The path of a data file: the folder followed directly by the name.
QString filePath(const QString &fileName);
// The rule itself, on given inputs: the environment value, the executable's folder and whether
// it is writable, and the user's data home.
QString choose(const QString &dataDirVariable, const QString &executableFolder,
               bool executableFolderWritable, const QString &dataHome);
}
