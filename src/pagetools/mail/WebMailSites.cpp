#include "pagetools/mail/WebMailSites.h"

namespace WebMailSites {

QStringList lines()
{
    return {
        QStringLiteral("Other=http://"),
        QStringLiteral("Gmail=https://mail.google.com/"),
        QStringLiteral("Outlook.com=https://outlook.live.com/mail/"),
        QStringLiteral("Yahoo Mail=https://mail.yahoo.com/"),
        QStringLiteral("AOL Mail=https://mail.aol.com/"),
        QStringLiteral("iCloud Mail=https://www.icloud.com/mail/"),
        QStringLiteral("Proton Mail=https://mail.proton.me/"),
        QStringLiteral("Tuta Mail=https://app.tuta.com/"),
        QStringLiteral("Zoho Mail=https://mail.zoho.com/"),
        QStringLiteral("Fastmail=https://app.fastmail.com/"),
        QStringLiteral("GMX Mail=https://www.gmx.com/"),
        QStringLiteral("mail.com=https://www.mail.com/"),
        QStringLiteral("Yandex Mail=https://mail.yandex.com/"),
        QStringLiteral("Mailfence=https://mailfence.com/"),
        QStringLiteral("Posteo=https://posteo.de/"),
        QStringLiteral("WEB.DE=https://web.de/"),
    };
}

}
