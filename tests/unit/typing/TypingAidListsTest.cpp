#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "typing/AidListEditor.h"
#include "typing/AutoCompleteSetup.h"
#include "typing/PersonalInfoLists.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Kind = AidListEditor::Kind;

QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList captions(const AidListEditor &editor)
{
    QStringList result;
    for (const AidListEditor::Entry &entry : editor.entries())
        result << entry.caption + QLatin1Char('|') + entry.value;
    return result;
}
}

// The typing-aid list files: how their lines become list entries and entries become lines
// again, the sections of "pdata.dat", and how the setup writes them all.
class TypingAidListsTest : public QObject
{
    Q_OBJECT

    ScriptedPrompter m_prompter;

private slots:
    void init()
    {
        failOnQtWarnings();
        m_prompter.clear();
    }

    void nameValueListsRoundTripSorted()
    {
        AidListEditor editor(Kind::QuickCorrect, m_prompter);
        editor.load({QStringLiteral("teh=the"), QStringLiteral("Adn=and"), QStringLiteral("becuase=because")});
        QCOMPARE(captions(editor), QStringList({QStringLiteral("Adn|and"), QStringLiteral("becuase|because"),
                                                QStringLiteral("teh|the")}));
        QCOMPARE(editor.fileLines(), QStringList({QStringLiteral("Adn=and"), QStringLiteral("becuase=because"),
                                                  QStringLiteral("teh=the")}));
    }

    void aNameWithAnEqualsSignIsCutThereOnReadingBack()
    {
        AidListEditor editor(Kind::QuickCorrect, m_prompter);
        editor.editName(QStringLiteral("a=b"));
        editor.editValue(QStringLiteral("c"));
        QVERIFY(editor.add());
        const QStringList lines = editor.fileLines();
        QCOMPARE(lines, QStringList({QStringLiteral("a=b=c")}));

        AidListEditor reread(Kind::QuickCorrect, m_prompter);
        reread.load(lines);
        QCOMPARE(captions(reread), QStringList({QStringLiteral("a|b=c")}));
    }

    void linesWithoutANameAreDropped()
    {
        AidListEditor editor(Kind::QuickLinks, m_prompter);
        editor.load({QStringLiteral("=nothing"), QStringLiteral("no equals sign"), QString(),
                     QStringLiteral("@mail=me@example.com")});
        QCOMPARE(editor.fileLines(), QStringList({QStringLiteral("@mail=me@example.com")}));

        AidListEditor completion(Kind::Completion, m_prompter);
        completion.load({QStringLiteral("zebra"), QString(), QStringLiteral("  "), QStringLiteral("Alaska=state")});
        QCOMPARE(completion.fileLines(), QStringList({QStringLiteral("Alaska=state"), QStringLiteral("zebra")}));
    }

    void quickInsertShowsItsShortcutAndStoresItBare()
    {
        AidListEditor editor(Kind::QuickInsert, m_prompter);
        editor.load({QStringLiteral("s=Kind regards"), QStringLiteral("a=Address")});
        QCOMPARE(captions(editor), QStringList({QStringLiteral("Ctrl + Shift + a|Address"),
                                                QStringLiteral("Ctrl + Shift + s|Kind regards")}));
        QCOMPARE(editor.entries().front().shortcut, QStringLiteral("a"));
        QCOMPARE(editor.fileLines(), QStringList({QStringLiteral("a=Address"), QStringLiteral("s=Kind regards")}));
    }

    void typedLineBreaksNeverSplitAnEntry()
    {
        AidListEditor editor(Kind::QuickWords, m_prompter);
        editor.editName(QStringLiteral("\\sig"));
        editor.editValue(QStringLiteral("line one\r\nline two"));
        QVERIFY(editor.add());
        QCOMPARE(editor.fileLines(), QStringList({QStringLiteral("\\sig=line one  line two")}));
    }

    void personalInfoSectionsRoundTrip()
    {
        const QStringList file{QStringLiteral("[NAMES]"),
                               QStringLiteral("First Name"),
                               QString(),
                               QStringLiteral("Email"),
                               QStringLiteral("[VALUES]"),
                               QStringLiteral("First Name=John"),
                               QStringLiteral("=orphan"),
                               QStringLiteral("[APPLIES TO]"),
                               QStringLiteral("fname=John{~}First Name"),
                               QStringLiteral("first name=John{~}First Name")};
        const PersonalInfoLists lists = PersonalInfoLists::fromFileLines(file);
        QCOMPARE(lists.titles, QStringList({QStringLiteral("First Name"), QStringLiteral("Email")}));
        QCOMPARE(lists.values, QStringList({QStringLiteral("First Name=John")}));
        QCOMPARE(lists.appliesTo.size(), 2);
        QCOMPARE(PersonalInfoLists::fromFileLines(lists.fileLines()).fileLines(), lists.fileLines());
        QCOMPARE(lists.fileLines().first(), QStringLiteral("[NAMES]"));
    }

