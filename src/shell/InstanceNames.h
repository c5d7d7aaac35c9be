#pragma once

#include <QString>

// The names instances of the program meet by: a socket and its lock file in the user's runtime
// folder ($XDG_RUNTIME_DIR, private to the user), named from "KestrelBrowser is Running!" and
// the user id.
namespace InstanceNames {
QString socketName();
QString socketPath();
QString lockPath();
}
