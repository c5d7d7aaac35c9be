#include "testkit/PageDocumentContract.h"

#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageForm.h"
#include "browser/page/PageTextRange.h"
#include "browser/page/PageWindow.h"
#include "testkit/PageFixture.h"
#include "testkit/TestEnvironment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
// Pages are written so that an HTML parser reads them as an XML parser does: every element
// that is not void has an end tag.
const QString framedPage = uR"(<html><body>
<input id="top" value="top"/><div id="plain">not focusable</div><input id="off" disabled="disabled"/>
<iframe id="outer" src="outer.html"></iframe>
</body></html>)"_s;
const QString outerPage = uR"(<html><body><p>outer</p><input id="middle"/>
<iframe id="inner" src="inner.html"></iframe></body></html>)"_s;
const QString innerPage = uR"(<html><body><p>inner</p><input id="deep" value="deep text"/></body></html>)"_s;

std::shared_ptr<PageElement> byId(const std::shared_ptr<PageDocument> &document, const QString &id)
{
    return document ? document->elementById(id) : nullptr;
}

std::shared_ptr<PageDocument> frameDocument(const std::shared_ptr<PageDocument> &document, const QString &frameId)
{
    const auto frame = byId(document, frameId);
    const auto window = frame ? frame->contentWindow() : nullptr;
    return window ? window->document() : nullptr;
}

bool same(const std::shared_ptr<PageElement> &element, const std::shared_ptr<PageElement> &other)
{
    return element && other && element->isSameNode(*other);
}

QString tagOf(const std::shared_ptr<PageElement> &element)
{
    return element ? element->tagName() : u"(none)"_s;
}

QClipboard *clipboard()
{
    return QGuiApplication::clipboard();
}
}

PageDocumentContract::PageDocumentContract(std::unique_ptr<PageFixture> fixture) : m_fixture(std::move(fixture))
{
}

PageDocumentContract::~PageDocumentContract() = default;

void PageDocumentContract::init()
{
    failOnQtWarnings();
}

void PageDocumentContract::focusMovesThroughFramesAndNestedFrames()
{
    const auto top = m_fixture->load(framedPage, {{u"outer.html"_s, outerPage}, {u"inner.html"_s, innerPage}});
    QVERIFY(top);
    const auto outer = frameDocument(top, u"outer"_s);
    const auto inner = frameDocument(outer, u"inner"_s);
    QVERIFY(outer && inner);
    QCOMPARE(tagOf(top->activeElement()), u"BODY"_s);

    // The focus deep inside shows in each document above as the frame element that leads to it.
    const auto deep = byId(inner, u"deep"_s);
    QVERIFY(deep->focus());
    QVERIFY(same(top->activeElement(), byId(top, u"outer"_s)));
    QVERIFY(same(outer->activeElement(), byId(outer, u"inner"_s)));
    QVERIFY(same(inner->activeElement(), deep));
    const auto reached = top->activeElement()->contentWindow()->document()->activeElement();
    QVERIFY(same(reached->contentWindow()->document()->activeElement(), deep));

    // Focus back in the top document leaves the frames with nothing focused.
    QVERIFY(byId(top, u"top"_s)->focus());
    QVERIFY(same(top->activeElement(), byId(top, u"top"_s)));
    QCOMPARE(tagOf(outer->activeElement()), u"BODY"_s);
    QCOMPARE(tagOf(inner->activeElement()), u"BODY"_s);

    // Focusing a frame's window moves the focus into the frame; the top window takes it back.
    QVERIFY(byId(top, u"outer"_s)->contentWindow()->focus());
    QVERIFY(same(top->activeElement(), byId(top, u"outer"_s)));
    QCOMPARE(tagOf(outer->activeElement()), u"BODY"_s);
    QVERIFY(top->parentWindow()->focus());
    QCOMPARE(tagOf(top->activeElement()), u"BODY"_s);

    // The frame element itself takes the focus too.
    QVERIFY(byId(top, u"outer"_s)->focus());
    QCOMPARE(tagOf(top->activeElement()), u"IFRAME"_s);
    QCOMPARE(tagOf(outer->activeElement()), u"BODY"_s);

    // Elements that cannot take the focus refuse it and change nothing.
    QVERIFY(!byId(top, u"plain"_s)->focus());
    QVERIFY(!byId(top, u"off"_s)->focus());
    QCOMPARE(tagOf(top->activeElement()), u"IFRAME"_s);
}

void PageDocumentContract::framesetPagesReportTheFocusedFrame()
{
    const auto top = m_fixture->load(
        uR"(<html><head><title>Frames</title></head><frameset cols="50%,50%">
<frame id="left" name="left" src="left.html"/><frame id="right" name="right" src="right.html"/>
</frameset></html>)"_s,
        {{u"left.html"_s, uR"(<html><body><input id="field"/></body></html>)"_s},
         {u"right.html"_s, uR"(<html><body><p>right</p></body></html>)"_s}});
    QVERIFY(top);
    QCOMPARE(tagOf(top->activeElement()), u"FRAMESET"_s);
    const auto left = frameDocument(top, u"left"_s);
    QVERIFY(left && frameDocument(top, u"right"_s));

    QVERIFY(byId(left, u"field"_s)->focus());
    const auto frame = top->activeElement();
    QCOMPARE(tagOf(frame), u"FRAME"_s);
    QCOMPARE(frame->name(), u"left"_s);
    QVERIFY(same(frame->contentWindow()->document()->activeElement(), byId(left, u"field"_s)));

    // A frameset has no text and no colours of its own.
    QCOMPARE(top->bodyInnerText(), QString());
    QCOMPARE(top->bgColor(), QString());
    QVERIFY(!top->setBgColor(u"red"_s));
    QCOMPARE(top->bgColor(), QString());
}

