#include "testkit/ModalDialog.h"
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/tabs/BrowserTab.h"
#include "browser/tabs/TabSet.h"
#include "shell/DefaultBrowser.h"
#include "shell/SettingsStore.h"
#include "testkit/DesktopFolders.h"
#include "testkit/FakeControl.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/options/KestrelOptions.h"
#include "ui/options/MailButtonPage.h"
#include "ui/options/MailSiteList.h"
#include "ui/options/TfrmKBOptions.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {
const QString &Main = SettingsStore::MainSection;

// The options and mail over a private store and private desktop folders.
struct Rig
{
    DesktopFolders desktop;
    QString exe = desktop.fakeProgram(desktop.root() + QStringLiteral("/bin/kestrel-browser"));
    QString dataFolder = desktop.root() + QStringLiteral("/data");
    QString storePath = desktop.root() + QStringLiteral("/registry.ini");
    SettingsStore store{storePath};
    ScriptedPrompter prompter;
    CommandRegistry commands;
    QList<QStringList> launches;
    KestrelOptions options{nullptr, store, prompter, commands, dataFolder, exe,
                           MailButton::Services{{}, [](const QString &) {}, [] { return QString(); },
                                                [] { return QString(); },
                                                [this](const QString &program, const QStringList &arguments) {
                                                    launches << (QStringList{program} + arguments);
                                                    return true;
                                                },
                                                [](const QUrl &) {}}};
    QString startMenuShortcut() const { return desktop.applications() + QStringLiteral("/Kestrel Browser.desktop"); }

    // Opens the dialog through the command and works it; false when no dialog came.
    bool withDialog(const QString &command, const std::function<void(TfrmKBOptions &)> &work)
    {
        bool shown = false;
        const WhenModal dialogAction([&](QWidget *dialog) {
            shown = true;
            if (auto *options = qobject_cast<TfrmKBOptions *>(dialog))
                work(*options);
            // Whatever the work did, the dialog goes.
            if (dialog->isVisible())
                static_cast<QDialog *>(dialog)->reject();
        });
        commands.trigger(command);
        return shown;
    }
};

void enter(QWidget *control)
{
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(control, &focus);
}

QColor baseOf(const QWidget *box)
{
    return box->palette().color(QPalette::Base);
}
}

