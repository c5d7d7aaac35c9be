#include "testkit/AppWarnings.h"

#include <QRegularExpression>
#include <QTest>

void failOnAppWarnings()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(
        "^(?!This plugin does not support (propagateSizeHints|raise)\\(\\)$|No suitable graphics backend found$).*")));
}
