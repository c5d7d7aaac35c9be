#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "formdata/FormDataEscapes.h"
#include "formdata/FormDataFile.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryElement.h"
#include "testkit/memorypage/MemoryPageBuilder.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The form data file format over the in-memory page: the escapes, the line each kind of control
// writes, and how a file fills a form.
class FormDataFileTest : public QObject
{
    Q_OBJECT

    static std::shared_ptr<MemoryDocument> page(const QString &markup)
    {
        return MemoryPageBuilder::build(markup, QUrl(u"http://memory.test/form.html"_s));
    }

    // The controls of the form of the element with the id, focusing it.
    static std::vector<PageFormControl> controlsOf(const std::shared_ptr<MemoryDocument> &document, const QString &id)
    {
        document->elementById(id)->focus();
        const auto form = document->focusedForm();
        return form ? form->controls : std::vector<PageFormControl>();
    }

    static QStringList linesOf(const std::vector<PageFormControl> &controls)
    {
        QStringList lines;
        for (const PageFormControl &control : controls) {
            if (const auto line = FormDataFile::lineOf(control))
                lines.append(*line);
        }
        return lines;
    }

    // Fills the form from the lines; the number of fields that count as filled.
    static int fill(const std::shared_ptr<MemoryDocument> &document, const QString &id, const QStringList &lines)
    {
        const FormDataFile file(lines);
        std::vector<PageControlWrite> writes;
        int counted = 0;
        for (const PageFormControl &control : controlsOf(document, id))
            counted += file.fill(control, writes) ? 1 : 0;
        document->writeControls(writes);
        return counted;
    }

private slots:
    void init() { failOnQtWarnings(); }

