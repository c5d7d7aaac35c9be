#pragma once

#include <QStringList>

// The web-mail sites of the mail settings as name=value lines: the site name shown to the user
// and its start address. The first is "Other" with "http://", for an address typed by hand.
namespace WebMailSites {
QStringList lines();
}
