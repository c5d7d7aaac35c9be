#include "ChromeWindow.h"
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/tabs/BrowserTab.h"
#include "search/SearchSubsystem.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"
#include "ui/CommandIds.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

using namespace Qt::StringLiterals;

namespace {
const QString &Main = SettingsStore::MainSection;

QString bandSection(const QString &name)
{
    return Main + u"\\CoolBands\\"_s + name;
}
}

// The window chrome of the main window: bands and their settings across restarts, the button
// modes, window sizes, and menus and bars built from the commands that exist.
class WindowChromeTest : public QObject
{
    Q_OBJECT

    SettingsStore m_store;

private slots:
    void init()
    {
        failOnChromeWarnings();
        forgetStoredWindow();
    }

    void aFirstStartShowsTheDesignLayout()
    {
        ChromeWindow w;
        w.window.show();
        QCOMPARE(w.bandOrder(), (QStringList{u"Menu"_s, u"Animate"_s, u"Toolbar"_s, u"KestrelTools"_s, u"QuickSearch"_s,
                                             u"QuickQuote"_s, u"Address"_s}));
        QVERIFY(!w.band(u"KestrelTools"_s).visible);
        for (const QString &name : {u"Menu"_s, u"Animate"_s, u"Toolbar"_s, u"QuickSearch"_s, u"QuickQuote"_s, u"Address"_s})
            QVERIFY2(w.band(name).visible, qPrintable(name));
        QCOMPARE(w.band(u"Menu"_s).width, 888);
        QCOMPARE(w.band(u"Toolbar"_s).width, 635);
        QCOMPARE(w.band(u"Address"_s).width, 915);
        QVERIFY(w.band(u"Toolbar"_s).breakBefore);
        QVERIFY(!w.band(u"Animate"_s).breakBefore);
        QVERIFY(w.band(u"Address"_s).breakBefore);
        // Three rows: menu and animation, buttons, address.
        QCOMPARE(w.bands().bands().arrange(w.bands().width()).size(), 3);
        QCOMPARE(w.menuBarCaptions(), (QStringList{u"&File"_s, u"&Edit"_s, u"&View"_s, u"&Go"_s, u"&Options"_s,
                                                   u"F&avorites"_s, u"&Kestrel Groups"_s, u"&Tabs"_s, u"&Help"_s}));
        QCOMPARE(ChromeWindow::captions(w.menu(u"&Help"_s)->actions()),
                 (QStringList{u"&Online Help"_s, u"&Home Page"_s, QString(), u"&About"_s}));
        // No stored button mode: icons only.
        QCOMPARE(w.buttonSize(CommandIds::Back), QSize(27, 27));
    }

    void theKestrelToolsBandShownComesBackInItsPlaceAfterARestart()
    {
        int index = -1;
        {
            ChromeWindow w;
            w.window.show();
            QVERIFY(ChromeWindow::choose(w.chrome().ToolbarsMenu(), u"&Kestrel Tools Bar"_s));
            QVERIFY(w.band(u"KestrelTools"_s).visible);
            index = w.bandIndex(u"KestrelTools"_s);
            // Hiding the address bar from the band menu.
            QVERIFY(ChromeWindow::choose(w.chrome().PopupMenuCoolbarView(), u"Address Bar"_s));
            QVERIFY(!w.band(u"Address"_s).visible);
            w.window.close();
        }
        QCOMPARE(m_store.readString(bandSection(u"KestrelTools"_s), u"Visible"_s), u"1"_s);
        QCOMPARE(m_store.readString(bandSection(u"KestrelTools"_s), u"Index"_s), QString::number(index));
        QCOMPARE(m_store.readString(bandSection(u"Toolbar"_s), u"Width"_s), u"635"_s);
        ChromeWindow again;
        again.window.show();
        QVERIFY(again.band(u"KestrelTools"_s).visible);
        QCOMPARE(again.bandIndex(u"KestrelTools"_s), index);
        QVERIFY(!again.band(u"Address"_s).visible);
        emit again.chrome().PopupMenuCoolbarView()->aboutToShow();
        QVERIFY(ChromeWindow::entry(again.chrome().PopupMenuCoolbarView(), u"Kestrel Tools Bar"_s)->isChecked());
        QVERIFY(!ChromeWindow::entry(again.chrome().PopupMenuCoolbarView(), u"Address Bar"_s)->isChecked());
    }

