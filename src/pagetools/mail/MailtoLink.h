#pragma once

#include <QString>

// The "mailto:" address that mails a page as a link: the page title as the subject, and the
// address followed by a line break and the title in angle brackets as the body.
namespace MailtoLink {
// "mailto:?SUBJECT=" title "&BODY=" address CR LF "<" title ">", every part encoded.
QString forPage(const QString &title, const QString &address);
// Encodes the UTF-8 bytes of the text: the characters ! $ ' ( ) * - . @ _, digits and ASCII
// letters stay; every other byte, the blank too, becomes "%" and two upper-case hex digits.
QString encode(const QString &text);
}
