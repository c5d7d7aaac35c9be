#include "pagetools/TranslateNavigation.h"
#include "testkit/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString Request = u"https://translate.yandex.com/translate?input_type=url&lp=en_ge&lang=en-de"_s;
}

// What becomes of a navigation the translation panel starts.
class TranslateNavigationTest : public QObject
{
    Q_OBJECT

private slots:
    void requestsFromThePanel_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("addressBox");
        QTest::addColumn<QString>("opened");

        QTest::newRow("English to German on an http page")
            << Request << u"http://127.0.0.1:8080/page.html"_s << Request + u"&url=http://127.0.0.1:8080/page.html"_s;
        QTest::newRow("a translated page is translated from its original")
            << Request << u"https://translate.yandex.com/translate?input_type=url&lp=en_fr&lang=en-fr&url=http://example.com/a.html"_s
            << Request + u"&url=http://example.com/a.html"_s;
        QTest::newRow("keys the service added after the original are left out")
            << Request << u"https://translate.yandex.com/translate?lp=en_fr&url=https://example.com/a.html&view=c"_s
            << Request + u"&url=https://example.com/a.html"_s;
        QTest::newRow("an original with its own query and fragment stays one value")
            << Request << u"http://example.com/s?q=a&b=50%+1#top"_s
            << Request + u"&url=http://example.com/s?q=a%26b=50%25%2B1%23top"_s;
        QTest::newRow("that original comes back whole from its translation")
            << Request << u"https://translate.yandex.com/translate?input_type=url&lp=en_ge&lang=en-de&url=http://example.com/s?q=a%26b=50%25%2B1%23top"_s
            << Request + u"&url=http://example.com/s?q=a%26b=50%25%2B1%23top"_s;
        QTest::newRow("the service's own page without a url key is the page")
            << Request << u"https://translate.yandex.com/"_s << Request + u"&url=https://translate.yandex.com/"_s;
        QTest::newRow("a url key without a web address is not an original")
            << Request << u"translate.yandex.com/translate?url=ftp.example.com"_s
            << Request + u"&url=translate.yandex.com/translate?url=ftp.example.com"_s;
        QTest::newRow("a link to elsewhere opens unchanged")
            << u"https://example.org/help.html?x=1"_s << u"http://127.0.0.1:8080/page.html"_s
            << u"https://example.org/help.html?x=1"_s;
    }

    void requestsFromThePanel()
    {
        QFETCH(QString, requested);
        QFETCH(QString, addressBox);
        QFETCH(QString, opened);
        TranslateNavigation navigation;
        QCOMPARE(navigation.BeforeNavigate(requested, addressBox), std::optional<QString>(opened));
    }

    void thePassFlagLetsOnlyThePanelPageThrough()
    {
        TranslateNavigation navigation;
        navigation.setPass();
        QCOMPARE(navigation.BeforeNavigate(u"qrc:/pages/translate.html"_s, QString()), std::nullopt);
        QVERIFY(!navigation.pass());
        QCOMPARE(navigation.BeforeNavigate(u"qrc:/pages/translate.html"_s, QString()),
                 std::optional<QString>(u"qrc:/pages/translate.html"_s));
    }
};

KESTREL_TEST(TranslateNavigationTest)
#include "TranslateNavigationTest.moc"
