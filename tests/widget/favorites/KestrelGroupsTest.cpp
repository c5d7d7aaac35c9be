#include "FavoritesRig.h"

#include "favorites/KestrelGroupFile.h"
#include "favorites/KestrelGroupTree.h"
#include "favorites/KestrelGroupsMenu.h"
#include "favorites/TfrmKestrelGroups.h"
#include "testkit/AppWarnings.h"
#include "testkit/TestRegistry.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
const QStringList NewsAndSport = {QStringLiteral("News"), QStringLiteral("\thttp://a/"), QStringLiteral("\thttp://b/"),
                                  QStringLiteral("Sport"), QStringLiteral("\thttp://c/")};
const QStringList FiveSites = {QStringLiteral("Five"), QStringLiteral("\thttp://s1/"), QStringLiteral("\thttp://s2/"),
                               QStringLiteral("\thttp://s3/"), QStringLiteral("\thttp://s4/"), QStringLiteral("\thttp://s5/"),
                               QStringLiteral("One"), QStringLiteral("\thttp://only/"), QStringLiteral("None")};

QStringList menuCaptions(const QMenu *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}
}

// Kestrel Groups: the groups menu, opening a group, a group from the open tabs and the manager.
class KestrelGroupsTest : public QObject
{
    Q_OBJECT

    static QStringList addresses(FavoritesRig &rig)
    {
        QStringList list;
        for (int i = 0; i < rig.tabs().count(); ++i)
            list.append(rig.fake(i)->navigations.isEmpty() ? QString() : rig.fake(i)->navigations.last().toString());
        return list;
    }
    static QStringList fileLines(const FavoritesRig &rig)
    {
        return TextFile::readLines(rig.groupFile()).value_or(QStringList{QStringLiteral("<missing>")});
    }

private slots:
    void init() { failOnAppWarnings(); }

    void menuListsTheGroupsAfterItsFixedItems()
    {
        FavoritesRig rig;
        Command *command = rig.commands.find(CommandIds::KestrelGroups);
        QMenu *menu = command->menu();
        QCOMPARE(menu, rig.subsystem->PopupMenuKestrelGroups());
        const QStringList fixed = {QStringLiteral("&Manage Groups"), QStringLiteral("Create &Group From Current Open Tabs"),
                                   QStringLiteral("-"), QStringLiteral("&Close Other Tabs When Opening Groups"),
                                   QStringLiteral("-")};
        rig.subsystem->PopupMenuKestrelGroups()->PopupMenuKestrelGroupsPopup();
        QCOMPARE(menuCaptions(menu), fixed);
        QVERIFY(menu->actions().at(3)->isChecked());

        TextFile::writeLines(rig.groupFile(), NewsAndSport + QStringList{QString(), QStringLiteral("R&D")});
        rig.subsystem->PopupMenuKestrelGroups()->PopupMenuKestrelGroupsPopup();
        rig.subsystem->PopupMenuKestrelGroups()->PopupMenuKestrelGroupsPopup();
        const QStringList groups = {QStringLiteral("News"), QStringLiteral("Sport"), QStringLiteral("R&D")};
        QCOMPARE(menuCaptions(menu), fixed + groups);

        // The check item inverts "Close OnKestrel"; a group item opens with the stored value.
        menu->actions().at(3)->trigger();
        QCOMPARE(rig.settings.readString(SettingsStore::MainSection, KestrelGroupFile::CloseOthersKey), QStringLiteral("0"));
        rig.subsystem->PopupMenuKestrelGroups()->PopupMenuKestrelGroupsPopup();
        QVERIFY(!menu->actions().at(3)->isChecked());
        rig.openLoaded({QStringLiteral("http://kept/")});
        menu->actions().at(5)->trigger();
        QCOMPARE(addresses(rig), (QStringList{QStringLiteral("http://kept/"), QStringLiteral("http://a/"), QStringLiteral("http://b/")}));
    }

