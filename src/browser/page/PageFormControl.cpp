#include "browser/page/PageFormControl.h"

#include <QStringList>

bool PageFormControl::isTextBox() const
{
    static const QStringList textTypes = {QStringLiteral("TEXT"), QStringLiteral("PASSWORD"),
                                          QStringLiteral("EMAIL"), QStringLiteral("TEL"),
                                          QStringLiteral("URL"), QStringLiteral("SEARCH"),
                                          QStringLiteral("NUMBER")};
    return isInput() && textTypes.contains(type);
}