void PageDocumentContract::inputsReportTheirEffectiveType()
{
    const auto document = m_fixture->load(uR"(<html><body><form>
<input id="text" type="text"/><input id="password" type="password"/><input id="submit" type="submit"/>
<input id="reset" type="reset"/><input id="image" type="image"/><input id="button" type="button"/>
<input id="file" type="file"/><input id="checkbox" type="checkbox"/><input id="radio" type="radio"/>
<input id="hidden" type="hidden"/><input id="none"/><input id="unknown" type="fancy"/>
<input id="upper" type="CheckBox"/>
<textarea id="area" vcard_name="vCard.Notes"></textarea><select id="list"><option>1</option></select>
<button id="push" type="button">Push</button>
</form></body></html>)"_s);
    QVERIFY(document);
    const QList<std::pair<QString, QString>> types = {
        {u"text"_s, u"text"_s}, {u"password"_s, u"password"_s}, {u"submit"_s, u"submit"_s},
        {u"reset"_s, u"reset"_s}, {u"image"_s, u"image"_s}, {u"button"_s, u"button"_s},
        {u"file"_s, u"file"_s}, {u"checkbox"_s, u"checkbox"_s}, {u"radio"_s, u"radio"_s},
        {u"hidden"_s, u"hidden"_s}, {u"none"_s, u"text"_s}, {u"unknown"_s, u"text"_s},
        {u"upper"_s, u"checkbox"_s}};
    for (const auto &[id, type] : types) {
        const auto input = byId(document, id);
        QVERIFY2(input, qPrintable(id));
        QCOMPARE(input->tagName(), u"INPUT"_s);
        QCOMPARE(input->getAttribute(u"type"_s), type);
        QCOMPARE(input->getAttribute(u"TYPE"_s), type);
    }
    QVERIFY(byId(document, u"text"_s)->isTextField());
    QVERIFY(byId(document, u"password"_s)->isTextField());
    QVERIFY(!byId(document, u"checkbox"_s)->isTextField());

    // Other elements give their attributes as written, names compared without regard to case.
    const auto area = byId(document, u"area"_s);
    QCOMPARE(area->tagName(), u"TEXTAREA"_s);
    QVERIFY(area->isTextField());
    QCOMPARE(area->getAttribute(u"VCARD_NAME"_s), u"vCard.Notes"_s);
    QCOMPARE(area->getAttribute(u"type"_s), QString());
    QCOMPARE(area->getAttribute(u"no-such-attribute"_s), QString());
    QCOMPARE(byId(document, u"list"_s)->tagName(), u"SELECT"_s);
    QCOMPARE(byId(document, u"push"_s)->tagName(), u"BUTTON"_s);
    QCOMPARE(byId(document, u"push"_s)->getAttribute(u"Type"_s), u"button"_s);
    QVERIFY(!byId(document, u"no-such-id"_s));
}

void PageDocumentContract::textBoxesAndPasswordBoxesTakeSingleLineValues()
{
    const auto document = m_fixture->load(uR"(<html><body><form>
<input id="box" name="city" value="Oslo"/><input id="secret" type="password" name="pw" value="hidden"/>
</form></body></html>)"_s);
    QVERIFY(document);
    for (const QString &id : {u"box"_s, u"secret"_s}) {
        const auto field = byId(document, id);
        QVERIFY(field->setValue(u"new text"_s));
        QCOMPARE(field->value(), u"new text"_s);
        // A new value puts the caret at its end.
        QCOMPARE(field->selectionStart(), 8);
        QCOMPARE(field->selectionEnd(), 8);
        // Line breaks cannot be part of a single-line value.
        QVERIFY(field->setValue(u"one\r\ntwo\nthree"_s));
        QCOMPARE(field->value(), u"onetwothree"_s);
        // Setting the same value again leaves the selection alone.
        QVERIFY(field->setSelectionRange(1, 3));
        QVERIFY(field->setValue(u"onetwothree"_s));
        QCOMPARE(field->selectionStart(), 1);
        QCOMPARE(field->selectionEnd(), 3);
    }
    const auto box = byId(m_fixture->load(uR"(<html><body><input id="box" name="city" value="Oslo"/></body></html>)"_s),
                          u"box"_s);
    QCOMPARE(box->value(), u"Oslo"_s);
    QCOMPARE(box->name(), u"city"_s);
}

void PageDocumentContract::textAreasKeepLinesWithLineFeeds()
{
    const auto document = m_fixture->load(uR"(<html><body><textarea id="area" name="note">
first line
second line</textarea></body></html>)"_s);
    QVERIFY(document);
    const auto area = byId(document, u"area"_s);
    // The line break right after the start tag belongs to the markup, not to the text.
    QCOMPARE(area->value(), u"first line\nsecond line"_s);
    QCOMPARE(area->name(), u"note"_s);
    QVERIFY(area->setValue(u"one\r\ntwo\rthree\n"_s));
    QCOMPARE(area->value(), u"one\ntwo\nthree\n"_s);
    QCOMPARE(area->selectionStart(), 14);
    QCOMPARE(area->selectionEnd(), 14);
    QVERIFY(area->setValue(QString()));
    QCOMPARE(area->value(), QString());
}

void PageDocumentContract::selectsChooseByIndexAndByValue()
{
    const auto document = m_fixture->load(uR"(<html><body><form>
<select id="size" name="size"><option>Small</option><option value="m" selected="selected">Medium</option>
<option>  Large   size </option></select>
<select id="first"><option>A</option><option>B</option></select>
<select id="many" multiple="multiple"><option>x</option><option>y</option></select>
</form></body></html>)"_s);
    QVERIFY(document);
    const auto size = byId(document, u"size"_s);
    QCOMPARE(size->selectedIndex(), 1);
    QCOMPARE(size->value(), u"m"_s);
    QCOMPARE(size->name(), u"size"_s);
    QVERIFY(size->setSelectedIndex(2));
    QCOMPARE(size->selectedIndex(), 2);
    // An option without a value attribute has its text, white space collapsed.
    QCOMPARE(size->value(), u"Large size"_s);
    QVERIFY(size->setValue(u"Small"_s));
    QCOMPARE(size->selectedIndex(), 0);
    // An index outside the options leaves nothing selected.
    QVERIFY(size->setSelectedIndex(7));
    QCOMPARE(size->selectedIndex(), -1);
    QCOMPARE(size->value(), QString());
    QVERIFY(size->setValue(u"m"_s));
    QCOMPARE(size->selectedIndex(), 1);

    // A drop-down shows its first option when none is marked; a list box shows none.
    QCOMPARE(byId(document, u"first"_s)->selectedIndex(), 0);
    QCOMPARE(byId(document, u"many"_s)->selectedIndex(), -1);
}

void PageDocumentContract::checkBoxesAndRadioGroups()
{
    const auto document = m_fixture->load(uR"(<html><body>
<form id="one"><input id="box" type="checkbox" name="news" checked="checked"/>
<input id="a" type="radio" name="choice" value="a" checked="checked"/><input id="b" type="radio" name="choice" value="b"/>
<input id="other" type="radio" name="other" value="o" checked="checked"/></form>
<form id="two"><input id="c" type="radio" name="choice" value="c" checked="checked"/></form>
</body></html>)"_s);
    QVERIFY(document);
    const auto box = byId(document, u"box"_s);
    const auto a = byId(document, u"a"_s);
    const auto b = byId(document, u"b"_s);
    const auto c = byId(document, u"c"_s);
    QVERIFY(box->checked());
    QVERIFY(box->setChecked(false));
    QVERIFY(!box->checked());
    QCOMPARE(box->value(), u"on"_s);
    QCOMPARE(a->value(), u"a"_s);

    // Checking a radio button clears the others of its group: same name, same form.
    QVERIFY(a->checked() && !b->checked() && c->checked());
    QVERIFY(b->setChecked(true));
    QVERIFY(!a->checked());
    QVERIFY(b->checked());
    QVERIFY(c->checked());
    QVERIFY(byId(document, u"other"_s)->checked());
    // Unchecking leaves the group with nothing checked.
    QVERIFY(b->setChecked(false));
    QVERIFY(!a->checked() && !b->checked());
}