// The options dialog: what it shows, what "OK" writes in its order, and that "Cancel" writes
// nothing; with the mail settings page the Mail button opens.
class OptionsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void aFreshProfileShowsTheDefaults()
    {
        Rig rig;
        QVERIFY(rig.withDialog(CommandIds::KestrelOptions, [&](TfrmKBOptions &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Kestrel Browser Options"));
            QCOMPARE(d.pages->currentIndex(), 0);
            QStringList captions;
            for (int i = 0; i < d.pages->count(); ++i)
                captions << d.pages->tabText(i);
            QCOMPARE(captions, (QStringList{QStringLiteral("General"), QStringLiteral("Browser"),
                                            QStringLiteral("Mail Button"), QStringLiteral("Post Notes")}));
            QVERIFY(!d.chkDefaultBrowser->isChecked());
            QVERIFY(d.chkQuickLaunch->isChecked());
            QVERIFY(!d.chkStartMenu->isChecked());
            QVERIFY(!d.chkIE5MenuItem->isChecked());
            QCOMPARE(d.edTabTitleLength->value(), 35);
            QCOMPARE(d.edTabTitleLength->minimum(), 5);
            QCOMPARE(d.edTabTitleLength->maximum(), 150);
            QVERIFY(d.chk3DBorder->isChecked());
            QVERIFY(!d.chkFlatScrollbars->isChecked());
            QVERIFY(d.chkIEAutocomplete->isChecked());
            QVERIFY(d.mailPage->rbMailProgram->isChecked());
            QCOMPARE(d.edPNFolder->text(), rig.dataFolder);
            // What this system cannot do is shown unchangeable, with the reason.
            for (QCheckBox *box : {d.chkQuickLaunch, d.chkIE5MenuItem, d.chkFlatScrollbars, d.chkIEAutocomplete}) {
                QVERIFY2(!box->isEnabled(), qPrintable(box->text()));
                QVERIFY(box->toolTip().endsWith(QStringLiteral("The stored setting is kept.")));
            }
            QVERIFY(d.chkDefaultBrowser->isEnabled() && d.chkStartMenu->isEnabled() && d.chk3DBorder->isEnabled());
            QStringList notes;
            for (const QLabel *label : d.findChildren<QLabel *>())
                notes << label->text();
            QVERIFY(notes.contains(QStringLiteral(
                "NOTE: No security measures are taken for the post notes data.  Please do not store information "
                "that you don't want others that have access to your file system to see.")));
            QVERIFY(notes.contains(QStringLiteral(
                "NOTE: Only change this setting when the open browser window does not contain any notes.  "
                "Otherwise all visible notes will be saved to the new folder.")));
        }));
    }

    void cancelWritesNothing()
    {
        Rig rig;
        QVERIFY(rig.withDialog(CommandIds::KestrelOptions, [&](TfrmKBOptions &d) {
            d.chkDefaultBrowser->setChecked(true);
            d.chkStartMenu->setChecked(true);
            d.pages->setCurrentIndex(1);
            d.edTabTitleLength->setValue(80);
            d.chk3DBorder->setChecked(false);
            d.pages->setCurrentIndex(2);
            QTest::keyClicks(d.mailPage->edMailURL, QStringLiteral("https://mail.example/"));
            d.pages->setCurrentIndex(3);
            d.btnDefault->click();
            d.btnCancel->click();
        }));
        QVERIFY(!QFileInfo::exists(rig.storePath));
        QVERIFY(!QFileInfo::exists(rig.startMenuShortcut()));
        QVERIFY(!QFileInfo::exists(rig.desktop.userList()));
        QVERIFY(rig.prompter.shown().isEmpty());
    }

    void okSavesEveryPage()
    {
        Rig rig;
        // A start-menu shortcut the user made himself stays as it is.
        DesktopFolders::writeBytes(rig.startMenuShortcut(), "mine");
        rig.store.writeBool(Main, QStringLiteral("Flat Scrollbars"), true);
        QVERIFY(rig.withDialog(CommandIds::KestrelOptions, [&](TfrmKBOptions &d) {
            QVERIFY(d.chkFlatScrollbars->isChecked());
            d.chkDefaultBrowser->setChecked(true);
            d.chkStartMenu->setChecked(true);
            d.edTabTitleLength->setValue(12);
            d.chk3DBorder->setChecked(false);
            enter(d.mailPage->ddlMailSites);
            d.mailPage->ddlMailSites->setCurrentIndex(1);
            emit d.mailPage->ddlMailSites->activated(1);
            d.btnDefault->click();
            d.btnOK->click();
        }));
        QVERIFY(rig.prompter.shown().isEmpty());
        QVERIFY(DefaultBrowser().IsDefaultBrowser(rig.exe));
        QCOMPARE(DesktopFolders::readBytes(rig.startMenuShortcut()), QByteArray("mine"));
        const auto value = [&](const char *key) { return rig.store.readString(Main, QLatin1String(key)); };
        QCOMPARE(value("Start Menu Icon"), QStringLiteral("1"));
        QCOMPARE(value("TabTitleLength"), QStringLiteral("12"));
        QCOMPARE(value("3D Border"), QStringLiteral("0"));
        QCOMPARE(value("MailAction"), QStringLiteral("2"));
        QCOMPARE(value("Mail URL"), QStringLiteral("https://mail.google.com/"));
        QCOMPARE(value("Web Note Folder"), rig.dataFolder + QLatin1Char('/'));
        // Settings without a counterpart keep what was stored.
        QCOMPARE(value("Flat Scrollbars"), QStringLiteral("1"));
        for (const char *key : {"IE Autocomplete", "IE5 Menu Item", "Quick Launch Icon"})
            QVERIFY2(!rig.store.valueExists(Main, QLatin1String(key)), key);

        // Clearing both: the shortcut goes, and leaving the default browser is asked first.
        QFile::remove(rig.startMenuShortcut());
        rig.store.writeBool(Main, QStringLiteral("Start Menu Icon"), false);
        rig.withDialog(CommandIds::KestrelOptions, [](TfrmKBOptions &d) {
            d.chkStartMenu->setChecked(true);
            d.btnOK->click();
        });
        QVERIFY(QFileInfo::exists(rig.startMenuShortcut()));
        rig.prompter.queueAnswer(Prompter::Answer::Yes);
        rig.withDialog(CommandIds::KestrelOptions, [](TfrmKBOptions &d) {
            QVERIFY(d.chkDefaultBrowser->isChecked());
            d.chkDefaultBrowser->setChecked(false);
            d.chkStartMenu->setChecked(false);
            d.btnOK->click();
        });
        QCOMPARE(rig.prompter.texts(), QStringList{KBOptions::RemoveDefaultWarning});
        QVERIFY(!DefaultBrowser().IsDefaultBrowser(rig.exe));
        QVERIFY(!QFileInfo::exists(rig.startMenuShortcut()));
        QCOMPARE(rig.store.readString(Main, QStringLiteral("Start Menu Icon")), QStringLiteral("0"));
    }

    void aStartMenuFolderThatCannotBeMadeIsTold()
    {
        Rig rig;
        DesktopFolders::writeBytes(rig.desktop.root() + QStringLiteral("/file"), "x");
        rig.store.writeString(QStringLiteral("Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                              QStringLiteral("Start Menu"), rig.desktop.root() + QStringLiteral("/file/menu"));
        rig.withDialog(CommandIds::KestrelOptions, [](TfrmKBOptions &d) {
            d.chkStartMenu->setChecked(true);
            d.btnOK->click();
        });
        QCOMPARE(rig.prompter.texts(), QStringList{KBOptions::StartMenuNotFound});
        QCOMPARE(rig.store.readString(Main, QStringLiteral("Start Menu Icon")), QStringLiteral("1"));
    }

    void aFreshInstallsMailButtonOpensTheMailSettings()
    {
        Rig rig;
        QVERIFY(rig.withDialog(CommandIds::Mail, [](TfrmKBOptions &d) {
            QCOMPARE(d.pages->currentIndex(), int(TfrmKBOptions::MailPage));
            QVERIFY(d.mailPage->rbMailProgram->isChecked());
            d.btnOK->click();
        }));
        QCOMPARE(rig.store.readString(Main, QStringLiteral("MailAction")), QStringLiteral("1"));
        QCOMPARE(rig.store.readString(Main, QStringLiteral("Mail Program"), QStringLiteral("unset")), QString());
        // Configured now, with no program: the button does nothing.
        QVERIFY(!rig.withDialog(CommandIds::Mail, [](TfrmKBOptions &) {}));
        QVERIFY(rig.launches.isEmpty());
        QApplication::processEvents();
        // "&Mail Settings" opens the same page.
        bool onMailPage = false;
        const WhenModal dialogAction([&](QWidget *dialog) {
            onMailPage = static_cast<TfrmKBOptions *>(dialog)->pages->currentIndex() == TfrmKBOptions::MailPage;
            static_cast<QDialog *>(dialog)->reject();
        });
        rig.options.mail().pmMail()->actions().last()->trigger();
        QVERIFY(onMailPage);
    }

    void theMailModeFollowsTheUser()
    {
        Rig rig;
        rig.withDialog(CommandIds::KestrelOptions, [&](TfrmKBOptions &d) {
            MailButtonPage &page = *d.mailPage;
            const QColor window = page.style()->standardPalette().color(QPalette::Base);
            const QColor face = page.style()->standardPalette().color(QPalette::Button);
            QCOMPARE(baseOf(page.edMailProgram), window);
            QCOMPARE(baseOf(page.edMailURL), face);

            enter(page.edMailURL);
            QVERIFY(page.rbWebMail->isChecked());
            QCOMPARE(baseOf(page.edMailURL), window);
            QCOMPARE(baseOf(page.ddlMailSites), window);
            QCOMPARE(baseOf(page.edParams), face);

            QTest::keyClicks(page.edMailProgram, QStringLiteral("/x"));
            QVERIFY(page.rbMailProgram->isChecked());
            QCOMPARE(baseOf(page.edParams), window);

            rig.prompter.queueText(QStringLiteral("/usr/bin/mailer"));
            page.btnBrowseProgram->click();
            QCOMPARE(page.edMailProgram->text(), QStringLiteral("/usr/bin/mailer"));
            page.btnUseDefault->click();
            QCOMPARE(rig.prompter.texts().last(), QStringLiteral("No default mail client found.  Please select a file directly."));
            QCOMPARE(page.edMailProgram->text(), QStringLiteral("/usr/bin/mailer"));

            // Post notes: an empty folder is refused, a cancelled picker changes nothing.
            rig.prompter.queueText(QString());
            d.btnBrowse->click();
            QCOMPARE(rig.prompter.texts().last(), TfrmKBOptions::InvalidFolder);
            d.btnBrowse->click();
            rig.prompter.queueText(QStringLiteral("/notes"));
            d.btnBrowse->click();
            QCOMPARE(d.edPNFolder->text(), QStringLiteral("/notes"));
        });
    }

    void aClearedBorderLeavesLaterViewsBorderless()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
        QFile::remove(SettingsStore::defaultFilePath());
        DesktopFolders desktop;
        QList<QPointer<FakeControl>> controls;
        TfrmKestrelBrowser window([&] {
            auto control = std::make_unique<FakeControl>();
            controls.append(control.get());
            return control;
        });
        window.AddBrowserTab(QStringLiteral("http://127.0.0.1:9/a"));
        // A view asks for its host information as its page starts loading.
        QVERIFY(controls.last()->raiseBeforeNavigate(QUrl(QStringLiteral("http://127.0.0.1:9/a"))));
        QCOMPARE(window.GetActiveBrowser()->frameShape(), QFrame::StyledPanel);

        bool shown = false;
        const WhenModal dialogAction([&](QWidget *dialog) {
            auto *options = qobject_cast<TfrmKBOptions *>(dialog);
            shown = options;
            if (!options)
                return static_cast<QDialog *>(dialog)->reject();
            options->chk3DBorder->setChecked(false);
            options->edTabTitleLength->setValue(5);
            options->btnOK->click();
        });
        QVERIFY(window.commands().trigger(CommandIds::KestrelOptions));
        QVERIFY(shown);
        window.AddBrowserTab(QStringLiteral("http://127.0.0.1:9/b"));
        QVERIFY(controls.last()->raiseBeforeNavigate(QUrl(QStringLiteral("http://127.0.0.1:9/b"))));
        QCOMPARE(window.GetActiveBrowser()->frameShape(), QFrame::NoFrame);

        // Captions follow the new title length.
        controls.last()->raiseTitleChange(QStringLiteral("A long page title"));
        TabSet &tabs = window.tabbedBrowser().tabs();
        QCOMPARE(tabs.caption(tabs.tabOfView(window.GetActiveBrowser())), QStringLiteral("A lon..."));
    }
};

KESTREL_TEST(OptionsDialogTest)
#include "OptionsDialogTest.moc"
