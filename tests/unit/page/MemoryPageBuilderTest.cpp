#include "browser/page/PageElement.h"
#include "browser/page/PageWindow.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryElement.h"
#include "testkit/memorypage/MemoryPageBuilder.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Building the in-memory page: what the contract pages cannot show.
class MemoryPageBuilderTest : public QObject
{
    Q_OBJECT

private:
    static std::shared_ptr<MemoryDocument> build(const QString &markup, const QMap<QString, QString> &subPages = {})
    {
        return MemoryPageBuilder::build(markup, QUrl(u"http://memory.test/index.html"_s), subPages);
    }

private slots:
    void init() { failOnQtWarnings(); }

    void pagesThatAreNotWellFormedAreRefused()
    {
        QVERIFY(!build(u"<html><body><p>open</body></html>"_s));
        QVERIFY(!build(QString()));
        // A broken sub page fails the whole page, so a test cannot miss it.
        QVERIFY(!build(u"<html><body><iframe src=\"bad.html\"></iframe></body></html>"_s,
                       {{u"bad.html"_s, u"<html><body>"_s}}));
    }

    void missingStructureAndEntitiesAreFilledIn()
    {
        const auto document = build(u"<html><head><title>t</title></head><p>a&nbsp;b &amp; c</p></html>"_s);
        QVERIFY(document);
        QCOMPARE(document->body()->tagName(), u"BODY"_s);
        QCOMPARE(document->bodyInnerText(), u"a\u00A0b & c"_s);
        const auto fragment = build(u"<div id=\"only\">alone</div>"_s);
        QVERIFY(fragment);
        QVERIFY(fragment->elementById(u"only"_s));
        QCOMPARE(fragment->bodyInnerText(), u"alone"_s);
    }

    void framesWithoutAPageShowAnEmptyDocumentAndSelfReferenceStops()
    {
        const auto document = build(u"<html><body><iframe id=\"none\"></iframe>"
                                    u"<iframe id=\"missing\" src=\"missing.html\"></iframe>"
                                    u"<iframe id=\"self\" src=\"self.html\"></iframe></body></html>"_s,
                                    {{u"self.html"_s, u"<html><body><iframe id=\"self\" src=\"self.html\"></iframe></body></html>"_s}});
        QVERIFY(document);
        const auto blank = document->elementById(u"none"_s)->contentWindow()->document();
        QCOMPARE(blank->url(), u"about:blank"_s);
        QCOMPARE(blank->activeElement()->tagName(), u"BODY"_s);
        const auto missing = document->elementById(u"missing"_s)->contentWindow()->document();
        QCOMPARE(missing->url(), u"http://memory.test/missing.html"_s);
        QCOMPARE(missing->bodyInnerText(), QString());
        int depth = 0;
        for (auto frame = document->elementById(u"self"_s); frame; ++depth)
            frame = frame->contentWindow()->document()->elementById(u"self"_s);
        QVERIFY(depth > 1 && depth < 20);
    }

    void aChosenFileReadsAsTheEngineShowsIt()
    {
        const auto document = build(u"<html><body><input id=\"upload\" type=\"file\"/><input id=\"box\"/></body></html>"_s);
        const auto upload = document->findElementById(u"upload"_s);
        upload->chooseFile(u"/home/user/report.pdf"_s);
        QCOMPARE(upload->value(), u"C:\\fakepath\\report.pdf"_s);
        QVERIFY(upload->setValue(QString()));
        QCOMPARE(upload->value(), QString());
        const auto box = document->findElementById(u"box"_s);
        box->chooseFile(u"/tmp/x"_s);
        QCOMPARE(box->value(), QString());
    }
};

KESTREL_TEST(MemoryPageBuilderTest)
#include "MemoryPageBuilderTest.moc"
