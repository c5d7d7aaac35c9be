#include "browser/CrashedPage.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QTest>

// The page shown in place of one whose process died: its address, escaped, and a Reload link
// only where loading the address again is a plain web request.
class CrashedPageHtmlTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void theAddressIsShownEscapedAndOnlyWebAddressesGetAReloadLink_data()
    {
        QTest::addColumn<QUrl>("address");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("reloadLink");

        QTest::newRow("http") << QUrl(QStringLiteral("http://example.com/a?b=1&c=2"))
                              << QStringLiteral("http://example.com/a?b=1&amp;c=2")
                              << QStringLiteral("<a class=\"reload\" href=\"http://example.com/a?b=1&amp;c=2\">Reload</a>");
        QTest::newRow("https, upper-case scheme")
            << QUrl(QStringLiteral("HTTPS://example.com/")) << QStringLiteral("https://example.com/")
            << QStringLiteral("<a class=\"reload\" href=\"https://example.com/\">Reload</a>");
        QTest::newRow("markup in the address")
            << QUrl(QStringLiteral("http://example.com/?a='b'&c=<script>alert(1)</script>"))
            << QStringLiteral("http://example.com/?a='b'&amp;c=%3Cscript%3Ealert(1)%3C/script%3E")
            << QStringLiteral("<a class=\"reload\" href=\"http://example.com/?a='b'&amp;c=%3Cscript%3Ealert(1)%3C/script%3E\">"
                              "Reload</a>");
        QTest::newRow("placeholder text in the address")
            << QUrl(QStringLiteral("http://example.com/%251%252")) << QStringLiteral("http://example.com/%251%252")
            << QStringLiteral("<a class=\"reload\" href=\"http://example.com/%251%252\">Reload</a>");
        QTest::newRow("file") << QUrl(QStringLiteral("file:///home/user/page.html"))
                              << QStringLiteral("file:///home/user/page.html") << QString();
        QTest::newRow("javascript") << QUrl(QStringLiteral("javascript:alert(\"x\")"))
                                    << QStringLiteral("javascript:alert(%22x%22)") << QString();
        QTest::newRow("data") << QUrl(QStringLiteral("data:text/html,<b>x</b>"))
                              << QStringLiteral("data:text/html,%3Cb%3Ex%3C/b%3E") << QString();
        QTest::newRow("no address") << QUrl() << QString() << QString();
    }

    void theAddressIsShownEscapedAndOnlyWebAddressesGetAReloadLink()
    {
        QFETCH(QUrl, address);
        QFETCH(QString, shown);
        QFETCH(QString, reloadLink);

        const QString html = CrashedPage(address).html();
        QVERIFY(html.contains(QStringLiteral("This page stopped")));
        QVERIFY(html.contains(QStringLiteral("<p class=\"address\">") + shown + QStringLiteral("</p>")));
        QCOMPARE(html.contains(QStringLiteral("href=")), !reloadLink.isEmpty());
        if (!reloadLink.isEmpty())
            QVERIFY(html.contains(reloadLink));
        QVERIFY(!html.contains(QStringLiteral("<script")));
    }
};

KESTREL_TEST(CrashedPageHtmlTest)
#include "CrashedPageHtmlTest.moc"
