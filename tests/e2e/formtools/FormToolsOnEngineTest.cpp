#include "browser/TKestrelWB.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "formdata/FormDataCommands.h"
#include "pagetools/ActiveDocument.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/EngineFixture.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "typing/PersonalInfoFill.h"
#include "typing/TypingAidSwitches.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// One page of several forms: the personal form, another form with a field of a listed name,
// and a hostile form that hides fields named like personal data in every way a page can.
const QByteArray fillPage = R"(<!DOCTYPE html><html><head><title>fill</title></head><body>
<form id="personal">
<input id="fname" name="FNAME"/><input id="lname" name="lname" value="Doe"/>
<input id="city" name="city" value="Oslo"/>
<input id="email" name="email" VCARD_NAME="vCard.Unknown" value="old@example.org"/>
<input id="phone" name="phone" VCARD_NAME="vCard.Cellular" value="123"/>
<input id="empty" name="empty" value="keep"/><input id="blank" name="empty"/>
<textarea id="street" name="street"></textarea><input id="pass" type="password" name="pass"/>
<input id="tick" type="checkbox" name="fname"/>
</form>
<form id="other"><input id="otherFname" name="fname"/></form>
<form id="hostile"><input id="nick" name="nick"/>
<input id="h1" name="fname" style="display:none"/><input id="h2" name="lname" style="visibility:hidden"/>
<input id="h3" name="email" style="width:0;height:0;border:0;padding:0"/>
<input id="h4" name="city" style="position:absolute;left:-9999px"/><input id="h5" type="hidden" name="phone"/>
<div style="height:0;overflow:hidden"><input id="h6" name="street"/></div>
<input id="h7" name="pass" style="opacity:0"/>
</form></body></html>)";

const QStringList personalData = {
    u"[NAMES]"_s, u"First Name"_s, u"[VALUES]"_s, u"First Name=John"_s, u"[APPLIES TO]"_s,
    u"fname=John{~}First Name"_s, u"lname=Smith{~}Last Name"_s, u"city=Oslo{~}City"_s,
    u"email=john@example.org{~}Email"_s, u"vCard.Cellular=555{~}Phone"_s, u"phone=999{~}Phone"_s,
    u"empty={~}Empty"_s, u"street=1 Main St{~}Street"_s, u"pass=secret{~}Password"_s};

const QString lnameQuestion =
    u"The field named \"lname\" already has the value \"Doe\".  Are you sure you want to change this value to \"Smith\"?"_s;
const QString emailQuestion =
    u"The field named \"email\" with the VCard name \"vCard.Unknown\" already has the value \"old@example.org\".  "
    u"Are you sure you want to change this value to \"john@example.org\"?"_s;
const QString phoneQuestion =
    u"The field named \"phone\" with the VCard name \"vCard.Cellular\" already has the value \"123\".  "
    u"Are you sure you want to change this value to \"555\"?"_s;

const QByteArray formsPage = R"(<!DOCTYPE html><html><head><title>forms</title></head><body>
<form id="a"><input id="name" name="Name"/><textarea id="note" name="note"></textarea>
<input id="news" type="checkbox" name="news"/><input id="ads" type="checkbox" name="ads" checked/>
<input id="r1" type="radio" name="size" value="S"/><input id="r2" type="radio" name="size" value="M" checked/>
<input id="r3" type="radio" name="size" value="L"/>
<select id="colour" name="colour"><option>red</option><option>green</option><option>blue</option></select>
<input id="upload" type="file" name="upload"/><input type="submit" name="go" value="Go"/></form>
<form id="b"><textarea id="other" name="other">old</textarea></form>
</body></html>)";

const QByteArray otherPage = R"(<!DOCTYPE html><html><head><title>other</title></head><body>
<form><input id="first" name="NAME"/><input id="second" name="name"/><textarea id="note" name="NOTE"></textarea>
<input id="upload" type="file" name="UPLOAD"/><input id="kept" name="kept" value="stays"/>
<select id="colour" name="Colour"><option>red</option><option>green</option><option>blue</option></select></form>
</body></html>)";
}

// The form tools on the real engine, on pages of several forms from the loopback server: the
// personal info fill with its questions and the hidden fields it leaves alone, and form data
// and text files saved from and put back into real forms.
class FormToolsOnEngineTest : public QObject
{
    Q_OBJECT

    EngineFixture m_fixture;
    QTemporaryDir m_folder;
    std::shared_ptr<PageDocument> m_top;
    std::unique_ptr<SettingsStore> m_store;
    ScriptedPrompter m_prompter;
    std::unique_ptr<PersonalInfoFill> m_fill;
    CommandRegistry m_commands;
    std::unique_ptr<FormDataCommands> m_formData;

