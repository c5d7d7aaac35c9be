#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryPageBuilder.h"
#include "typing/PersonalInfoFill.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The personal info fill's reading of applies-to lines, and the cases in which it does nothing,
// over the in-memory page.
class PersonalInfoFillTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void splitAppliesTo_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("title");
        QTest::newRow("value and title") << u"fname=John{~}First Name"_s << u"John"_s << u"First Name"_s;
        QTest::newRow("no title") << u"fname=John"_s << u"John"_s << QString();
        QTest::newRow("equals in the value") << u"q=a=b{~}T"_s << u"a=b"_s << u"T"_s;
        QTest::newRow("first separator splits") << u"x=v{~}t{~}u"_s << u"v"_s << u"t{~}u"_s;
        QTest::newRow("empty value") << u"x={~}Empty"_s << QString() << u"Empty"_s;
        QTest::newRow("no equals sign") << u"John{~}First"_s << QString() << QString();
    }

    void splitAppliesTo()
    {
        QFETCH(QString, line);
        QFETCH(QString, value);
        QFETCH(QString, title);
        const PersonalInfoFill::AppliesTo split = PersonalInfoFill::SplitAppliesTo(line);
        QCOMPARE(split.value, value);
        QCOMPARE(split.title, title);
    }

    void nothingHappensWithoutDataOrAFormField_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QString>("focus");
        const QStringList data = {u"[APPLIES TO]"_s, u"fname=John{~}First Name"_s, u"[NAMES]"_s, u"other=x{~}y"_s};
        QTest::newRow("no data file") << QStringList() << u"box"_s;
        QTest::newRow("no applies-to section") << QStringList{u"[NAMES]"_s, u"fname=John{~}First"_s} << u"box"_s;
        QTest::newRow("focus on a check box") << data << u"tick"_s;
        QTest::newRow("focus on a select") << data << u"list"_s;
        QTest::newRow("text box outside any form") << data << u"outside"_s;
        QTest::newRow("nothing focused") << data << QString();
    }

    void nothingHappensWithoutDataOrAFormField()
    {
        QFETCH(QStringList, file);
        QFETCH(QString, focus);
        QTemporaryDir folder;
        if (!file.isEmpty())
            QVERIFY(TextFile::writeLines(folder.filePath(u"pdata.dat"_s), file));
        const auto document = MemoryPageBuilder::build(uR"(<html><body><form>
<input id="box" name="fname"/><input id="tick" type="checkbox" name="fname"/>
<select id="list" name="fname"><option>x</option></select><input id="other" name="other" value="z"/></form>
<input id="outside" name="fname"/></body></html>)"_s, QUrl(u"http://memory.test/"_s));
        QVERIFY(document);
        if (!focus.isEmpty())
            QVERIFY(document->elementById(focus)->focus());
        SettingsStore store(folder.filePath(u"registry.ini"_s));
        ScriptedPrompter prompter;
        PersonalInfoFill fill({[document] { return document; }, &store, &prompter, folder.path()});
        fill.FillPersonalInfo();
        QCOMPARE(document->elementById(u"box"_s)->value(), QString());
        QCOMPARE(document->elementById(u"outside"_s)->value(), QString());
        QCOMPARE(document->elementById(u"other"_s)->value(), u"z"_s);
        QVERIFY(prompter.shown().isEmpty());
    }
};

KESTREL_TEST(PersonalInfoFillTest)
#include "PersonalInfoFillTest.moc"