void PageDocumentContract::fileInputsOnlyAcceptAnEmptyValue()
{
    const auto document = m_fixture->load(
        uR"(<html><body><form><input id="upload" type="file" name="upload"/></form></body></html>)"_s);
    QVERIFY(document);
    const auto upload = byId(document, u"upload"_s);
    QCOMPARE(upload->value(), QString());
    QCOMPARE(upload->name(), u"upload"_s);
    // A page must never choose a file for the user.
    QVERIFY(!upload->setValue(u"/etc/passwd"_s));
    QCOMPARE(upload->value(), QString());
    QVERIFY(upload->setValue(QString()));
    QCOMPARE(upload->value(), QString());
}

void PageDocumentContract::formsListTheirControlsInDocumentOrder()
{
    const auto document = m_fixture->load(uR"(<html><body>
<form id="order"><input id="a" name="a"/><fieldset id="b"><input id="c" type="radio" name="c"/></fieldset>
<input id="picture" type="image" name="picture"/><p><textarea id="d" name="d"></textarea></p>
<select id="e" name="e"><option>1</option></select><button id="f" name="f">Go</button></form>
<form id="other"><input id="g" name="g"/></form>
<input id="outside" name="outside"/><input id="late" name="late" form="order"/>
</body></html>)"_s);
    QVERIFY(document);
    const auto form = byId(document, u"a"_s)->form();
    QVERIFY(form);
    // Image buttons belong to the form but are not among its items.
    const QStringList expected = {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"late"_s};
    QCOMPARE(form->length(), static_cast<int>(expected.size()));
    for (int i = 0; i < form->length(); ++i)
        QVERIFY2(same(form->item(i), byId(document, expected[i])), qPrintable(expected[i]));
    QVERIFY(!form->item(form->length()));
    QVERIFY(!form->item(-1));

    for (const QString &id : {u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"picture"_s, u"late"_s}) {
        const auto owner = byId(document, id)->form();
        QVERIFY2(owner && owner->isSameForm(*form), qPrintable(id));
    }
    const auto other = byId(document, u"g"_s)->form();
    QVERIFY(other && !other->isSameForm(*form));
    QCOMPARE(other->length(), 1);
    QVERIFY(!byId(document, u"outside"_s)->form());
}

namespace {
const QString wholeForm = uR"(<html><body>
<form id="order"><input id="first" name="first" value="one" vcard_name="vCard.FirstName"/>
<input id="secret" type="password" name="pw" value="hidden word"/><textarea id="note" name="note">a=b
c</textarea><select id="size" name="size"><option>S</option><option selected="selected">M</option></select>
<input id="news" type="checkbox" name="news" checked="checked"/><input id="r1" type="radio" name="r" value="x"/>
<input id="r2" type="radio" name="r" value="y" checked="checked"/><input id="mail" type="email" name="mail"/>
<input id="upload" type="file" name="upload"/><input id="kept" type="hidden" name="kept" value="h"/>
<button id="go" name="go" value="went">Go</button></form>
<form id="other"><input id="g" name="g"/></form><input id="outside" name="outside"/>
</body></html>)"_s;
}