    void openingAGroup_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<bool>("closeOthers");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<QStringList>("captions");
        const QStringList three = {QStringLiteral("http://t1/"), QStringLiteral("http://t2/"), QStringLiteral("http://t3/")};
        const QStringList threeTitles = {QStringLiteral("Title of http://t1/"), QStringLiteral("Title of http://t2/"),
                                         QStringLiteral("Title of http://t3/")};
        QTest::newRow("five sites reuse three tabs")
            << QStringLiteral("five") << true
            << QStringList{QStringLiteral("http://s1/"), QStringLiteral("http://s2/"), QStringLiteral("http://s3/"),
                           QStringLiteral("http://s4/"), QStringLiteral("http://s5/")}
            << QStringList{QStringLiteral("Browser 1 Loading..."), QStringLiteral("Browser 2 Loading..."),
                           QStringLiteral("Browser 3 Loading..."), QStringLiteral("Browser 4 Loading..."),
                           QStringLiteral("Browser 5 Loading...")};
        QTest::newRow("one site leaves one tab")
            << QStringLiteral("ONE") << true << QStringList{QStringLiteral("http://only/")}
            << QStringList{QStringLiteral("Browser 1 Loading...")};
        QTest::newRow("without closing, new tabs")
            << QStringLiteral("one") << false << three + QStringList{QStringLiteral("http://only/")}
            << threeTitles + QStringList{QStringLiteral("Browser 4 Loading...")};
        QTest::newRow("a group without sites leaves the tabs alone") << QStringLiteral("None") << true << three << threeTitles;
        QTest::newRow("an unknown group leaves the tabs alone") << QStringLiteral("Weather") << true << three << threeTitles;
    }
    void openingAGroup()
    {
        QFETCH(QString, group);
        QFETCH(bool, closeOthers);
        QFETCH(QStringList, tabs);
        QFETCH(QStringList, captions);
        FavoritesRig rig;
        TextFile::writeLines(rig.groupFile(), FiveSites);
        rig.openLoaded({QStringLiteral("http://t1/"), QStringLiteral("http://t2/"), QStringLiteral("http://t3/")});
        rig.subsystem->OpenKestrelGroup(group, closeOthers);
        QCOMPARE(addresses(rig), tabs);
        QStringList shown;
        for (int i = 0; i < rig.tabs().count(); ++i)
            shown.append(rig.caption(i));
        QCOMPARE(shown, captions);
        QVERIFY(rig.prompter.shown().isEmpty());
    }

    void newsGroupOpensTwoTabsAndAMissingFileIsReported()
    {
        FavoritesRig rig;
        rig.subsystem->OpenKestrelGroup(QStringLiteral("News"), false);
        QCOMPARE(rig.prompter.texts(), QStringList{QStringLiteral("Data file not found")});
        QCOMPARE(rig.tabs().count(), 0);
        TextFile::writeLines(rig.groupFile(), NewsAndSport);
        rig.subsystem->OpenKestrelGroup(QStringLiteral("news"), false);
        QCOMPARE(addresses(rig), (QStringList{QStringLiteral("http://a/"), QStringLiteral("http://b/")}));
    }

    void groupFromTheOpenTabs()
    {
        FavoritesRig rig;
        TextFile::writeLines(rig.groupFile(), NewsAndSport);
        rig.openLoaded({QStringLiteral("http://one/")});
        rig.tabs().AddBrowserTab(QString());
        rig.prompter.queueText(QStringLiteral("SPORT"));
        rig.prompter.queueText(QStringLiteral("Mine"));
        rig.commands.find(CommandIds::KestrelGroups)->menu()->actions().at(1)->trigger();
        QCOMPARE(rig.prompter.shown().size(), 2);
        QCOMPARE(rig.prompter.shown().at(0).caption, QStringLiteral("New Kestrel Group"));
        QCOMPARE(rig.prompter.texts(),
                 (QStringList{QStringLiteral("Please enter a name for the new kestrel group"),
                              QStringLiteral("The name you selected is already taken, please enter a different one.")}));
        const QStringList expected =
            NewsAndSport + QStringList{QStringLiteral("Mine"), QStringLiteral("\thttp://one/"), QStringLiteral("\t")};
        QCOMPARE(fileLines(rig), expected);
        // The blank tab's line gives an empty address, which opens the homepage.
        rig.subsystem->OpenKestrelGroup(QStringLiteral("mine"), false);
        QCOMPARE(rig.tabs().count(), 4);
        QCOMPARE(rig.tabs().tabAt(3)->OpenedAddress, rig.tabs().tabAt(1)->OpenedAddress);

        rig.prompter.clear();
        rig.subsystem->createGroupFromTabs();
        QCOMPARE(fileLines(rig).size(), NewsAndSport.size() + 3);
    }

    void managerEditsAndWritesBackOnClose()
    {
        FavoritesRig rig;
        TextFile::writeLines(rig.groupFile(), NewsAndSport + QStringList{QStringLiteral("Empty")});
        rig.setSetting(KestrelGroupFile::DefaultGroupKey, QStringLiteral("news"));
        {
            TfrmKestrelGroups manager(rig.settings, rig.prompter, rig.groupFile());
            QCOMPARE(manager.windowTitle(), QStringLiteral("Kestrel Group Management"));
            KestrelGroupTree *tree = manager.TreeView1();
            QCOMPARE(FavoritesRig::captions(tree), (QStringList{QStringLiteral("News"), QStringLiteral("Sport"), QStringLiteral("Empty")}));
            auto *addSite = manager.findChild<QPushButton *>(QStringLiteral("Button6"));
            QVERIFY(!addSite->isEnabled());
            QTreeWidgetItem *news = tree->topLevelItem(0);
            QTreeWidgetItem *sport = tree->topLevelItem(1);
            tree->setCurrentItem(sport->child(0));
            QVERIFY(addSite->isEnabled());

            // A site dropped on a site is refused; on a group it becomes the first site.
            QVERIFY(!KestrelGroupTree::dropSite(sport->child(0), news->child(1)));
            QVERIFY(KestrelGroupTree::dropSite(sport->child(0), news));
            QCOMPARE(news->child(0)->text(0), QStringLiteral("http://c/"));
            QCOMPARE(sport->childCount(), 0);

            // Deleting asks first; only Yes deletes.
            tree->setCurrentItem(news->child(2));
            rig.prompter.queueAnswer(Prompter::Answer::No);
            manager.deleteSelected();
            rig.prompter.queueAnswer(Prompter::Answer::Yes);
            manager.deleteSelected();
            QCOMPARE(rig.prompter.texts(), QStringList(2, QStringLiteral("Are you sure you want to delete the item \"http://b/\"?")));
            rig.prompter.clear();
            tree->setCurrentItem(news);
            manager.deleteSelected();
            QCOMPARE(rig.prompter.texts(),
                     QStringList{QStringLiteral("Are you sure you want to delete the group \"News\" and all of its contents?")});

            // Move down among siblings, a site added with Insert, the default group renamed.
            manager.moveDown();
            QCOMPARE(FavoritesRig::captions(tree), (QStringList{QStringLiteral("Sport"), QStringLiteral("News"), QStringLiteral("Empty")}));
            tree->setCurrentItem(news->child(0));
            QTest::keyClick(tree, Qt::Key_Insert);
            QCOMPARE(news->childCount(), 3);
            QCOMPARE(news->child(2)->text(0), QStringLiteral("http://"));
            news->child(2)->setText(0, QStringLiteral("http://new/"));
            news->setText(0, QStringLiteral("Headlines"));
            QCOMPARE(rig.settings.readString(SettingsStore::MainSection, KestrelGroupFile::DefaultGroupKey),
                     QStringLiteral("Headlines"));
            manager.findChild<QPushButton *>(QStringLiteral("Button4"))->click();
        }
        // Groups without sites are gone.
        QCOMPARE(fileLines(rig), (QStringList{QStringLiteral("Headlines"), QStringLiteral("\thttp://c/"),
                                              QStringLiteral("\thttp://a/"), QStringLiteral("\thttp://new/")}));
    }

    void managerSetsTheDefaultGroup()
    {
        FavoritesRig rig;
        TextFile::writeLines(rig.groupFile(), NewsAndSport);
        TfrmKestrelGroups manager(rig.settings, rig.prompter, rig.groupFile());
        manager.TreeView1()->setCurrentItem(manager.TreeView1()->topLevelItem(1)->child(0));
        manager.findChild<QToolButton *>(QStringLiteral("ToolButton4"))->click();
        QCOMPARE(rig.settings.readString(SettingsStore::MainSection, KestrelGroupFile::DefaultGroupKey), QStringLiteral("Sport"));
        QVERIFY(manager.TreeView1()->topLevelItem(1)->font(0).bold());
        QVERIFY(!manager.TreeView1()->topLevelItem(0)->font(0).bold());
        manager.reject();
        QCOMPARE(fileLines(rig), NewsAndSport);
    }

    void managerKeepsTheLinesAfterAnInvalidLevel()
    {
        FavoritesRig rig;
        const QStringList lines = {QStringLiteral("News"), QStringLiteral("\thttp://a/"), QStringLiteral("\t\t\tbad"),
                                   QStringLiteral("Sport"), QStringLiteral("\thttp://c/")};
        TextFile::writeLines(rig.groupFile(), lines);
        {
            TfrmKestrelGroups manager(rig.settings, rig.prompter, rig.groupFile());
            QCOMPARE(rig.prompter.texts(), QStringList{QStringLiteral("Invalid level (3) for item \"bad\"")});
            QCOMPARE(FavoritesRig::captions(manager.TreeView1()), QStringList{QStringLiteral("News")});
            manager.close();
        }
        QCOMPARE(fileLines(rig), lines);
    }

    void managerWithoutAFileStartsEmptyAndMakesIt()
    {
        FavoritesRig rig;
        {
            TfrmKestrelGroups manager(rig.settings, rig.prompter, rig.groupFile());
            QCOMPARE(rig.prompter.texts(), QStringList{QStringLiteral("Cannot open file ") + rig.groupFile()});
            manager.addGroup();
            manager.addSite();
            manager.accept();
        }
        QCOMPARE(fileLines(rig), (QStringList{QStringLiteral("New Item"), QStringLiteral("\thttp://")}));
    }
};

KESTREL_TEST(KestrelGroupsTest)
#include "KestrelGroupsTest.moc"
