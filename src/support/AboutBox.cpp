#include "support/AboutBox.h"

#include "ui/Prompter.h"

#include <QtWebEngineCore/qtwebenginecoreglobal.h>

QString AboutBox::text()
{
    return QStringLiteral("Kestrel Browser 5.0\n\nQt %1\nQt WebEngine %2 (Chromium %3)")
        .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(qWebEngineVersion()),
             QString::fromLatin1(qWebEngineChromiumVersion()));
}

void AboutBox::show(Prompter &prompter)
{
    prompter.message(text(), QStringLiteral("About Kestrel Browser"));
}