    void escapes_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("escaped");
        QTest::addColumn<QString>("textArea");
        QTest::addColumn<QString>("textAreaBack");
        QTest::newRow("nothing to escape") << u"Oslo"_s << u"Oslo"_s << u"Oslo"_s << u"Oslo"_s;
        QTest::newRow("equals signs") << u"a=b=c"_s << u"a%3Db%3Dc"_s << u"a%3Db%3Dc"_s << u"a=b=c"_s;
        QTest::newRow("percent stays") << u"100% = 1"_s << u"100% %3D 1"_s << u"100% %3D 1"_s << u"100% = 1"_s;
        QTest::newRow("line feeds") << u"a\nb"_s << u"ab"_s << u"a<KBBR>b"_s << u"a\r\nb"_s;
        QTest::newRow("CR LF and lone CR") << u"a\r\nb\rc"_s << u"abc"_s << u"a<KBBR>bc"_s << u"a\r\nbc"_s;
        QTest::newRow("line break then equals") << u"=\n="_s << u"%3D%3D"_s << u"%3D<KBBR>%3D"_s << u"=\r\n="_s;
        QTest::newRow("empty") << QString() << QString() << QString() << QString();
    }

    void escapes()
    {
        QFETCH(QString, plain);
        QFETCH(QString, escaped);
        QFETCH(QString, textArea);
        QFETCH(QString, textAreaBack);
        QCOMPARE(FormDataEscapes::escape(plain), escaped);
        QCOMPARE(FormDataEscapes::escapeTextArea(plain), textArea);
        QCOMPARE(FormDataEscapes::unescapeTextArea(textArea), textAreaBack);
        if (!plain.contains(u'\n') && !plain.contains(u'\r'))
            QCOMPARE(FormDataEscapes::unescape(escaped), plain);
    }

    void eachKindOfControlWritesItsLine()
    {
        const auto document = page(uR"(<html><body><form>
<input id="city" name="city" value="Oslo"/><textarea name="note">a=b
c</textarea><input type="checkbox" name="news" checked="checked"/><input type="checkbox" name="ads"/>
<select name="size"><option>S</option><option>M</option><option selected="selected">L</option></select>
<select name="many" multiple="multiple"><option>1</option></select>
<input type="password" name="pin" value="12=34"/><input type="radio" name="r" value="a"/>
<input type="radio" name="r" value="b=c" checked="checked"/><input type="radio" name="none" value="x"/>
<input type="file" name="upload"/><input type="hidden" name="token" value="t"/>
<input type="submit" name="go" value="Go"/><input type="reset" name="clear"/><button name="push">P</button>
<input name="a=b" value="named"/><input value="nameless"/><input type="email" name="mail" value="me@example.org"/>
</form></body></html>)"_s);
        QVERIFY(document);
        const QStringList expected = {u"city=Oslo"_s, u"note=a%3Db<KBBR>c"_s, u"news=true"_s, u"ads=false"_s,
                                      u"size=2"_s, u"many=-1"_s, u"pin=12%3D34"_s, u"r=b%3Dc"_s,
                                      u"upload="_s, u"a%3Db=named"_s, u"=nameless"_s,
                                      u"mail=me@example.org"_s};
        QCOMPARE(linesOf(controlsOf(document, u"city"_s)), expected);
    }

    void aFieldNameCannotAddLinesOfItsOwn()
    {
        const auto document = page(u"<html><body><form><input id='box' value='v'/>"
                                   u"<input id='radio' type='radio' name='r' checked='checked'/></form></body></html>"_s);
        QVERIFY(document);
        document->findElementById(u"box"_s)->setAttribute(u"name"_s, u"x\r\npin=1234\r\ny"_s);
        document->findElementById(u"radio"_s)->setAttribute(u"value"_s, u"one\npin=1234"_s);
        const QStringList lines = linesOf(controlsOf(document, u"box"_s));
        QCOMPARE(lines, (QStringList{u"xpin%3D1234y=v"_s, u"r=onepin%3D1234"_s}));
    }

    void aFileFillsEachKindOfControl()
    {
        const auto document = page(uR"(<html><body><form>
<input id="city" name="City"/><textarea id="note" name="NOTE"></textarea>
<input id="news" type="checkbox" name="news"/><input id="ads" type="checkbox" name="ads" checked="checked"/>
<select id="size" name="size"><option>S</option><option>M</option><option>L</option></select>
<select id="kept" name="kept"><option>1</option><option selected="selected">2</option></select>
<input id="r1" type="radio" name="r" value="a" checked="checked"/><input id="r2" type="radio" name="r" value="b=c"/>
<input id="upload" type="file" name="upload"/><input id="token" type="hidden" name="token" value="t"/>
<input id="twice1" name="twice"/><input id="twice2" name="TWICE"/><input id="untouched" name="untouched" value="u"/>
</form></body></html>)"_s);
        QVERIFY(document);
        const QStringList lines = {u"city=Oslo%3DNorway"_s, u"note=a%3Db<KBBR>c"_s, u"NEWS=TRUE"_s, u"ads=no"_s,
                                   u"size=2"_s, u"kept=two"_s, u"r=b%3Dc"_s, u"upload=/etc/passwd"_s,
                                   u"token=stolen"_s, u"twice=first"_s, u"twice=second"_s, u"stray=line"_s,
                                   u"no equals sign"_s};
        // city, note, news, ads, size, kept, two radios and two of "twice"; not the file input.
        QCOMPARE(fill(document, u"city"_s, lines), 10);
        const auto value = [&](const char *id) { return document->elementById(QString::fromUtf8(id))->value(); };
        QCOMPARE(value("city"), u"Oslo=Norway"_s);
        QCOMPARE(value("note"), u"a=b\nc"_s);
        QVERIFY(document->elementById(u"news"_s)->checked());
        QVERIFY(!document->elementById(u"ads"_s)->checked());
        QCOMPARE(document->elementById(u"size"_s)->selectedIndex(), 2);
        QCOMPARE(document->elementById(u"kept"_s)->selectedIndex(), 1);
        QVERIFY(!document->elementById(u"r1"_s)->checked());
        QVERIFY(document->elementById(u"r2"_s)->checked());
        QCOMPARE(value("upload"), QString());
        QCOMPARE(value("token"), u"t"_s);
        QCOMPARE(value("twice1"), u"first"_s);
        QCOMPARE(value("twice2"), u"first"_s);
        QCOMPARE(value("untouched"), u"u"_s);
    }
};

KESTREL_TEST(FormDataFileTest)
#include "FormDataFileTest.moc"