    void storedBandsFillWhatIsMissingWithTheDefaults()
    {
        // Index only: 250 wide and hidden.
        m_store.writeInteger(bandSection(u"Address"_s), u"Index"_s, 2);
        // A place that does not exist is skipped; the next band is still done.
        m_store.writeInteger(bandSection(u"KestrelTools"_s), u"Index"_s, 40);
        m_store.writeInteger(bandSection(u"KestrelTools"_s), u"Visible"_s, 1);
        // The menu band comes first and visible whatever was stored.
        m_store.writeInteger(bandSection(u"Menu"_s), u"Index"_s, 3);
        m_store.writeInteger(bandSection(u"Menu"_s), u"Visible"_s, 0);
        ChromeWindow w;
        w.window.show();
        QCOMPARE(w.band(u"Address"_s).width, 250);
        QVERIFY(!w.band(u"Address"_s).visible);
        QVERIFY(!w.band(u"KestrelTools"_s).visible);
        QCOMPARE(w.bandIndex(u"Menu"_s), 0);
        QVERIFY(w.band(u"Menu"_s).visible);
    }

    void theStoredButtonModeSetsTheButtons_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("written");
        QTest::newRow("absent") << QString() << QSize(27, 27) << u"IconsOnly"_s;
        QTest::newRow("icons only") << u"IconsOnly"_s << QSize(27, 27) << u"IconsOnly"_s;
        QTest::newRow("text and icons") << u"Normal"_s << QSize(55, 40) << u"Normal"_s;
        QTest::newRow("text only") << u"TextOnly"_s << QSize() << u"TextOnly"_s;
        QTest::newRow("anything else: as designed") << u"Large"_s << QSize(55, 40) << u"Normal"_s;
    }

    void theStoredButtonModeSetsTheButtons()
    {
        QFETCH(QString, stored);
        QFETCH(QSize, size);
        QFETCH(QString, written);
        if (!stored.isNull())
            m_store.writeString(Main, u"ToolBarMain"_s, stored);
        {
            ChromeWindow w;
            w.window.show();
            const QToolButton *back = w.chrome().ToolBar2()->button(CommandIds::Back);
            if (size.isValid()) {
                QCOMPARE(back->size(), size);
            } else {
                QCOMPARE(back->height(), 25);
                QCOMPARE(back->toolButtonStyle(), Qt::ToolButtonTextOnly);
                // Sized to its caption: the longer caption is the wider button.
                QVERIFY(w.buttonSize(CommandIds::TabDown).width() > back->width());
            }
            w.window.close();
        }
        QCOMPARE(m_store.readString(Main, u"ToolBarMain"_s), written);
    }

    void iconsOnlyChosenFromTheMenuSurvivesARestart()
    {
        m_store.writeString(Main, u"ToolBarMain"_s, u"Normal"_s);
        {
            ChromeWindow w;
            w.window.show();
            QCOMPARE(w.buttonSize(CommandIds::Back), QSize(55, 40));
            QCOMPARE(w.band(u"Toolbar"_s).minHeight, 42);
            emit w.chrome().ToolbarsMenu()->aboutToShow();
            QVERIFY(ChromeWindow::entry(w.chrome().ToolbarsMenu(), u"&Text and Icons"_s)->isChecked());
            QVERIFY(ChromeWindow::choose(w.chrome().PopupMenuCoolbarView(), u"Icons Only"_s));
            QCOMPARE(w.buttonSize(CommandIds::Back), QSize(27, 27));
            QCOMPARE(w.band(u"Toolbar"_s).minHeight, 28);
            w.window.close();
        }
        ChromeWindow again;
        again.window.show();
        QCOMPARE(again.buttonSize(CommandIds::Back), QSize(27, 27));
        QCOMPARE(again.chrome().ToolBar2()->toolButtonStyle(), Qt::ToolButtonIconOnly);
        emit again.chrome().ToolbarsMenu()->aboutToShow();
        QVERIFY(ChromeWindow::entry(again.chrome().ToolbarsMenu(), u"&Icons Only"_s)->isChecked());
        // The hidden "&Text Only" entry is there for the key; it sets captions without images.
        QAction *textOnly = ChromeWindow::entry(again.chrome().ToolbarsMenu(), u"&Text Only"_s);
        QVERIFY(textOnly && !textOnly->isVisible());
        textOnly->trigger();
        QCOMPARE(again.chrome().ToolBar2()->toolButtonStyle(), Qt::ToolButtonTextOnly);
    }

    void aWindowSizeOnAMaximizedWindowRestoresItFirst()
    {
        ChromeWindow w;
        w.window.showMaximized();
        QVERIFY(w.window.isMaximized());
        QCOMPARE(ChromeWindow::captions(w.chrome().WindowSizeMenu()->actions()),
                 (QStringList{u"640 X 480"_s, u"800 X 600"_s, u"1024 X 768"_s, u"1152 X 864"_s, u"1280 X 1024"_s,
                              u"1600 X 1200"_s, u"1920 X 1080"_s, u"1920 X 1200"_s}));
        QVERIFY(ChromeWindow::choose(w.chrome().WindowSizeMenu(), u"1024 X 768"_s));
        QVERIFY(!w.window.isMaximized());
        QCOMPARE(w.window.frameGeometry().size(), QSize(1024, 768));
    }

    void menusAndBarsHoldTheEntriesOfTheCommandsThatExist()
    {
        ChromeWindow w;
        CommandRegistry &commands = w.window.commands();
        QMenu groups;
        QMenu pageFormat;
        QMenu mail;
        // Commands of other parts of the program, registered after the chrome was built.
        for (const QString &id : {CommandIds::AddNote, CommandIds::SaveTextArea, CommandIds::InsertFormData,
                                  CommandIds::UpdateSearchList, CommandIds::SpellCheck, CommandIds::Favorites,
                                  CommandIds::FavoritesDropDown, CommandIds::KestrelGroups, CommandIds::PageFormat,
                                  CommandIds::Mail, CommandIds::Translate, CommandIds::KestrelOptions,
                                  CommandIds::DownloadDictionaries, CommandIds::ClearSearchHistory, CommandIds::Search}) {
            if (!commands.find(id))
                QVERIFY(commands.add(id, id, id, {}, [] {}));
        }
        for (const auto &[id, menu] : {std::pair{CommandIds::KestrelGroups, &groups},
                                       std::pair{CommandIds::PageFormat, &pageFormat}, std::pair{CommandIds::Mail, &mail}}) {
            if (!commands.find(id)->menu())
                commands.find(id)->setMenu(menu);
        }

        QCOMPARE(w.menuBarCaptions(), (QStringList{u"&File"_s, u"&Edit"_s, u"&View"_s, u"&Go"_s, u"&Options"_s,
                                                   u"F&avorites"_s, u"&Kestrel Groups"_s, u"&Tabs"_s, u"&Help"_s}));
        QVERIFY(w.menu(u"&Kestrel Groups"_s) == commands.find(CommandIds::KestrelGroups)->menu());
        QMenu *file = w.menu(u"&File"_s);
        QCOMPARE(ChromeWindow::captions(file->actions()),
                 (QStringList{u"&New"_s, u"&Open"_s, u"&Save As"_s, u"Form Data"_s, u"&Close Page"_s, QString(),
                              u"View Web Page As Text"_s, u"Proper&ties"_s, u"Page Set&up"_s, u"&Print"_s, QString(),
                              u"Update Search &List"_s, QString(), u"E&xit"_s}));
        QCOMPARE(ChromeWindow::captions(file->actions()[0]->menu()->actions()),
                 (QStringList{u"&Browser Tab"_s, u"Post Note"_s}));
        QCOMPARE(ChromeWindow::captions(file->actions()[3]->menu()->actions()),
                 (QStringList{u"Save Text Area As Text File"_s, u"Insert Text File Into Text Area"_s,
                              u"Save All Form Data"_s, u"Insert Form Data From File"_s}));
        QCOMPARE(ChromeWindow::captions(w.menu(u"&Edit"_s)->actions()),
                 (QStringList{u"Cu&t"_s, u"&Copy"_s, u"&Paste"_s, QString(), u"Select &All"_s, QString(), u"&Find"_s,
                              u"Spell Check"_s}));
        QMenu *view = w.menu(u"&View"_s);
        QCOMPARE(ChromeWindow::captions(view->actions()),
                 (QStringList{u"&Toolbars"_s, u"&Browser Tabs"_s, u"&Window Size"_s, u"&Page Format"_s, QString(),
                              u"F&ullscreen"_s, u"&Favorites"_s, u"Sour&ce"_s, QString(), u"&Refresh"_s, u"&Stop"_s,
                              QString(), u"&Internet Options..."_s}));
        QVERIFY(view->actions()[3]->menu() == commands.find(CommandIds::PageFormat)->menu());
        QCOMPARE(view->actions()[5]->shortcut(), QKeySequence(Qt::Key_F8));
        QCOMPARE(ChromeWindow::captions(w.menu(u"&Options"_s)->actions()),
                 (QStringList{u"&Homepage Setup"_s, u"&Kestrel Browser Options"_s, u"&Auto Complete Setup"_s,
                              u"&Spell Checker Setup"_s, QString(), u"Clear Typed &URL List"_s,
                              u"&Clear Search History"_s, QString(), u"&Save Workspace on Exit"_s, QString(),
                              u"&New Window Settings"_s}));

        QStringList buttons;
        for (QAction *action : w.chrome().ToolBar2()->actions())
            buttons << (action->text().isEmpty() ? u"|"_s : action->text());
        QCOMPARE(buttons, (QStringList{u"Back"_s, u"Forward"_s, u"Stop"_s, u"Refresh"_s, u"Home"_s, u"|"_s,
                                       u"Search"_s, u"Favorties"_s, u"Mail"_s, u"Print"_s, u"Add Note"_s,
                                       u"Spell Check"_s, u"Fullscreen"_s, u"|"_s, u"New Tab"_s, u"Move Up"_s,
                                       u"Move Down"_s, u"tbPrevious"_s, u"tbNext"_s, u"Close Tab"_s}));
        QCOMPARE(w.chrome().ToolBar2()->button(CommandIds::Mail)->menu(), commands.find(CommandIds::Mail)->menu());
        QCOMPARE(w.chrome().ToolBar2()->button(CommandIds::Mail)->popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(w.chrome().ToolBar2()->button(CommandIds::Favorites)->toolTip(), u"Favorties"_s);
        QCOMPARE(w.chrome().ToolBar2()->button(CommandIds::FullScreen)->toolTip(), u"Fullscreen View"_s);
        QStringList tools;
        for (QAction *action : w.chrome().ToolBar4()->actions())
            tools << (action->text().isEmpty() ? u"|"_s : action->text());
        // Dividers are 8 wide.
        QCOMPARE(w.chrome().ToolBar4()->widgetForAction(w.chrome().ToolBar4()->actions()[1])->width(), 8);
        QCOMPARE(tools, (QStringList{u"Translate Language"_s, u"|"_s, u"Modify Page Format"_s}));
        QCOMPARE(w.chrome().ToolBar4()->button(CommandIds::PageFormat)->menu(), commands.find(CommandIds::PageFormat)->menu());
        QCOMPARE(w.chrome().ToolBar4()->button(CommandIds::PageFormat)->popupMode(), QToolButton::InstantPopup);
    }

    void theWorkspaceEntryAndTheHelpPages()
    {
        ChromeWindow w;
        QMenu *options = w.menu(u"&Options"_s);
        QAction *save = ChromeWindow::entry(options, u"&Save Workspace on Exit"_s);
        m_store.writeBool(Main, u"Save Workspace"_s, false);
        emit options->aboutToShow();
        QVERIFY(!save->isChecked());
        save->trigger();
        QVERIFY(m_store.readBool(Main, u"Save Workspace"_s, false));
        emit options->aboutToShow();
        QVERIFY(save->isChecked());

        TabSet &tabs = w.window.tabbedBrowser().tabs();
        QVERIFY(ChromeWindow::choose(w.menu(u"&Help"_s), u"&Online Help"_s));
        QCOMPARE(tabs.caption(tabs.tabAt(tabs.count() - 1)), u"Online Help"_s);
        QCOMPARE(w.controls.last()->navigations.last().path(), u"/kestrelbrowser/help.html"_s);
        QVERIFY(ChromeWindow::choose(w.menu(u"&Help"_s), u"&Home Page"_s));
        QCOMPARE(w.controls.last()->navigations.last().path(), u"/kestrelbrowser/index.html"_s);
    }

    void aBarPlacedInItsBandAppearsInItsPlace()
    {
        // The search bars are placed by the main window once the chrome is built.
        ChromeWindow w;
        QVERIFY(w.bands().bandBar(u"QuickQuote"_s) == w.window.search().quickQuoteBar());
        QVERIFY(w.bands().bandBar(u"QuickSearch"_s) == w.window.search().quickSearchBar());
        QCOMPARE(w.band(u"QuickQuote"_s).width, 90);
        emit w.chrome().PopupMenuCoolbarView()->aboutToShow();
        QVERIFY(ChromeWindow::entry(w.chrome().PopupMenuCoolbarView(), u"Quick Search Bar"_s)->isVisible());
        QVERIFY(ChromeWindow::entry(w.chrome().PopupMenuCoolbarView(), u"Quick Search Bar"_s)->isChecked());
    }

    void theBandMenuOpensOnTheContainerAndOnEveryBar()
    {
        ChromeWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QMenu *menu = w.chrome().PopupMenuCoolbarView();
        QCOMPARE(ChromeWindow::captions(menu->actions()),
                 (QStringList{u"Kestrel Tools Bar"_s, u"Quick Quote Bar"_s, u"Quick Search Bar"_s, u"Address Bar"_s,
                              u"Standard Buttons"_s, QString(), u"Text and Icons"_s, u"Icons Only"_s}));
        for (QWidget *bar : {static_cast<QWidget *>(w.chrome().ToolBar2()), static_cast<QWidget *>(w.chrome().ToolBarMain()),
                             static_cast<QWidget *>(&w.bands())}) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), bar->mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(bar, &event);
            QVERIFY2(QTest::qWaitFor([&] { return menu->isVisible(); }), qPrintable(bar->objectName()));
            menu->close();
        }
    }

    void theAboutBoxNamesTheProductAndTheVersions()
    {
        QMainWindow window;
        CommandRegistry commands;
        ScriptedPrompter prompter;
        Workspace workspace(m_store, DataFolder::path());
        WindowChrome chrome({window, commands, m_store, prompter, workspace, [] {},
                             [](const QString &, const QString &) {}, new QWidget, new QComboBox, nullptr, nullptr});
        QVERIFY(commands.trigger(CommandIds::About));
        QCOMPARE(prompter.shown().size(), 1);
        const ScriptedPrompter::Shown &about = prompter.shown().first();
        QCOMPARE(about.kind, ScriptedPrompter::Kind::Message);
        QCOMPARE(about.caption, u"About Kestrel Browser"_s);
        QVERIFY(about.text.startsWith(u"Kestrel Browser 5.0"_s));
        QVERIFY(about.text.contains(u"Qt "_s + QString::fromLatin1(qVersion())));
        QVERIFY(about.text.contains(u"Qt WebEngine "_s + QString::fromLatin1(qWebEngineVersion())));
        QVERIFY(about.text.contains(QString::fromLatin1(qWebEngineChromiumVersion())));
    }

    void aBandDraggedByItsGripGoesToAnotherRow()
    {
        ChromeWindow w;
        w.window.resize(1000, 700);
        w.window.show();
        QWidget *grip = w.bands().grip(u"Address"_s);
        QVERIFY(grip);
        // Dropped on the menu row, right of its bands: the address box joins that row.
        QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(2, 2));
        const QPoint onMenuRow(w.bands().width() - 5, 5);
        QTest::mouseRelease(grip, Qt::LeftButton, {}, grip->mapFrom(&w.bands(), onMenuRow));
        QCOMPARE(w.bandOrder(), (QStringList{u"Menu"_s, u"Animate"_s, u"Address"_s, u"Toolbar"_s, u"KestrelTools"_s,
                                             u"QuickSearch"_s, u"QuickQuote"_s}));
        QVERIFY(!w.band(u"Address"_s).breakBefore);
    }

    void theFavoritesDropDownClosesOnTheBarsAndTheAddressBox()
    {
        ChromeWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QSignalSpy closes(&w.chrome(), &WindowChrome::closeFavoritesDropDown);
        QTest::mouseClick(w.chrome().ToolBar2()->button(CommandIds::Home), Qt::LeftButton);
        QCOMPARE(closes.count(), 1);
        w.window.tabbedBrowser().cboURLAddress()->setFocus();
        QCOMPARE(closes.count(), 2);

        // With the drop-down open, the mouse over another menu-bar button drops its menu instead.
        Command *dropDown = w.window.commands().find(CommandIds::FavoritesDropDown);
        QVERIFY(dropDown && dropDown->isCheckable());
        dropDown->setChecked(true);
        QMenuBar *bar = w.chrome().ToolBarMain();
        QAction *edit = w.menu(u"&Edit"_s)->menuAction();
        QTest::mouseMove(bar, bar->actionGeometry(edit).center());
        QCOMPARE(closes.count(), 3);
        QVERIFY(bar->activeAction() == edit);
        QVERIFY(QTest::qWaitFor([&] { return w.menu(u"&Edit"_s)->isVisible(); }));
        w.menu(u"&Edit"_s)->close();
    }
};

KESTREL_TEST(WindowChromeTest)
#include "WindowChromeTest.moc"
