#pragma once

#include <QString>

// The address of a people search: in the site's address, the first occurrence of each
// placeholder, ignoring case, is replaced in turn: "<FIRSTNAME>" by the first name,
// "<LASTNAME>" by the last name, "<STATE>" by the state's name and "<ST>" by its code. Later
// occurrences stay; nothing is encoded.
QString fillPeoplePlaceholders(const QString &address, const QString &firstName, const QString &lastName,
                               const QString &stateName, const QString &stateCode);