    void open(const QString &path)
    {
        m_top = m_fixture.open(m_fixture.server().url(path));
        QVERIFY(m_top);
    }

    void focus(const QString &id)
    {
        m_fixture.view()->control()->focusPage();
        const auto element = m_top->elementById(id);
        QVERIFY(element);
        QVERIFY(element->focus());
    }

    QString value(const QString &id) const
    {
        const auto element = m_top->elementById(id);
        return element ? element->value() : u"(missing)"_s;
    }

    bool checked(const QString &id) const
    {
        const auto element = m_top->elementById(id);
        return element && element->checked();
    }

    static QByteArray contents(const QString &file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(missing)");
    }

private slots:
    void initTestCase()
    {
        m_fixture.server().serve(u"/fill.html"_s, fillPage);
        m_fixture.server().serve(u"/forms.html"_s, formsPage);
        m_fixture.server().serve(u"/other.html"_s, otherPage);
        QVERIFY(TextFile::writeLines(m_folder.filePath(u"pdata.dat"_s), personalData));
        m_store = std::make_unique<SettingsStore>(m_folder.filePath(u"registry.ini"_s));
        const auto activeDocument = [this] { return focusedDocumentOf(m_fixture.view()->Document()); };
        m_fill = std::make_unique<PersonalInfoFill>(
            PersonalInfoFill::Collaborators{activeDocument, m_store.get(), &m_prompter, m_folder.path()});
        m_formData = std::make_unique<FormDataCommands>(
            m_commands, m_prompter,
            FormDataCommands::Collaborators{activeDocument, [](const QString &) {}, [](int) {}});
    }

    void init()
    {
        failOnQtWarnings();
        m_prompter.clear();
        m_store->clearSection(SettingsStore::MainSection);
    }

