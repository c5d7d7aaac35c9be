#include "FavoritesRig.h"

#include "browser/TfrmKestrelBrowser.h"
#include "favorites/FavoritesPanel.h"
#include "favorites/TfrmAddFavorite.h"
#include "favorites/TfrmFavorites.h"
#include "favorites/import/TfrmImportBookmarks.h"
#include "testkit/AppWarnings.h"
#include "testkit/TestRegistry.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QApplication>

namespace {
QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Runs the work on the modal dialog that the call opens.
template <typename Dialog>
void onDialog(const std::function<void(Dialog *)> &work)
{
    QTimer::singleShot(0, [work] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        work(dialog);
    });
}
}

// The favorites drop-down, the side panel and adding a favorite, on a folder of real files.
class FavoritesWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnAppWarnings(); }

    void dropDownListsFoldersFirstAndFillsBranchesOnce()
    {
        FavoritesRig rig;
        rig.folder(QStringLiteral("b"));
        rig.folder(QStringLiteral("A/inner"));
        rig.shortcut(QStringLiteral("A/x.url"), QStringLiteral("http://x.example/"));
        rig.shortcut(QStringLiteral("a.url"), QStringLiteral("http://a.example/"));
        rig.shortcut(QStringLiteral("C.url"), QStringLiteral("http://c.example/"));
        rig.window.show();
        QVERIFY(rig.commands.trigger(CommandIds::FavoritesDropDown));
        TfrmFavorites *dropDown = rig.subsystem->frmFavorites();
        QVERIFY(dropDown->isVisible());
        QCOMPARE(dropDown->size(), QSize(380, 620));
        QCOMPARE(dropDown->searchPattern(), rig.favorites + QStringLiteral("/*.*"));
        FavoritesTree *tree = dropDown->TreeView1();
        QCOMPARE(FavoritesRig::captions(tree),
                 (QStringList{QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("C")}));
        for (const char *name : {"hlAdd", "hlOpen", "hlRefresh"})
            QVERIFY(dropDown->findChild<QPushButton *>(QLatin1String(name))->text().startsWith(QStringLiteral("     ")));
        QCOMPARE(dropDown->findChild<QPushButton *>(QStringLiteral("hlAdd"))->text(), QStringLiteral("     Add to Favorites"));

        QTreeWidgetItem *folderA = FavoritesRig::node(tree, QStringLiteral("A"));
        tree->nodeClicked(folderA);
        tree->nodeClicked(folderA);
        QCOMPARE(FavoritesRig::captions(tree, folderA), (QStringList{QStringLiteral("inner"), QStringLiteral("x")}));

        // A shortcut in a branch opens in the active tab and the window goes.
        rig.tabs().AddBrowserTab(QStringLiteral("http://first.example/"));
        tree->nodeClicked(FavoritesRig::node(tree, QStringLiteral("x"), folderA));
        QCOMPARE(rig.navigated, QStringList{QStringLiteral("http://x.example/")});
        QCOMPARE(rig.tabs().count(), 1);
        QCOMPARE(rig.fake(0)->navigations.last(), QUrl(QStringLiteral("http://x.example/")));
        QVERIFY(!dropDown->isVisible());

        // A shortcut whose file went away does nothing.
        QVERIFY(rig.commands.trigger(CommandIds::FavoritesDropDown));
        QFile::remove(rig.favorites + QStringLiteral("/C.url"));
        tree->nodeClicked(FavoritesRig::node(tree, QStringLiteral("C")));
        QCOMPARE(rig.navigated.size(), 1);
        QVERIFY(dropDown->isVisible());
    }

    void refreshShowsAFileAddedMeanwhile()
    {
        FavoritesRig rig;
        rig.shortcut(QStringLiteral("old.url"), QStringLiteral("http://old/"));
        rig.window.show();
        rig.commands.trigger(CommandIds::FavoritesDropDown);
        TfrmFavorites *dropDown = rig.subsystem->frmFavorites();
        rig.shortcut(QStringLiteral("new.url"), QStringLiteral("http://new/"));
        QCOMPARE(FavoritesRig::captions(dropDown->TreeView1()), QStringList{QStringLiteral("old")});
        dropDown->findChild<QPushButton *>(QStringLiteral("hlRefresh"))->click();
        QVERIFY(dropDown->isVisible());
        QCOMPARE(FavoritesRig::captions(dropDown->TreeView1()), (QStringList{QStringLiteral("new"), QStringLiteral("old")}));

        dropDown->findChild<QPushButton *>(QStringLiteral("hlOpen"))->click();
        QCOMPARE(rig.openedFolders, QStringList{rig.favorites + QLatin1Char('/')});
    }

    void dropDownClosesOnDeactivationAndOnRequest()
    {
        FavoritesRig rig;
        rig.window.show();
        TfrmFavorites *dropDown = rig.subsystem->frmFavorites();
        rig.commands.trigger(CommandIds::FavoritesDropDown);
        QVERIFY(dropDown->isVisible());
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(dropDown, &deactivate);
        QVERIFY(!dropDown->isVisible());
        rig.commands.trigger(CommandIds::FavoritesDropDown);
        QMetaObject::invokeMethod(dropDown, "closeDropDown");
        QVERIFY(!dropDown->isVisible());
        rig.commands.trigger(CommandIds::FavoritesDropDown);
        dropDown->findChild<QToolButton *>(QStringLiteral("btnClose"))->click();
        QVERIFY(!dropDown->isVisible());
    }

    void dropDownIsCutAtTheScreenBottom()
    {
        FavoritesRig rig;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        TfrmFavorites *dropDown = rig.subsystem->frmFavorites();
        const QRect button(100, screen.bottom() - 300, 60, 24);
        dropDown->dropDownUnder(button);
        QCOMPARE(dropDown->geometry().topLeft(), QPoint(112, button.bottom() + 3));
        QCOMPARE(dropDown->geometry().bottom(), screen.bottom());
        dropDown->dropDownUnder(QRect(0, 0, 60, 24));
        QCOMPARE(dropDown->height(), 620);
    }

    void unavailableWithoutAFavoritesFolder()
    {
        FavoritesRig rig;
        rig.settings.writeString(FavoritesFolder::Section, FavoritesFolder::Key, QString());
        rig.window.show();
        rig.commands.trigger(CommandIds::FavoritesDropDown);
        TfrmFavorites *dropDown = rig.subsystem->frmFavorites();
        QVERIFY(dropDown->findChild<QLabel *>(QStringLiteral("Label2"))->isVisible());
        QVERIFY(!dropDown->TreeView1()->isVisible());
        QVERIFY(!dropDown->findChild<QPushButton *>(QStringLiteral("hlAdd"))->isVisible());
        QVERIFY(dropDown->height() < 200);
        QVERIFY(dropDown->searchPattern().isEmpty());
    }

    void sidePanelFollowsItsCommand()
    {
        FavoritesRig rig;
        rig.shortcut(QStringLiteral("a.url"), QStringLiteral("http://a/"));
        rig.window.show();
        Command *command = rig.commands.find(CommandIds::Favorites);
        QCOMPARE(command->shortcut(), QKeySequence(Qt::Key_F1));
        FavoritesPanel *panel = rig.subsystem->pnlFavorites();
        QVERIFY(panel->isHidden());
        QVERIFY(command->trigger());
        QVERIFY(!panel->isHidden());
        QVERIFY(command->isChecked());
        QTRY_COMPARE(panel->width(), 185);
        QCOMPARE(panel->minimumWidth(), 100);
        FavoritesTree *tree = panel->TreeFav();
        QCOMPARE(FavoritesRig::captions(tree), QStringList{QStringLiteral("a")});

        // While shown, the tree is not rebuilt; a file added meanwhile comes with the next show.
        rig.shortcut(QStringLiteral("b.url"), QStringLiteral("http://b/"));
        panel->showPanel();
        QCOMPARE(FavoritesRig::captions(tree), QStringList{QStringLiteral("a")});

        rig.commands.trigger(CommandIds::FavoritesDropDown);
        tree->nodeClicked(tree->topLevelItem(0));
        QCOMPARE(rig.navigated, QStringList{QStringLiteral("http://a/")});
        QVERIFY(!rig.subsystem->frmFavorites()->isVisible());

        panel->findChild<QToolButton *>(QStringLiteral("btnCloseFavPanel"))->click();
        QVERIFY(panel->isHidden());
        QVERIFY(!command->isChecked());
        command->trigger();
        QCOMPARE(FavoritesRig::captions(tree), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    }

    // The main window's NavigateActiveBrowser opens a tab when there is none.
    void shortcutWithNoTabOpensANewTab()
    {
        SettingsStore store;
        QTemporaryDir dir;
        store.writeString(FavoritesFolder::Section, FavoritesFolder::Key, dir.path());
        TextFile::writeLines(dir.filePath(QStringLiteral("site.url")), {QStringLiteral("URL=http://site.example/")});
        TfrmKestrelBrowser window([] { return std::make_unique<FakeControl>(); });
        QCOMPARE(window.tabbedBrowser().tabs().count(), 0);
        window.commands().trigger(CommandIds::Favorites);
        FavoritesTree *tree = window.favorites().pnlFavorites()->TreeFav();
        tree->nodeClicked(tree->topLevelItem(0));
        QCOMPARE(window.tabbedBrowser().tabs().count(), 1);
        auto *control = static_cast<FakeControl *>(window.GetActiveBrowser()->control());
        QCOMPARE(control->navigations.last(), QUrl(QStringLiteral("http://site.example/")));
        store.deleteValue(FavoritesFolder::Section, FavoritesFolder::Key);
    }

    void addToFavoritesWritesAShortcut()
    {
        FavoritesRig rig;
        rig.folder(QStringLiteral("Work/Old"));
        rig.subsystem->addToFavorites();
        QCOMPARE(rig.prompter.texts(), QStringList{QStringLiteral("There is currently nothing to add")});
        rig.prompter.clear();

        rig.openLoaded({QStringLiteral("http://page.example/")});
        onDialog<TfrmAddFavorite>([](TfrmAddFavorite *dialog) {
            QCOMPARE(dialog->edName()->text(), QStringLiteral("Title of http://page.example/"));
            QCOMPARE(dialog->cboFolder()->count(), 3);
            QCOMPARE(dialog->cboFolder()->itemText(2), QStringLiteral("Favorites/Work/Old"));
            dialog->cboFolder()->setCurrentIndex(1);
            dialog->edName()->setText(QStringLiteral("../escape"));
            dialog->accept();
            QVERIFY(dialog->isVisible());
            dialog->edName()->setText(QStringLiteral("Page"));
            dialog->accept();
        });
        rig.subsystem->addToFavorites();
        QCOMPARE(rig.prompter.shown().size(), 1);
        QVERIFY(rig.prompter.texts().first().startsWith(QStringLiteral("The name \"../escape\" cannot be used")));
        const QString written = rig.favorites + QStringLiteral("/Work/Page.url");
        QCOMPARE(bytesOf(written), QByteArray("[InternetShortcut]\r\nURL=http://page.example/\r\n"));

        // An existing favorite is replaced only on Yes.
        rig.fake(0)->loadPage(QUrl(QStringLiteral("http://other.example/")), QStringLiteral("Page"));
        for (const Prompter::Answer answer : {Prompter::Answer::No, Prompter::Answer::Yes}) {
            rig.prompter.clear();
            rig.prompter.queueAnswer(answer);
            onDialog<TfrmAddFavorite>([](TfrmAddFavorite *dialog) {
                dialog->cboFolder()->setCurrentIndex(1);
                dialog->accept();
                if (dialog->isVisible())
                    dialog->reject();
            });
            rig.subsystem->addToFavorites();
            QCOMPARE(rig.prompter.texts(),
                     QStringList{QStringLiteral("A favorite named \"Page\" already exists. Do you want to replace it?")});
            QCOMPARE(bytesOf(written).contains("other.example"), answer == Prompter::Answer::Yes);
        }
    }

    void importDialogOffersTheProfilesAndAFilePickedByHand()
    {
        ScriptedPrompter prompter;
        const BookmarkProfile firefox{BookmarkProfile::Kind::Firefox, QStringLiteral("Firefox"), QStringLiteral("p1"),
                                      QStringLiteral("/home/u/.mozilla/firefox/p1/places.sqlite")};
        TfrmImportBookmarks dialog(prompter, {firefox});
        QCOMPARE(dialog.lstProfiles()->count(), 1);
        QCOMPARE(dialog.chosen()->file, firefox.file);

        prompter.queueText(QStringLiteral("/backup/Default/Bookmarks"));
        dialog.findChild<QPushButton *>(QStringLiteral("btnOtherFile"))->click();
        QCOMPARE(dialog.chosen()->kind, BookmarkProfile::Kind::Chromium);
        QCOMPARE(dialog.chosen()->profile, QStringLiteral("Default"));
        prompter.queueText(std::nullopt);
        dialog.otherFile();
        QCOMPARE(dialog.lstProfiles()->count(), 2);

        TfrmImportBookmarks empty(prompter, {});
        QVERIFY(!empty.chosen());
    }
};

KESTREL_TEST(FavoritesWindowsTest)
#include "FavoritesWindowsTest.moc"
