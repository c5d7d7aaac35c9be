#pragma once

#include <QStringList>

// The states list of the people search: 54 lines "name=postal code", the 50 states, the
// District of Columbia, American Samoa, Guam and Puerto Rico, alphabetical except that
// Missouri comes before Mississippi.
QStringList usStateLines();