void PageDocumentContract::formsAreReadWholeWithTheFocusedElement()
{
    const auto document = m_fixture->load(wholeForm);
    QVERIFY(document);
    auto form = document->focusedForm();
    QVERIFY(form);
    QCOMPARE(form->focused.tagName, u"BODY"_s);
    QVERIFY(!form->inForm);
    QVERIFY(form->controls.empty());

    QVERIFY(byId(document, u"secret"_s)->focus());
    form = document->focusedForm();
    QVERIFY(form && form->inForm);
    QVERIFY(same(form->focused.element, byId(document, u"secret"_s)));
    QCOMPARE(form->focused.type, u"PASSWORD"_s);
    struct Row
    {
        QString id, tag, type, name, value, vcard;
        bool checked;
        int selected;
    };
    const QList<Row> rows = {
        {u"first"_s, u"INPUT"_s, u"TEXT"_s, u"first"_s, u"one"_s, u"vCard.FirstName"_s, false, -1},
        {u"secret"_s, u"INPUT"_s, u"PASSWORD"_s, u"pw"_s, u"hidden word"_s, QString(), false, -1},
        {u"note"_s, u"TEXTAREA"_s, QString(), u"note"_s, u"a=b\nc"_s, QString(), false, -1},
        {u"size"_s, u"SELECT"_s, QString(), u"size"_s, u"M"_s, QString(), false, 1},
        {u"news"_s, u"INPUT"_s, u"CHECKBOX"_s, u"news"_s, u"on"_s, QString(), true, -1},
        {u"r1"_s, u"INPUT"_s, u"RADIO"_s, u"r"_s, u"x"_s, QString(), false, -1},
        {u"r2"_s, u"INPUT"_s, u"RADIO"_s, u"r"_s, u"y"_s, QString(), true, -1},
        {u"mail"_s, u"INPUT"_s, u"EMAIL"_s, u"mail"_s, QString(), QString(), false, -1},
        {u"upload"_s, u"INPUT"_s, u"FILE"_s, u"upload"_s, QString(), QString(), false, -1},
        {u"kept"_s, u"INPUT"_s, u"HIDDEN"_s, u"kept"_s, u"h"_s, QString(), false, -1},
        {u"go"_s, u"BUTTON"_s, QString(), u"go"_s, u"went"_s, QString(), false, -1},
    };
    QCOMPARE(form->controls.size(), static_cast<std::size_t>(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Row &row = rows.at(i);
        const PageFormControl &control = form->controls.at(static_cast<std::size_t>(i));
        const QByteArray where = row.id.toUtf8();
        QVERIFY2(same(control.element, byId(document, row.id)), where.constData());
        QCOMPARE(control.tagName, row.tag);
        QCOMPARE(control.type, row.type);
        QCOMPARE(control.name, row.name);
        QCOMPARE(control.value, row.value);
        QCOMPARE(control.vcardName, row.vcard);
        QCOMPARE(control.checked, row.checked);
        QCOMPARE(control.selectedIndex, row.selected);
    }

    // A field outside any form, and a form of its own.
    QVERIFY(byId(document, u"outside"_s)->focus());
    form = document->focusedForm();
    QVERIFY(form && !form->inForm && form->controls.empty());
    QCOMPARE(form->focused.name, u"outside"_s);
    QVERIFY(byId(document, u"g"_s)->focus());
    form = document->focusedForm();
    QVERIFY(form && form->inForm);
    QCOMPARE(form->controls.size(), std::size_t(1));
}

void PageDocumentContract::formWritesChangeManyControlsInOneStep()
{
    const auto document = m_fixture->load(QString(wholeForm).replace(u"</body>"_s, u"<iframe id=\"frame\" src=\"frame.html\"></iframe></body>"_s),
                                          {{u"frame.html"_s, uR"(<html><body><form><input id="first" value="one"/></form></body></html>)"_s}});
    QVERIFY(document);
    const auto other = frameDocument(document, u"frame"_s);
    QVERIFY(other);
    const auto element = [&](const QString &id) { return byId(document, id); };
    const std::vector<PageControlWrite> writes = {
        PageControlWrite::setValue(element(u"first"_s), u"two"_s),
        PageControlWrite::setValue(element(u"note"_s), u"x=y\r\nz"_s),
        PageControlWrite::setSelectedIndex(element(u"size"_s), 0),
        PageControlWrite::setChecked(element(u"news"_s), false),
        PageControlWrite::setChecked(element(u"r1"_s), true),
        // Refused: a file path, a check mark on a text box, an element of another document.
        PageControlWrite::setValue(element(u"upload"_s), u"/etc/passwd"_s),
        PageControlWrite::setChecked(element(u"secret"_s), true),
        PageControlWrite::setValue(byId(other, u"first"_s), u"elsewhere"_s),
    };
    QCOMPARE(document->writeControls(writes), 5);
    QCOMPARE(element(u"first"_s)->value(), u"two"_s);
    QCOMPARE(element(u"note"_s)->value(), u"x=y\nz"_s);
    QCOMPARE(element(u"size"_s)->selectedIndex(), 0);
    QVERIFY(!element(u"news"_s)->checked());
    QVERIFY(element(u"r1"_s)->checked());
    QVERIFY(!element(u"r2"_s)->checked());
    QCOMPARE(element(u"upload"_s)->value(), QString());
    QCOMPARE(byId(other, u"first"_s)->value(), u"one"_s);
    QCOMPARE(document->writeControls({}), 0);
}

void PageDocumentContract::formControlsTellWhetherTheUserCanSeeThem()
{
    const auto document = m_fixture->load(uR"(<html><body><form>
<input id="shown" name="shown"/><input id="tick" type="checkbox"/><textarea id="area"></textarea>
<input id="gone" style="display:none"/><div style="display: none"><input id="insideGone"/></div>
<input id="invisible" style="visibility:hidden"/><div style="visibility:hidden"><input id="insideInvisible"/></div>
<input id="faded" style="opacity:0"/><div style="opacity:0.05"><input id="insideFaded"/></div>
<input id="tiny" style="width:0px;height:0px;border:0px;padding:0px"/>
<input id="away" style="position:absolute;left:-9999px"/><input id="above" style="position:absolute;top:-5000px"/>
<div style="height:0px;overflow:hidden"><input id="clipped"/></div>
<input id="kind" type="hidden"/><div hidden="hidden"><input id="insideHidden"/></div>
</form></body></html>)"_s);
    QVERIFY(document);
    QVERIFY(byId(document, u"shown"_s)->focus());
    const auto form = document->focusedForm();
    QVERIFY(form && form->inForm);
    const QStringList visible = {u"shown"_s, u"tick"_s, u"area"_s};
    QCOMPARE(form->controls.size(), std::size_t(15));
    for (const PageFormControl &control : form->controls) {
        QString id;
        for (const QString &candidate :
             {u"shown"_s, u"tick"_s, u"area"_s, u"gone"_s, u"insideGone"_s, u"invisible"_s, u"insideInvisible"_s,
              u"faded"_s, u"insideFaded"_s, u"tiny"_s, u"away"_s, u"above"_s, u"clipped"_s, u"kind"_s,
              u"insideHidden"_s}) {
            if (same(control.element, byId(document, candidate)))
                id = candidate;
        }
        QVERIFY2(!id.isEmpty(), "every control is found");
        QVERIFY2(control.visible == visible.contains(id), qPrintable(id));
    }
    QVERIFY(form->focused.visible);
}

void PageDocumentContract::elementsOfTheWrongKindFailSoftly()
{
    const auto document = m_fixture->load(uR"(<html><body><form>
<div id="block">text</div><input id="box" value="text"/><input id="tick" type="checkbox"/>
<select id="list"><option>1</option></select></form></body></html>)"_s);
    QVERIFY(document);
    const auto block = byId(document, u"block"_s);
    QCOMPARE(block->value(), QString());
    QVERIFY(!block->setValue(u"x"_s));
    QCOMPARE(block->name(), QString());
    QVERIFY(!block->form());
    QCOMPARE(block->selectionStart(), -1);
    QCOMPARE(block->selectionEnd(), -1);
    QVERIFY(!block->setSelectionRange(0, 1));
    QVERIFY(!block->replaceRange(0, 1, u"x"_s));
    QCOMPARE(block->selectedIndex(), -1);
    QVERIFY(!block->setSelectedIndex(0));
    QVERIFY(!block->checked());
    QVERIFY(!block->setChecked(true));
    QVERIFY(!block->contentWindow());
    QVERIFY(!block->createTextRange());

    const auto tick = byId(document, u"tick"_s);
    QVERIFY(!tick->setSelectionRange(0, 1));
    QCOMPARE(tick->selectionStart(), -1);
    QVERIFY(!tick->createTextRange());
    const auto box = byId(document, u"box"_s);
    QVERIFY(!box->setChecked(true));
    QVERIFY(!box->setSelectedIndex(0));
    QVERIFY(!box->contentWindow());
    QCOMPARE(box->selectedIndex(), -1);
    QVERIFY(!byId(document, u"list"_s)->setChecked(true));
    QCOMPARE(box->value(), u"text"_s);
}

void PageDocumentContract::selectionAndCaretInATextBox()
{
    const auto document = m_fixture->load(
        uR"(<html><body><input id="box" value="abcdef"/><input id="next" value="next"/></body></html>)"_s);
    QVERIFY(document);
    const auto box = byId(document, u"box"_s);
    QCOMPARE(box->selectionStart(), 0);
    QCOMPARE(box->selectionEnd(), 0);
    QVERIFY(box->setSelectionRange(1, 4));
    QCOMPARE(box->selectionStart(), 1);
    QCOMPARE(box->selectionEnd(), 4);
    // An end before the start collapses the selection at the end; offsets stay inside the value.
    QVERIFY(box->setSelectionRange(4, 1));
    QCOMPARE(box->selectionStart(), 1);
    QCOMPARE(box->selectionEnd(), 1);
    QVERIFY(box->setSelectionRange(-3, 100));
    QCOMPARE(box->selectionStart(), 0);
    QCOMPARE(box->selectionEnd(), 6);

    // Replacing leaves the caret after the new text.
    QVERIFY(box->replaceRange(1, 3, u"XY"_s));
    QCOMPARE(box->value(), u"aXYdef"_s);
    QCOMPARE(box->selectionStart(), 3);
    QCOMPARE(box->selectionEnd(), 3);
    QVERIFY(box->replaceRange(2, 2, u"--"_s));
    QCOMPARE(box->value(), u"aX--Ydef"_s);
    QCOMPARE(box->selectionEnd(), 4);
    QVERIFY(box->replaceRange(8, 8, u"!"_s));
    QCOMPARE(box->value(), u"aX--Ydef!"_s);
    QVERIFY(!box->replaceRange(4, 2, u"?"_s));
    QCOMPARE(box->value(), u"aX--Ydef!"_s);

    // A field keeps its selection while another has the focus.
    QVERIFY(box->focus());
    QVERIFY(box->setSelectionRange(2, 5));
    QVERIFY(byId(document, u"next"_s)->focus());
    QVERIFY(box->focus());
    QCOMPARE(box->selectionStart(), 2);
    QCOMPARE(box->selectionEnd(), 5);
}

void PageDocumentContract::selectionAndCaretInATextArea()
{
    const auto document = m_fixture->load(uR"(<html><body><textarea id="area">one
two
three</textarea></body></html>)"_s);
    QVERIFY(document);
    const auto area = byId(document, u"area"_s);
    // Every line break counts as one character.
    QVERIFY(area->setSelectionRange(4, 7));
    QCOMPARE(area->value().mid(area->selectionStart(), area->selectionEnd() - area->selectionStart()), u"two"_s);
    QVERIFY(area->replaceRange(3, 4, u"\r\n"_s));
    QCOMPARE(area->value(), u"one\ntwo\nthree"_s);
    QCOMPARE(area->selectionStart(), 4);
    QVERIFY(area->replaceRange(13, 13, u"\nfour"_s));
    QCOMPARE(area->value(), u"one\ntwo\nthree\nfour"_s);
    QCOMPARE(area->selectionEnd(), 18);
}

void PageDocumentContract::textRangesMoveCollapseAndReplace()
{
    const auto document = m_fixture->load(uR"(<html><body><input id="box" value="hello world"/></body></html>)"_s);
    QVERIFY(document);
    const auto box = byId(document, u"box"_s);
    const auto range = box->createTextRange();
    QVERIFY(range);
    QCOMPARE(range->text(), u"hello world"_s);

    const auto word = range->duplicate();
    word->collapse(true);
    QCOMPARE(word->move(u"character"_s, 6), 6);
    QCOMPARE(word->moveEnd(u"Character"_s, 5), 5);
    QCOMPARE(word->text(), u"world"_s);
    QCOMPARE(range->text(), u"hello world"_s);
    // Moves stop at the ends of the value and tell how far they went.
    QCOMPARE(word->moveEnd(u"character"_s, 10), 0);
    QCOMPARE(word->move(u"character"_s, -20), -6);
    QCOMPARE(word->text(), QString());
    QCOMPARE(word->move(u"word"_s, 1), 0);

    // Selecting a range places the field's selection, and with it the caret.
    QCOMPARE(word->moveStart(u"character"_s, 3), 3);
    QCOMPARE(word->moveEnd(u"character"_s, 2), 2);
    QCOMPARE(word->text(), u"lo"_s);
    QVERIFY(word->select());
    QCOMPARE(box->selectionStart(), 3);
    QCOMPARE(box->selectionEnd(), 5);
    word->collapse(false);
    QVERIFY(word->select());
    QCOMPARE(box->selectionStart(), 5);
    QCOMPARE(box->selectionEnd(), 5);

    // New text replaces the range, which then stands after it.
    QCOMPARE(word->moveStart(u"character"_s, -2), -2);
    QVERIFY(word->setText(u"LO!"_s));
    QCOMPARE(box->value(), u"helLO! world"_s);
    QCOMPARE(word->text(), QString());
    QCOMPARE(word->moveEnd(u"character"_s, 6), 6);
    QCOMPARE(word->text(), u" world"_s);
    const auto whole = box->createTextRange();
    QVERIFY(whole->setText(u"replaced"_s));
    QCOMPARE(box->value(), u"replaced"_s);
    QVERIFY(whole->scrollIntoView());
}

void PageDocumentContract::textRangesFindWordsOnLaterLinesOfATextArea()
{
    const auto document = m_fixture->load(uR"(<html><body><textarea id="area">first line
second line
third</textarea></body></html>)"_s);
    QVERIFY(document);
    const auto area = byId(document, u"area"_s);
    const auto range = area->createTextRange();
    QVERIFY(range);
    QCOMPARE(range->text(), u"first line\nsecond line\nthird"_s);
    range->collapse(true);
    QCOMPARE(range->move(u"character"_s, 11), 11);
    QCOMPARE(range->moveEnd(u"character"_s, 6), 6);
    QCOMPARE(range->text(), u"second"_s);
    QVERIFY(range->setText(u"2nd"_s));
    QCOMPARE(area->value(), u"first line\n2nd line\nthird"_s);
    QVERIFY(range->select());
    QCOMPARE(area->selectionStart(), 14);
    QCOMPARE(area->selectionEnd(), 14);
}

void PageDocumentContract::textRangesMarkFieldTextAndANewValueTakesTheMarksOff()
{
    const auto document = m_fixture->load(uR"(<html><body><textarea id="area">one two
three four</textarea><input id="box" value="alpha beta"/><div id="plain">text</div></body></html>)"_s);
    QVERIFY(document);
    const auto area = byId(document, u"area"_s);
    QVERIFY(area->focus());
    QVERIFY(area->setSelectionRange(2, 2));
    const auto word = area->createTextRange();
    QVERIFY(word->queryCommandEnabled(u"BackColor"_s));
    QVERIFY(word->queryCommandEnabled(u"removeformat"_s));
    QVERIFY(!word->queryCommandEnabled(u"Bold"_s));
    word->collapse(true);
    word->move(u"character"_s, 4);
    word->moveEnd(u"character"_s, 3);
    QVERIFY(word->execCommand(u"BackColor"_s, u"yellow"_s));
    const auto later = area->createTextRange();
    later->collapse(true);
    later->move(u"character"_s, 8);
    later->moveEnd(u"character"_s, 5);
    QVERIFY(later->execCommand(u"BackColor"_s, u"LightGreen"_s));
    QCOMPARE(area->textMarks(), QList<TextMark>({{4, 7, u"yellow"_s}, {8, 13, u"lightgreen"_s}}));
    // Marks change neither the text nor the selection.
    QCOMPARE(area->value(), u"one two\nthree four"_s);
    QCOMPARE(area->selectionStart(), 2);
    QVERIFY(word->scrollIntoView());

    // A later mark covers an earlier one; touching marks of one colour are one; marks are cut
    // to the value; a colour that is no colour changes nothing.
    QVERIFY(area->setTextMarks({{0, 5, u"yellow"_s}, {3, 9, u"#00ff00"_s}, {9, 12, u"#00FF00"_s}, {16, 40, u"red"_s}}));
    QCOMPARE(area->textMarks(), QList<TextMark>({{0, 3, u"yellow"_s}, {3, 12, u"#00ff00"_s}, {16, 18, u"red"_s}}));
    QVERIFY(!area->setTextMarks({{0, 2, u"red; color: blue"_s}}));
    QCOMPARE(area->textMarks().size(), 3);

    // RemoveFormat takes off what lies in its range only.
    const auto middle = area->createTextRange();
    middle->collapse(true);
    middle->move(u"character"_s, 2);
    middle->moveEnd(u"character"_s, 8);
    QVERIFY(middle->execCommand(u"RemoveFormat"_s));
    QCOMPARE(area->textMarks(), QList<TextMark>({{0, 2, u"yellow"_s}, {10, 12, u"#00ff00"_s}, {16, 18, u"red"_s}}));
    QVERIFY(area->createTextRange()->execCommand(u"RemoveFormat"_s));
    QVERIFY(area->textMarks().isEmpty());

    // A new value, set or typed over a range, takes every mark off.
    QVERIFY(area->setTextMarks({{0, 3, u"yellow"_s}}));
    QVERIFY(area->setValue(u"one two\nthree four"_s));
    QVERIFY(area->textMarks().isEmpty());
    const auto box = byId(document, u"box"_s);
    QVERIFY(box->setTextMarks({{6, 10, u"yellow"_s}}));
    QCOMPARE(box->textMarks(), QList<TextMark>({{6, 10, u"yellow"_s}}));
    QVERIFY(box->replaceRange(0, 5, u"gamma"_s));
    QVERIFY(box->textMarks().isEmpty());

    // Elements without text take no marks.
    const auto plain = byId(document, u"plain"_s);
    QVERIFY(!plain->setTextMarks({{0, 2, u"yellow"_s}}));
    QVERIFY(plain->textMarks().isEmpty());
}

void PageDocumentContract::selectAllSelectsTheFocusedFieldOrTheDocument()
{
    const auto top = m_fixture->load(uR"(<html><body><p>Body text</p>
<input id="box" value="select me"/><input id="empty"/><iframe id="frame" src="frame.html"></iframe>
</body></html>)"_s,
                                     {{u"frame.html"_s, uR"(<html><body><input id="inner" value="inner text"/></body></html>)"_s}});
    QVERIFY(top);
    const auto box = byId(top, u"box"_s);
    QVERIFY(box->focus());
    QVERIFY(top->queryCommandEnabled(u"SelectAll"_s));
    QVERIFY(!top->queryCommandEnabled(u"COPY"_s));
    QVERIFY(top->execCommand(u"SELECTALL"_s, false, QString()));
    QCOMPARE(box->selectionStart(), 0);
    QCOMPARE(box->selectionEnd(), 9);
    QVERIFY(top->queryCommandEnabled(u"COPY"_s));

    // An empty field offers nothing to select.
    QVERIFY(byId(top, u"empty"_s)->focus());
    QVERIFY(!top->queryCommandEnabled(u"SelectAll"_s));
    QVERIFY(!top->execCommand(u"SelectAll"_s, false, QString()));

    // In a frame it selects inside the frame only.
    const auto frame = frameDocument(top, u"frame"_s);
    const auto inner = byId(frame, u"inner"_s);
    QVERIFY(inner->focus());
    QVERIFY(frame->execCommand(u"selectall"_s, false, QString()));
    QCOMPARE(inner->selectionStart(), 0);
    QCOMPARE(inner->selectionEnd(), 10);
    QCOMPARE(box->selectionStart(), 0);
    QCOMPARE(box->selectionEnd(), 9);

    // With nothing focused it selects the document, which can be copied but not changed.
    const auto plain = m_fixture->load(uR"(<html><body><p>Only text</p></body></html>)"_s);
    QVERIFY(plain);
    QVERIFY(!plain->queryCommandEnabled(u"COPY"_s));
    QVERIFY(plain->queryCommandEnabled(u"SelectAll"_s));
    QVERIFY(plain->execCommand(u"SelectAll"_s, false, QString()));
    QVERIFY(plain->queryCommandEnabled(u"COPY"_s));
    QVERIFY(!plain->queryCommandEnabled(u"CUT"_s));
    QVERIFY(!plain->queryCommandEnabled(u"PASTE"_s));
}