    void aSectionEndsAtTheNextBracketLine()
    {
        const QStringList file{QStringLiteral("junk before"), QStringLiteral("[APPLIES TO]"),
                               QStringLiteral("fname=John{~}First Name"), QStringLiteral("[OTHER]"),
                               QStringLiteral("skipped=x{~}y"), QStringLiteral("[NAMES]"), QStringLiteral("Only")};
        const PersonalInfoLists lists = PersonalInfoLists::fromFileLines(file);
        QCOMPARE(lists.titles, QStringList({QStringLiteral("Only")}));
        QVERIFY(lists.values.isEmpty());
        QCOMPARE(lists.appliesTo, QStringList({QStringLiteral("fname=John{~}First Name")}));
    }

    void titleOfAnAppliesToLineFollowsTheLastSeparatorOfTheValue()
    {
        QCOMPARE(PersonalInfoLists::titleOfAppliesTo(QStringLiteral("fname=John{~}First Name")), QStringLiteral("First Name"));
        QCOMPARE(PersonalInfoLists::titleOfAppliesTo(QStringLiteral("f=a{~}b{~}Title")), QStringLiteral("Title"));
        QCOMPARE(PersonalInfoLists::titleOfAppliesTo(QStringLiteral("f=no title")), QString());
        QCOMPARE(PersonalInfoLists::titleOfAppliesTo(QStringLiteral("a{~}b=value")), QString());
    }

    void savingWithoutChangesCreatesEveryFileEmpty()
    {
        QTemporaryDir folder;
        SettingsStore settings(folder.filePath(QStringLiteral("registry.ini")));
        AutoCompleteSetup setup(folder.path(), settings, m_prompter);
        setup.load();
        QVERIFY(setup.save());
        for (const char *name : {"tbauto.dat", "qlink.dat", "qcorrect.dat", "qinsert.dat", "qwords.dat"})
            QCOMPARE(readRaw(folder.filePath(QLatin1String(name))), QByteArray());
        QCOMPARE(readRaw(folder.filePath(QStringLiteral("pdata.dat"))), QByteArray("[NAMES]\r\n[VALUES]\r\n[APPLIES TO]\r\n"));
        const QString &main = SettingsStore::MainSection;
        QCOMPARE(settings.readString(main, QStringLiteral("TBAutoComplete")), QStringLiteral("1"));
        QCOMPARE(settings.readString(main, QStringLiteral("TBAutoCase")), QStringLiteral("1"));
        for (const char *key : {"QuickLinks", "QuickCorrect", "QuickInsert", "QuickWords", "FormAutoFill"})
            QCOMPARE(settings.readString(main, QLatin1String(key)), QStringLiteral("1"));
        QVERIFY(m_prompter.shown().isEmpty());
    }

    void savingKeepsFilesAsTheyWere()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("qcorrect.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("teh=the\r\nadn=and\r\n=dropped\r\n");
        file.close();
        SettingsStore settings(folder.filePath(QStringLiteral("registry.ini")));
        AutoCompleteSetup setup(folder.path(), settings, m_prompter);
        setup.load();
        QVERIFY(setup.save());
        QCOMPARE(readRaw(folder.filePath(QStringLiteral("qcorrect.dat"))), QByteArray("adn=and\r\nteh=the\r\n"));
    }

    void aFileThatCannotBeWrittenStopsTheSaveThere()
    {
        QTemporaryDir folder;
        // A folder in the place of "qcorrect.dat" cannot be replaced by a file.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("qcorrect.dat")));
        SettingsStore settings(folder.filePath(QStringLiteral("registry.ini")));
        AutoCompleteSetup setup(folder.path(), settings, m_prompter);
        setup.load();
        setup.switches().quickLinks = false;
        QVERIFY(!setup.save());

        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("tbauto.dat"))));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("qlink.dat"))));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("qinsert.dat"))));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("pdata.dat"))));
        QVERIFY(!settings.valueExists(SettingsStore::MainSection, QStringLiteral("QuickLinks")));
        QCOMPARE(m_prompter.shown().size(), 1);
        QVERIFY(m_prompter.shown().first().text.contains(folder.filePath(QStringLiteral("qcorrect.dat"))));
    }

    void aFileThatCannotBeReadIsNeverOverwritten()
    {
        QTemporaryDir folder;
        const QString qwords = folder.filePath(QStringLiteral("qwords.dat"));
        QFile file(qwords);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept=as it was\r\n");
        file.close();
        TextFile::setFault([&](const QString &path, TextFile::Access access) {
            return path == qwords && access == TextFile::Access::Read;
        });
        SettingsStore settings(folder.filePath(QStringLiteral("registry.ini")));
        AutoCompleteSetup setup(folder.path(), settings, m_prompter);
        setup.load();
        TextFile::setFault({});
        QCOMPARE(m_prompter.shown().size(), 1);
        QVERIFY(m_prompter.shown().first().text.contains(qwords));
        QVERIFY(m_prompter.shown().first().text.contains(QStringLiteral("could not be read")));
        QVERIFY(setup.save());
        QCOMPARE(readRaw(qwords), QByteArray("kept=as it was\r\n"));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("qcorrect.dat"))));
    }
};

KESTREL_TEST(TypingAidListsTest)
#include "TypingAidListsTest.moc"