    void fillAsksBeforeChangingAValue_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QStringList>("values");
        const int yes = int(Prompter::Answer::Yes);
        const int no = int(Prompter::Answer::No);
        const int cancel = int(Prompter::Answer::Cancel);
        // Values of fname, lname, city, email, phone, empty, blank, street, pass, otherFname.
        QTest::newRow("Yes to every question")
            << QList<int>{yes, yes, yes} << QStringList{lnameQuestion, emailQuestion, phoneQuestion}
            << QStringList{u"John"_s, u"Smith"_s, u"Oslo"_s, u"john@example.org"_s, u"555"_s, u"keep"_s,
                           QString(), u"1 Main St"_s, u"secret"_s, QString()};
        QTest::newRow("No leaves that field")
            << QList<int>{no, yes, no} << QStringList{lnameQuestion, emailQuestion, phoneQuestion}
            << QStringList{u"John"_s, u"Doe"_s, u"Oslo"_s, u"john@example.org"_s, u"123"_s, u"keep"_s,
                           QString(), u"1 Main St"_s, u"secret"_s, QString()};
        QTest::newRow("Cancel at the second question stops there")
            << QList<int>{yes, cancel} << QStringList{lnameQuestion, emailQuestion}
            << QStringList{u"John"_s, u"Smith"_s, u"Oslo"_s, u"old@example.org"_s, u"123"_s, u"keep"_s,
                           QString(), QString(), QString(), QString()};
    }

    void fillAsksBeforeChangingAValue()
    {
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, questions);
        QFETCH(QStringList, values);
        open(u"/fill.html"_s);
        focus(u"street"_s);
        for (const int answer : answers)
            m_prompter.queueAnswer(Prompter::Answer(answer));
        m_fill->FillPersonalInfo();
        // The field already holding "Oslo" is set without a question; entries without a value
        // change nothing.
        QCOMPARE(m_prompter.texts(), questions);
        const QStringList ids = {u"fname"_s, u"lname"_s, u"city"_s, u"email"_s, u"phone"_s, u"empty"_s,
                                 u"blank"_s, u"street"_s, u"pass"_s, u"otherFname"_s};
        for (qsizetype i = 0; i < ids.size(); ++i)
            QVERIFY2(value(ids.at(i)) == values.at(i), qPrintable(ids.at(i) + u": "_s + value(ids.at(i))));
        QVERIFY(!checked(u"tick"_s));
    }

    void fillSwitchedOffDoesNothing()
    {
        open(u"/fill.html"_s);
        focus(u"fname"_s);
        m_store->writeBool(SettingsStore::MainSection, TypingAidSwitches::FormAutoFillKey, false);
        m_fill->FillPersonalInfo();
        QVERIFY(m_prompter.shown().isEmpty());
        QCOMPARE(value(u"fname"_s), QString());
        QCOMPARE(value(u"lname"_s), u"Doe"_s);
    }

    void hiddenFieldsOfAHostileFormGetNothing()
    {
        open(u"/fill.html"_s);
        focus(u"nick"_s);
        m_fill->FillPersonalInfo();
        QVERIFY(m_prompter.shown().isEmpty());
        for (const QString &id : {u"nick"_s, u"h1"_s, u"h2"_s, u"h3"_s, u"h4"_s, u"h5"_s, u"h6"_s, u"h7"_s})
            QVERIFY2(value(id).isEmpty(), qPrintable(id));
    }

    void formDataRoundTripsThroughAFile()
    {
        open(u"/forms.html"_s);
        QVERIFY(m_top->elementById(u"name"_s)->setValue(u"Kari = Nordmann"_s));
        QVERIFY(m_top->elementById(u"note"_s)->setValue(u"a=b\nc\n\nd = e"_s));
        QVERIFY(m_top->elementById(u"news"_s)->setChecked(true));
        QVERIFY(m_top->elementById(u"ads"_s)->setChecked(false));
        QVERIFY(m_top->elementById(u"r3"_s)->setChecked(true));
        QVERIFY(m_top->elementById(u"colour"_s)->setSelectedIndex(2));
        focus(u"note"_s);
        const QString file = m_folder.filePath(u"a.kbf"_s);
        m_prompter.queueText(file);
        QVERIFY(m_commands.trigger(CommandIds::SaveFormData));
        QCOMPARE(contents(file), QByteArray("Name=Kari %3D Nordmann\r\nnote=a%3Db<KBBR>c<KBBR><KBBR>d %3D e\r\n"
                                            "news=true\r\nads=false\r\nsize=L\r\ncolour=2\r\nupload=\r\n"));

        open(u"/forms.html"_s);
        focus(u"name"_s);
        m_prompter.queueText(file);
        QVERIFY(m_commands.trigger(CommandIds::InsertFormData));
        QCOMPARE(m_prompter.texts().constLast(), u"Inserted data for 8 form fields."_s);
        QCOMPARE(value(u"name"_s), u"Kari = Nordmann"_s);
        QCOMPARE(value(u"note"_s), u"a=b\nc\n\nd = e"_s);
        QVERIFY(checked(u"news"_s));
        QVERIFY(!checked(u"ads"_s));
        QVERIFY(!checked(u"r1"_s) && !checked(u"r2"_s) && checked(u"r3"_s));
        QCOMPARE(m_top->elementById(u"colour"_s)->selectedIndex(), 2);
    }

    void aFileFromOnePageFillsAnotherByName()
    {
        const QString file = m_folder.filePath(u"other.kbf"_s);
        QVERIFY(TextFile::writeLines(file, {u"name=first"_s, u"Name=second"_s, u"note=x%3Dy<KBBR>z"_s,
                                            u"upload=/etc/passwd"_s, u"colour=two"_s, u"stray=line"_s}));
        open(u"/other.html"_s);
        focus(u"first"_s);
        m_prompter.queueText(file);
        QVERIFY(m_commands.trigger(CommandIds::InsertFormData));
        // Both fields of the name take the first line; the file input is never filled; a
        // select given no number keeps its choice but counts.
        QCOMPARE(m_prompter.texts().constLast(), u"Inserted data for 4 form fields."_s);
        QCOMPARE(value(u"first"_s), u"first"_s);
        QCOMPARE(value(u"second"_s), u"first"_s);
        QCOMPARE(value(u"note"_s), u"x=y\nz"_s);
        QCOMPARE(value(u"upload"_s), QString());
        QCOMPARE(value(u"kept"_s), u"stays"_s);
        QCOMPARE(m_top->elementById(u"colour"_s)->selectedIndex(), 0);
    }

    void aTextFileIsAppendedAfterOneLineFeed()
    {
        const QString file = m_folder.filePath(u"in.txt"_s);
        QVERIFY(TextFile::writeLines(file, {u"one = 1"_s, u"two"_s}));
        open(u"/forms.html"_s);
        focus(u"other"_s);
        m_prompter.queueText(file);
        m_prompter.queueAnswer(Prompter::Answer::No);
        QVERIFY(m_commands.trigger(CommandIds::InsertTextFile));
        QCOMPARE(value(u"other"_s), u"old\none = 1\ntwo\n"_s);

        const QString saved = m_folder.filePath(u"out.txt"_s);
        m_prompter.queueText(saved);
        QVERIFY(m_commands.trigger(CommandIds::SaveTextArea));
        QCOMPARE(contents(saved), QByteArray("old\r\none = 1\r\ntwo\r\n"));
    }
};

KESTREL_TEST(FormToolsOnEngineTest)
#include "FormToolsOnEngineTest.moc"
