#include "browser/AddressBar.h"
#include "browser/NewWindowPolicy.h"
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/tabs/BrowserTab.h"
#include "browser/tabs/TabMenus.h"
#include "shell/DataFolder.h"
#include "shell/TextFile.h"
#include "shell/Workspace.h"
#include "testkit/FakeControl.h"
#include "testkit/TestRegistry.h"
#include "ui/WindowChrome.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

namespace {
const QString &Main = SettingsStore::MainSection;
const QString SaveWorkspaceKey = QStringLiteral("Save Workspace");
const QStringList Pages{QStringLiteral("http://one.example/"), QStringLiteral("http://two.example/a"),
                        QStringLiteral("http://three.example/b?c=d")};

struct Window
{
    QList<QPointer<FakeControl>> controls;
    TfrmKestrelBrowser window{[this] {
        auto control = std::make_unique<FakeControl>();
        controls.append(control.get());
        return control;
    }};

    // Every tab's control reports the page it was last sent to as loaded.
    void loadAll()
    {
        for (const QPointer<FakeControl> &control : std::as_const(controls)) {
            if (control && !control->navigations.isEmpty())
                control->loadPage(control->navigations.last(), QStringLiteral("Page"));
        }
    }
    QAction *menuEntry(const QString &menu, const QString &entry) const
    {
        for (QAction *top : window.chrome().ToolBarMain()->actions()) {
            if (top->text() != menu || !top->menu())
                continue;
            for (QAction *action : top->menu()->actions()) {
                if (action->text() == entry)
                    return action;
            }
        }
        return nullptr;
    }
};

QString workspacePath()
{
    return DataFolder::path() + QLatin1Char('/') + Workspace::FileName;
}

QByteArray workspaceBytes()
{
    QFile file(workspacePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray lines(const QStringList &addresses)
{
    QByteArray bytes;
    for (const QString &address : addresses)
        bytes += address.toUtf8() + "\r\n";
    return bytes;
}
}

// The main window's workspace: the first tabs, the writes during the run and at close (through
// the File menu's Exit), the Options entries and the new-window requests of its views.
class MainWindowWorkspaceTest : public QObject
{
    Q_OBJECT

    SettingsStore m_store;

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
        QFile::remove(SettingsStore::defaultFilePath());
        QDir(DataFolder::path()).removeRecursively();
        QDir().mkpath(DataFolder::path());
    }

    void exitWritesTheTabsAndTheNextWindowOpensThemWithTheLastActive()
    {
        QVERIFY(TextFile::writeLines(workspacePath(), Pages));
        {
            Window w;
            w.window.show();
            QCOMPARE(w.window.tabbedBrowser().tabs().count(), 3);
            QCOMPARE(w.window.tabbedBrowser().tabs().activeTab(), w.window.tabbedBrowser().tabs().tabAt(2));
            w.loadAll();
            // A tab still loading at close keeps the address it was opened on; one on an empty
            // homepage is left out.
            w.window.AddBrowserTab(QStringLiteral("http://loading.example/"));
            m_store.writeString(Main, QStringLiteral("Homepage"), QString());
            w.window.AddBrowserTab(QString());
            QAction *exit = w.menuEntry(QStringLiteral("&File"), QStringLiteral("E&xit"));
            QVERIFY(exit);
            exit->trigger();
            QVERIFY(w.window.Closing);
            QVERIFY(!w.window.isVisible());
        }
        const QStringList written = Pages + QStringList{QStringLiteral("http://loading.example/")};
        QCOMPARE(workspaceBytes(), lines(written));

        Window w;
        w.window.show();
        QCOMPARE(w.window.tabbedBrowser().tabs().count(), 4);
        QCOMPARE(w.window.tabbedBrowser().tabs().locations(), written);
        QCOMPARE(w.window.tabbedBrowser().tabs().activeTab(), w.window.tabbedBrowser().tabs().tabAt(3));
    }

    void saveWorkspaceOffLeavesTheFileAloneDuringTheRunAndAtClose()
    {
        QVERIFY(TextFile::writeLines(workspacePath(), Pages));
        m_store.writeBool(Main, SaveWorkspaceKey, false);
        Window w;
        w.window.show();
        // The file is not read either: the default start pages open.
        QCOMPARE(w.window.tabbedBrowser().tabs().locations(), Workspace::defaultStartPages());
        w.window.AddBrowserTab(QStringLiteral("http://four.example/"));
        QVERIFY(w.window.workspaceSaver().isDirty());
        w.window.workspaceSaver().tmrWorkspaceSaveTimer();
        w.window.close();
        QCOMPARE(workspaceBytes(), lines(Pages));
    }

    void tabChangesReachTheFileBeforeAnyPageHasLoaded()
    {
        Window w;
        w.window.show();
        TabSet &tabs = w.window.tabbedBrowser().tabs();
        const auto tick = [&w] {
            QVERIFY(w.window.workspaceSaver().isDirty());
            QVERIFY(w.window.workspaceSaver().tmrWorkspaceSave().isActive());
            w.window.workspaceSaver().tmrWorkspaceSaveTimer();
        };
        tick();
        QCOMPARE(workspaceBytes(), lines(Workspace::defaultStartPages()));

        w.window.AddBrowserTab(Pages[0]);
        tick();
        QCOMPARE(workspaceBytes(), lines(Workspace::defaultStartPages() + QStringList{Pages[0]}));

        tabs.MoveActiveTabUp();
        tick();
        QStringList expected = Workspace::defaultStartPages();
        expected.insert(2, Pages[0]);
        QCOMPARE(workspaceBytes(), lines(expected));

        // A top-frame navigation marks the workspace; a subframe one does not.
        w.window.workspaceSaver().tmrWorkspaceSave().stop();
        FakeControl *control = w.controls.last();
        control->setUrl(QUrl(Pages[1]));
        control->raiseNavigateComplete(QUrl(Pages[2]), 3);
        QVERIFY(!w.window.workspaceSaver().isDirty());
        control->raiseNavigateComplete(QUrl(Pages[1]));
        tick();
        expected[2] = Pages[1];
        QCOMPARE(workspaceBytes(), lines(expected));

        tabs.CloseActiveTab();
        tick();
        expected.removeAt(2);
        QCOMPARE(workspaceBytes(), lines(expected));
    }

    void optionsEntriesAndGoToAddress()
    {
        Window w;
        QAction *save = w.menuEntry(QStringLiteral("&Options"), QStringLiteral("&Save Workspace on Exit"));
        QVERIFY(save);
        QVERIFY(w.menuEntry(QStringLiteral("&Options"), QStringLiteral("Clear Typed &URL List")));
        QVERIFY(w.menuEntry(QStringLiteral("&Options"), QStringLiteral("&New Window Settings")));
        QVERIFY(w.menuEntry(QStringLiteral("&Options"), QStringLiteral("&Homepage Setup")));

        auto *options = qobject_cast<QMenu *>(save->parent());
        QVERIFY(options);
        emit options->aboutToShow();
        QVERIFY(save->isChecked());
        save->trigger();
        QVERIFY(!m_store.readBool(Main, SaveWorkspaceKey, true));
        m_store.writeBool(Main, SaveWorkspaceKey, true);
        emit options->aboutToShow();
        QVERIFY(save->isChecked());

        const QList<QAction *> sheet = w.window.tabbedBrowser().menus().PopupMenuTabSheet()->actions();
        const qsizetype arrange = sheet.indexOf(w.window.tabbedBrowser().menus().ArrangeBrowserTabs()->menuAction());
        QVERIFY(arrange > 0);
        QCOMPARE(sheet.at(arrange - 1)->text(), QStringLiteral("&Go To Address"));
    }

    void typedAddressesLiveFromCreationToClose()
    {
        m_store.writeList(Main + QStringLiteral("\\TypedURLs"), {QStringLiteral("http://typed.example/")});
        Window w;
        w.window.show();
        QCOMPARE(w.window.addressBar().typedUrls(), QStringList{QStringLiteral("http://typed.example/")});
        w.window.addressBar().box()->setEditText(QStringLiteral("http://entered.example/"));
        w.window.addressBar().cboURLAddressKeyDown(Qt::Key_Return, Qt::NoModifier);
        QCOMPARE(w.controls.last()->navigations.last(), QUrl(QStringLiteral("http://entered.example/")));
        w.window.close();
        QStringList stored;
        m_store.readList(Main + QStringLiteral("\\TypedURLs"), stored);
        QCOMPARE(stored, (QStringList{QStringLiteral("http://entered.example/"), QStringLiteral("http://typed.example/")}));
    }

    void newWindowRequestsFollowTheStoredChoice()
    {
        m_store.writeBool(Main, NewWindowPolicy::NewWindowDialogKey, true);
        m_store.writeInteger(Main, NewWindowPolicy::NewWindowKey, NewWindowPolicy::NewBrowserTab);
        Window w;
        w.window.show();
        const int before = w.window.tabbedBrowser().tabs().count();
        FakeControl *requester = w.controls.first();
        bool cancel = true;
        BrowserControl *target = requester->raiseNewWindow(cancel);
        QVERIFY(!cancel);
        QCOMPARE(w.window.tabbedBrowser().tabs().count(), before + 1);
        QCOMPARE(target, static_cast<BrowserControl *>(w.controls.last().data()));

        m_store.writeInteger(Main, NewWindowPolicy::NewWindowKey, NewWindowPolicy::DoNotOpen);
        QVERIFY(!requester->raiseNewWindow(cancel));
        QVERIFY(cancel);
        QCOMPARE(w.window.tabbedBrowser().tabs().count(), before + 1);
    }
};

KESTREL_TEST(MainWindowWorkspaceTest)
#include "MainWindowWorkspaceTest.moc"