void PageDocumentContract::clipboardCommandsRoundTripInATextBox()
{
    const auto document = m_fixture->load(uR"(<html><body><input id="box" value="alpha beta"/>
<textarea id="area">area</textarea></body></html>)"_s);
    QVERIFY(document);
    clipboard()->setText(u"seed"_s);
    const auto box = byId(document, u"box"_s);
    QVERIFY(box->focus());
    // A caret can take a paste; only a selected range can be cut or copied.
    QVERIFY(document->queryCommandEnabled(u"PASTE"_s));
    QVERIFY(!document->queryCommandEnabled(u"CUT"_s));
    QVERIFY(!document->queryCommandEnabled(u"COPY"_s));
    QVERIFY(box->setSelectionRange(0, 5));
    QVERIFY(document->queryCommandEnabled(u"CUT"_s));
    QVERIFY(document->queryCommandEnabled(u"COPY"_s));

    QVERIFY(document->execCommand(u"COPY"_s, false, QString()));
    QTRY_COMPARE(clipboard()->text(), u"alpha"_s);
    QCOMPARE(box->value(), u"alpha beta"_s);

    QVERIFY(box->setSelectionRange(5, 10));
    QVERIFY(document->execCommand(u"CUT"_s, false, QString()));
    QTRY_COMPARE(clipboard()->text(), u" beta"_s);
    QCOMPARE(box->value(), u"alpha"_s);
    QCOMPARE(box->selectionStart(), 5);
    QCOMPARE(box->selectionEnd(), 5);

    QVERIFY(box->setSelectionRange(0, 0));
    QVERIFY(document->execCommand(u"Paste"_s, false, QString()));
    QCOMPARE(box->value(), u" betaalpha"_s);
    QCOMPARE(box->selectionStart(), 5);
    QCOMPARE(box->selectionEnd(), 5);

    // Pasted lines join with spaces in a text box and stay lines in a text area.
    clipboard()->setText(u"one\ntwo"_s);
    QVERIFY(box->setSelectionRange(0, 10));
    QVERIFY(document->execCommand(u"PASTE"_s, false, QString()));
    QCOMPARE(box->value(), u"one two"_s);
    QCOMPARE(box->selectionStart(), 7);
    const auto area = byId(document, u"area"_s);
    QVERIFY(area->focus());
    QVERIFY(area->setSelectionRange(4, 4));
    QVERIFY(document->execCommand(u"PASTE"_s, false, QString()));
    QCOMPARE(area->value(), u"areaone\ntwo"_s);
    QCOMPARE(area->selectionStart(), 11);
}

