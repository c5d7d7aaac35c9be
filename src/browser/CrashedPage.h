#pragma once

#include <QString>
#include <QUrl>

// The page a tab shows in place of one whose page process died: it says the page stopped,
// names its address and, for web addresses, offers to load it again.
class CrashedPage
{
public:
    explicit CrashedPage(const QUrl &address) : m_address(address) {}

    // The page's HTML: the address HTML-escaped, and a Reload link to it only for http and
    // https addresses (a link to any other kind could run or open something of its own).
    QString html() const;

private:
    QUrl m_address;
};
