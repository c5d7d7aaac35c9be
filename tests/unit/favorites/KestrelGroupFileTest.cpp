#include "favorites/KestrelGroupFile.h"
#include "favorites/KestrelGroupOutline.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "shell/Workspace.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>


namespace {
const QStringList NewsAndSport = {QStringLiteral("News"), QStringLiteral("\ta"), QStringLiteral("\tb"),
                                  QStringLiteral("Sport"), QStringLiteral("\tc")};
}

class KestrelGroupFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void sitesOfAGroup_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("sites");
        const auto some = [](const QStringList &list) { return QVariant::fromValue(list); };
        QTest::newRow("any case") << NewsAndSport << QStringLiteral("nEWS")
                                  << some({QStringLiteral("a"), QStringLiteral("b")});
        QTest::newRow("last group") << NewsAndSport << QStringLiteral("sport") << some({QStringLiteral("c")});
        QTest::newRow("group on the last line has no sites")
            << QStringList{QStringLiteral("News"), QStringLiteral("\ta"), QStringLiteral("Empty")}
            << QStringLiteral("Empty") << some({});
        QTest::newRow("first of equal names wins")
            << QStringList{QStringLiteral("A"), QStringLiteral("\t1"), QStringLiteral("a"), QStringLiteral("\t2")}
            << QStringLiteral("a") << some({QStringLiteral("1")});
        QTest::newRow("blanks and controls trimmed, a TAB-only line is empty")
            << QStringList{QStringLiteral("G"), QStringLiteral("\t  http://x/ \x01"), QStringLiteral("\t")}
            << QStringLiteral("G") << some({QStringLiteral("http://x/"), QString()});
        QTest::newRow("unknown name") << NewsAndSport << QStringLiteral("Weather") << QVariant();
        QTest::newRow("empty name") << QStringList{QString(), QStringLiteral("\tx")} << QString() << QVariant();
    }
    void sitesOfAGroup()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, name);
        QFETCH(QVariant, sites);
        const std::optional<QStringList> found = KestrelGroupFile::sitesOf(lines, name);
        QCOMPARE(found.has_value(), sites.isValid());
        if (found)
            QCOMPARE(*found, sites.toStringList());
    }

    void menuNamesSkipSitesAndEmptyLines()
    {
        QCOMPARE(KestrelGroupFile::groupNames(NewsAndSport + QStringList{QString(), QStringLiteral("R&D")}),
                 (QStringList{QStringLiteral("News"), QStringLiteral("Sport"), QStringLiteral("R&D")}));
    }

    // The first tabs at start-up come from the default group through the same rule.
    void workspaceOpensTheDefaultGroup()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("registry.ini")));
        settings.writeBool(SettingsStore::MainSection, QStringLiteral("Save Workspace"), false);
        Workspace workspace(settings, dir.path());
        QVERIFY(TextFile::writeLines(workspace.groupFilePath(), NewsAndSport));
        settings.writeString(SettingsStore::MainSection, KestrelGroupFile::DefaultGroupKey, QStringLiteral("SPORT"));
        QCOMPARE(workspace.firstTabs().addresses, QStringList{QStringLiteral("c")});
        settings.writeString(SettingsStore::MainSection, KestrelGroupFile::DefaultGroupKey, QStringLiteral("none"));
        QCOMPARE(workspace.firstTabs().addresses, Workspace::defaultStartPages());
    }

    void outlineReading_data()
    {
        QTest::addColumn<QStringList>("lines");
        // The tree that was read, written back as an outline.
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("unread");
        QTest::newRow("groups and sites")
            << NewsAndSport << NewsAndSport
            << QString() << QStringList();
        QTest::newRow("blanks count as levels, the first line is top-level")
            << QStringList{QStringLiteral("  G"), QStringLiteral(" s"), QStringLiteral("H")}
            << QStringList{QStringLiteral("G"), QStringLiteral("\ts"), QStringLiteral("H")}
            << QString() << QStringList();
        QTest::newRow("invalid level stops the reading, the rest is kept")
            << QStringList{QStringLiteral("G"), QStringLiteral("\ts"), QStringLiteral("\t\t\tdeep"),
                           QStringLiteral("H"), QStringLiteral("\tt")}
            << QStringList{QStringLiteral("G"), QStringLiteral("\ts")}
            << QStringLiteral("Invalid level (3) for item \"deep\"")
            << QStringList{QStringLiteral("\t\t\tdeep"), QStringLiteral("H"), QStringLiteral("\tt")};
    }
    void outlineReading()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, tree);
        QFETCH(QString, error);
        QFETCH(QStringList, unread);
        const KestrelGroupOutline::Loaded loaded = KestrelGroupOutline::read(lines);
        QCOMPARE(KestrelGroupOutline::write(loaded.nodes), tree);
        QCOMPARE(loaded.error.value_or(QString()), error);
        QCOMPARE(loaded.unread, unread);
    }

    void outlineWritesTabsPerLevel()
    {
        const QStringList lines = {QStringLiteral("G"), QStringLiteral("\ts"), QStringLiteral("\t\tdeeper"),
                                   QStringLiteral("H")};
        QCOMPARE(KestrelGroupOutline::write(KestrelGroupOutline::read(lines).nodes), lines);
    }
};

KESTREL_TEST(KestrelGroupFileTest)
#include "KestrelGroupFileTest.moc"