void PageDocumentContract::clipboardCommandsFollowTheKindOfField()
{
    const auto document = m_fixture->load(uR"(<html><body><input id="secret" type="password" value="secret"/>
<input id="fixed" readonly="readonly" value="fixed"/><input id="short" maxlength="5" value="abcd"/>
</body></html>)"_s);
    QVERIFY(document);
    // Nothing selected anywhere: nothing to cut, copy or paste into.
    QVERIFY(!document->queryCommandEnabled(u"CUT"_s));
    QVERIFY(!document->queryCommandEnabled(u"COPY"_s));
    QVERIFY(!document->queryCommandEnabled(u"PASTE"_s));

    // A password never leaves its box.
    const auto secret = byId(document, u"secret"_s);
    QVERIFY(secret->focus());
    QVERIFY(secret->setSelectionRange(0, 3));
    QVERIFY(!document->queryCommandEnabled(u"CUT"_s));
    QVERIFY(!document->queryCommandEnabled(u"COPY"_s));
    QVERIFY(document->queryCommandEnabled(u"PASTE"_s));

    // A read-only box can be copied from, not changed.
    clipboard()->setText(u"XYZ"_s);
    const auto fixed = byId(document, u"fixed"_s);
    QVERIFY(fixed->focus());
    QVERIFY(fixed->setSelectionRange(0, 5));
    QVERIFY(document->queryCommandEnabled(u"COPY"_s));
    QVERIFY(!document->queryCommandEnabled(u"CUT"_s));
    QVERIFY(!document->queryCommandEnabled(u"PASTE"_s));
    QVERIFY(!document->execCommand(u"PASTE"_s, false, QString()));
    QCOMPARE(fixed->value(), u"fixed"_s);

    // A paste stops at the box's maximum length.
    const auto shortBox = byId(document, u"short"_s);
    QVERIFY(shortBox->focus());
    QVERIFY(shortBox->setSelectionRange(1, 2));
    QVERIFY(document->execCommand(u"PASTE"_s, false, QString()));
    QCOMPARE(shortBox->value(), u"aXYcd"_s);
    QCOMPARE(shortBox->selectionStart(), 3);
}

