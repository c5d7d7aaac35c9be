#include "pagetools/TfrmTranslate.h"
#include "testkit/AppWarnings.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QTest>
#include <QUrlQuery>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr int Timeout = 20000;

QVariant runScript(QWebEnginePage *page, const QString &script)
{
    std::optional<QVariant> result;
    page->runJavaScript(script, [&result](const QVariant &value) { result = value; });
    waitUntil([&] { return result.has_value(); }, Timeout);
    return result.value_or(QVariant());
}
}

// The panel page on the real engine: its form builds the service request, the panel takes it
// out of its own view, completes it with the page address and hands it to the active tab.
class TranslatePanelEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnAppWarnings(); }

    void englishToGermanOpensTheServiceWithThePageAndThePanelKeepsItsChoice()
    {
        const QString page = u"http://127.0.0.1:8080/news/today.html"_s;
        QStringList opened;
        CommandRegistry commands;
        TfrmTranslate translate(
            commands, [&page] { return page; }, [&opened](const QString &address) { opened << address; }, nullptr);
        QVERIFY(commands.trigger(CommandIds::Translate));
        QVERIFY(translate.isVisible());
        QCOMPARE(translate.WebBrowser1()->size(), QSize(TfrmTranslate::ClientWidth, TfrmTranslate::ClientHeight));
        QWebEnginePage *panel = translate.WebBrowser1()->page();
        QVERIFY(waitUntil([&] { return runScript(panel, u"!!document.getElementById('lp')"_s).toBool(); }, Timeout));
        QCOMPARE(runScript(panel, u"document.querySelector('h1').textContent"_s).toString(),
                 u"Translate this page from"_s);
        QCOMPARE(runScript(panel, u"Array.from(document.getElementById('lp').options, o => o.value).join()"_s)
                     .toString(),
                 u"en_fr,en_sp,en_ge,en_it,en_pt,,fr_en,sp_en,ge_en,it_en,pt_en"_s);

        runScript(panel, u"document.getElementById('lp').value = 'en_ge';"
                         u"document.querySelector('button').click();"_s);
        QVERIFY(waitUntil([&] { return !opened.isEmpty(); }, Timeout));
        QCOMPARE(opened.size(), 1);
        const QUrl request(opened.first());
        QCOMPARE(request.host(), u"translate.yandex.com"_s);
        const auto items = QUrlQuery(request).queryItems(QUrl::FullyDecoded);
        QVERIFY(items.size() >= 3);
        QCOMPARE(items.at(0), (QPair<QString, QString>(u"input_type"_s, u"url"_s)));
        QCOMPARE(items.at(1), (QPair<QString, QString>(u"lp"_s, u"en_ge"_s)));
        QCOMPARE(items.last(), (QPair<QString, QString>(u"url"_s, page)));
        QVERIFY(opened.first().endsWith(u"&url="_s + page));

        // The request never loaded in the panel, and the pair chosen stays for the next show.
        QCOMPARE(translate.WebBrowser1()->url(), QUrl(TfrmTranslate::PanelAddress));
        translate.hide();
        QVERIFY(commands.trigger(CommandIds::Translate));
        QCOMPARE(runScript(panel, u"document.getElementById('lp').value"_s).toString(), u"en_ge"_s);
    }
};

KESTREL_TEST(TranslatePanelEndToEndTest)
#include "TranslatePanelEndToEndTest.moc"
