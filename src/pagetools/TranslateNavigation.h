#pragma once

#include <QString>
#include <optional>

// Decides what becomes of a navigation that starts inside the translation panel. The panel's
// own page loads once through the pass flag; every later request is taken out of the panel and
// opened in the active tab, and a request to the translation service is completed with the
// address of the page to translate.
class TranslateNavigation
{
public:
    // The host of the translation service: every address holding it is a service address.
    static const QString ServiceHost;

    // Lets the next navigation of the panel through (the loading of the panel page itself).
    void setPass() { m_pass = true; }
    bool pass() const { return m_pass; }

    // Empty when the navigation proceeds in the panel; otherwise the panel's navigation is
    // cancelled and the returned address is to open in the active tab. addressBoxText is the
    // text of the main window's address box.
    std::optional<QString> BeforeNavigate(const QString &requested, const QString &addressBoxText);

    // The address of the page to translate: the address box's text, or, when that shows a
    // translated web page (http or https), the untranslated page's address taken from its "url=" key.
    static QString pageAddress(const QString &addressBoxText);
    // A service request completed with "&url=" and the page address, whose characters that
    // would end the value early ("%", "&", "#", "+") are percent-encoded; other requests as they are.
    static QString complete(const QString &requested, const QString &pageAddress);

private:
    bool m_pass = false;
};