void PageDocumentContract::formattingCommandsActOnEditableContentOnly()
{
    const auto document = m_fixture->load(uR"(<html><body>
<div id="editor" contenteditable="true">plain <b>bold</b></div><input id="box" value="text"/>
<div id="blank" contenteditable="true"></div>
</body></html>)"_s);
    QVERIFY(document);
    // Text boxes hold plain text: formatting is not offered there.
    const auto box = byId(document, u"box"_s);
    QVERIFY(box->focus());
    QVERIFY(box->setSelectionRange(0, 2));
    QVERIFY(!document->queryCommandEnabled(u"Bold"_s));
    QVERIFY(!document->queryCommandEnabled(u"BackColor"_s));
    QVERIFY(!document->execCommand(u"Bold"_s, false, QString()));
    QVERIFY(document->queryCommandEnabled(u"RemoveFormat"_s));

    QVERIFY(byId(document, u"editor"_s)->focus());
    for (const QString &command : {u"Bold"_s, u"Italic"_s, u"Underline"_s, u"JustifyLeft"_s, u"FontName"_s,
                                   u"FontSize"_s, u"ForeColor"_s, u"BackColor"_s})
        QVERIFY2(document->queryCommandEnabled(command), qPrintable(command));
    QVERIFY(document->queryCommandEnabled(u"PASTE"_s));
    QVERIFY(!document->queryCommandEnabled(u"CUT"_s));
    QVERIFY(!document->queryCommandEnabled(u"RemoveFormat"_s));
    QCOMPARE(document->queryCommandValue(u"FontSize"_s), u"3"_s);
    QCOMPARE(document->queryCommandValue(u"ForeColor"_s), u"rgb(0, 0, 0)"_s);
    QCOMPARE(document->queryCommandValue(u"BackColor"_s), u"rgba(0, 0, 0, 0)"_s);
    QVERIFY(document->queryCommandState(u"JustifyLeft"_s));

    // Half bold is not bold; Bold then makes all of it bold, and again none of it.
    QVERIFY(document->execCommand(u"SelectAll"_s, false, QString()));
    QVERIFY(!document->queryCommandState(u"Bold"_s));
    QCOMPARE(document->queryCommandValue(u"Bold"_s), u"false"_s);
    QVERIFY(document->execCommand(u"Bold"_s, false, QString()));
    QVERIFY(document->queryCommandState(u"Bold"_s));
    QCOMPARE(document->queryCommandValue(u"Bold"_s), u"true"_s);
    QVERIFY(document->execCommand(u"bold"_s, false, QString()));
    QVERIFY(!document->queryCommandState(u"Bold"_s));

    QVERIFY(document->execCommand(u"FontSize"_s, false, u"5"_s));
    QCOMPARE(document->queryCommandValue(u"FontSize"_s), u"5"_s);
    QVERIFY(document->execCommand(u"ForeColor"_s, false, u"red"_s));
    QCOMPARE(document->queryCommandValue(u"ForeColor"_s), u"rgb(255, 0, 0)"_s);
    QVERIFY(document->execCommand(u"BackColor"_s, false, u"yellow"_s));
    QCOMPARE(document->queryCommandValue(u"BackColor"_s), u"rgb(255, 255, 0)"_s);
    QVERIFY(document->execCommand(u"ForeColor"_s, false, u"#12ABEF"_s));
    QCOMPARE(document->queryCommandValue(u"ForeColor"_s), u"rgb(18, 171, 239)"_s);
    QVERIFY(document->execCommand(u"FontName"_s, false, u"Courier New"_s));
    QCOMPARE(document->queryCommandValue(u"FontName"_s), u"\"Courier New\""_s);
    QVERIFY(document->execCommand(u"Italic"_s, false, QString()));
    QVERIFY(document->queryCommandState(u"Italic"_s));
    QVERIFY(document->execCommand(u"JustifyCenter"_s, false, QString()));
    QVERIFY(document->queryCommandState(u"JustifyCenter"_s));
    QVERIFY(!document->queryCommandState(u"JustifyLeft"_s));
    QCOMPARE(document->queryCommandValue(u"JustifyCenter"_s), u"true"_s);

    QVERIFY(document->queryCommandEnabled(u"RemoveFormat"_s));
    QVERIFY(document->execCommand(u"RemoveFormat"_s, false, QString()));
    QVERIFY(!document->queryCommandState(u"Italic"_s));
    QVERIFY(!document->queryCommandState(u"JustifyCenter"_s));
    QCOMPARE(document->queryCommandValue(u"FontSize"_s), u"3"_s);
    QCOMPARE(document->queryCommandValue(u"ForeColor"_s), u"rgb(0, 0, 0)"_s);

    // Editable content takes cut and paste too.
    QVERIFY(document->execCommand(u"CUT"_s, false, QString()));
    QTRY_COMPARE(clipboard()->text(), u"plain bold"_s);
    QCOMPARE(document->bodyInnerText().trimmed(), QString());
    QVERIFY(document->execCommand(u"PASTE"_s, false, QString()));
    QCOMPARE(document->bodyInnerText(), u"plain bold"_s);

    // An empty editable region offers nothing to select but takes a paste.
    QVERIFY(byId(document, u"blank"_s)->focus());
    QVERIFY(!document->queryCommandEnabled(u"SelectAll"_s));
    QVERIFY(document->queryCommandEnabled(u"PASTE"_s));
}

void PageDocumentContract::commandNamesIgnoreCaseAndUnknownNamesAnswerFalse()
{
    const auto document = m_fixture->load(uR"(<html><body><input id="box" value="text"/></body></html>)"_s);
    QVERIFY(document);
    const QStringList names = {u"Bold"_s, u"Italic"_s, u"Underline"_s, u"JustifyLeft"_s, u"JustifyCenter"_s,
                               u"JustifyRight"_s, u"FontName"_s, u"FontSize"_s, u"ForeColor"_s, u"BackColor"_s,
                               u"RemoveFormat"_s, u"SelectAll"_s, u"CUT"_s, u"COPY"_s, u"PASTE"_s};
    for (const QString &name : names) {
        QVERIFY2(document->queryCommandSupported(name), qPrintable(name));
        QVERIFY2(document->queryCommandSupported(name.toLower()), qPrintable(name));
        QVERIFY2(document->queryCommandSupported(name.toUpper()), qPrintable(name));
    }
    const auto box = byId(document, u"box"_s);
    QVERIFY(box->focus());
    QVERIFY(box->setSelectionRange(0, 4));
    QVERIFY(document->queryCommandEnabled(u"copy"_s));
    QVERIFY(document->queryCommandEnabled(u"Copy"_s));
    QVERIFY(!document->queryCommandState(u"COPY"_s));
    QCOMPARE(document->queryCommandValue(u"COPY"_s), QString());

    for (const QString &name : {u"NoSuchCommand"_s, QString()}) {
        QVERIFY(!document->queryCommandSupported(name));
        QVERIFY(!document->queryCommandEnabled(name));
        QVERIFY(!document->queryCommandState(name));
        QCOMPARE(document->queryCommandValue(name), QString());
        QVERIFY(!document->execCommand(name, false, QString()));
    }
    QCOMPARE(box->value(), u"text"_s);
}

void PageDocumentContract::urlsNameTheDocumentAndItsFrames()
{
    const auto top = m_fixture->load(uR"(<html><body><iframe id="frame" src="frame.html"></iframe></body></html>)"_s,
                                     {{u"frame.html"_s, uR"(<html><body><p>framed</p></body></html>)"_s}});
    QVERIFY(top);
    const auto frame = frameDocument(top, u"frame"_s);
    QVERIFY(frame);
    const QUrl topUrl(top->url());
    const QUrl frameUrl(frame->url());
    QVERIFY(topUrl.isValid() && !topUrl.isRelative());
    QCOMPARE(frameUrl.fileName(), u"frame.html"_s);
    QCOMPARE(frameUrl.resolved(QUrl(u"x"_s)), topUrl.resolved(QUrl(u"x"_s)));
    QVERIFY(topUrl != frameUrl);
}

void PageDocumentContract::bodyInnerTextShowsTheVisibleTextByLines()
{
    const auto document = m_fixture->load(uR"(<html><head><title>Not shown</title></head><body>
<h1>Title  here</h1>
<p>First   paragraph
with <b>bold</b> and <i>it</i>.</p>
<div>Block <span>inline</span><div>nested</div>tail</div>
<pre>  pre
   kept</pre>
<ul><li>one</li><li>two</li></ul>
<table><tr><th>h1</th><th>h2</th></tr><tr><td>a</td><td>b</td></tr></table>
line<br/>break<br/><br/>double
<script>var hidden = 1;</script><style>.hidden { color: red; }</style>
<div style="display: none">hidden</div>
<div><input value="field value"/><textarea>area value</textarea>after fields</div>
<iframe src="frame.html"></iframe>
</body></html>)"_s,
                                          {{u"frame.html"_s, uR"(<html><body><p>framed</p></body></html>)"_s}});
    QVERIFY(document);
    QCOMPARE(document->bodyInnerText(),
             u"Title here\n\nFirst paragraph with bold and it.\n\nBlock inline\nnested\ntail\n  pre\n   kept\n"
             u"one\ntwo\nh1\th2\na\tb\nline\nbreak\n\ndouble\nafter fields"_s);
}

void PageDocumentContract::documentColoursRoundTripPerDocument()
{
    const auto top = m_fixture->load(uR"(<html><body bgcolor="white" text="#000080" link="blue">
<iframe id="frame" src="frame.html"></iframe></body></html>)"_s,
                                     {{u"frame.html"_s, uR"(<html><body><p>framed</p></body></html>)"_s}});
    QVERIFY(top);
    QCOMPARE(top->bgColor(), u"white"_s);
    QCOMPARE(top->fgColor(), u"#000080"_s);
    QCOMPARE(top->linkColor(), u"blue"_s);
    QCOMPARE(top->alinkColor(), QString());
    QCOMPARE(top->vlinkColor(), QString());

    QVERIFY(top->setBgColor(u"#1A2B3C"_s));
    QVERIFY(top->setFgColor(u"Teal"_s));
    QVERIFY(top->setLinkColor(u"Red"_s));
    QVERIFY(top->setAlinkColor(u"#FF0000"_s));
    QVERIFY(top->setVlinkColor(u"Purple"_s));
    QCOMPARE(top->bgColor(), u"#1A2B3C"_s);
    QCOMPARE(top->fgColor(), u"Teal"_s);
    QCOMPARE(top->linkColor(), u"Red"_s);
    QCOMPARE(top->alinkColor(), u"#FF0000"_s);
    QCOMPARE(top->vlinkColor(), u"Purple"_s);

    // Each frame has colours of its own.
    const auto frame = frameDocument(top, u"frame"_s);
    QVERIFY(frame);
    QCOMPARE(frame->bgColor(), QString());
    QVERIFY(frame->setBgColor(u"Yellow"_s));
    QCOMPARE(frame->bgColor(), u"Yellow"_s);
    QCOMPARE(top->bgColor(), u"#1A2B3C"_s);
}
