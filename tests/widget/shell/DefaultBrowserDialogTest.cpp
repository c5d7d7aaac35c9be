#include "shell/DefaultBrowser.h"
#include "shell/DefaultBrowserCheck.h"
#include "shell/SettingsStore.h"
#include "shell/TfrmDefaultBrowser.h"
#include "testkit/DesktopFolders.h"
#include "testkit/ModalDialog.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
// One start of the program: the check with the real dialog, worked by the given answer; whether
// the question came.
bool startUp(SettingsStore &store, const QString &exe, const std::function<void(TfrmDefaultBrowser &)> &answer)
{
    bool asked = false;
    ScriptedPrompter prompter;
    DefaultBrowserCheck::run(store, DefaultBrowser(), exe, prompter, [&] {
        asked = true;
        const WhenModal dialogAction([&](QWidget *dialog) {
            if (auto *question = qobject_cast<TfrmDefaultBrowser *>(dialog))
                answer(*question);
            if (dialog->isVisible())
                static_cast<QDialog *>(dialog)->reject();
        });
        return TfrmDefaultBrowser::ask(store);
    });
    return asked;
}
}

// The start-up question whether to become the default browser.
class DefaultBrowserDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void theQuestionReadsAsDesigned()
    {
        DesktopFolders desktop;
        SettingsStore store(desktop.root() + QStringLiteral("/registry.ini"));
        QVERIFY(startUp(store, QStringLiteral("/opt/kb/kestrel-browser"), [](TfrmDefaultBrowser &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Kestrel Browser - Default Browser"));
            QCOMPARE(d.findChild<QLabel *>(QStringLiteral("lblText"))->text(),
                     QStringLiteral("Kestrel Browser is not currently set up as your default web browser.  Do you "
                                    "want to make Kestrel Browser your default web browser?"));
            auto *check = d.findChild<QCheckBox *>(QStringLiteral("chkAlwaysCheck"));
            QCOMPARE(check->text(), QStringLiteral("Always perform this check"));
            QVERIFY(check->isChecked());
            auto *yes = d.findChild<QPushButton *>(QStringLiteral("btnYes"));
            QCOMPARE(yes->text(), QStringLiteral("&Yes"));
            QVERIFY(yes->isDefault());
            QCOMPARE(d.findChild<QPushButton *>(QStringLiteral("btnNo"))->text(), QStringLiteral("&No"));
        }));
    }

    void untickingAndNoStopsTheQuestion()
    {
        DesktopFolders desktop;
        const QString exe = desktop.fakeProgram(desktop.root() + QStringLiteral("/kestrel-browser"));
        SettingsStore store(desktop.root() + QStringLiteral("/registry.ini"));
        QVERIFY(startUp(store, exe, [&](TfrmDefaultBrowser &d) {
            d.findChild<QCheckBox *>(QStringLiteral("chkAlwaysCheck"))->click();
            // Written at the click, before any answer.
            QCOMPARE(store.readString(SettingsStore::MainSection, DefaultBrowserCheck::Key), QStringLiteral("0"));
            d.findChild<QPushButton *>(QStringLiteral("btnNo"))->click();
        }));
        QVERIFY(!DefaultBrowser().IsDefaultBrowser(exe));
        QVERIFY(!startUp(store, exe, [](TfrmDefaultBrowser &) {}));
        QVERIFY(!startUp(store, exe, [](TfrmDefaultBrowser &) {}));
    }

    void yesRegistersAndTheQuestionEnds()
    {
        DesktopFolders desktop;
        const QString exe = desktop.fakeProgram(desktop.root() + QStringLiteral("/kestrel-browser"));
        SettingsStore store(desktop.root() + QStringLiteral("/registry.ini"));
        QVERIFY(startUp(store, exe, [](TfrmDefaultBrowser &d) {
            d.findChild<QPushButton *>(QStringLiteral("btnYes"))->click();
        }));
        QVERIFY(DefaultBrowser().IsDefaultBrowser(exe));
        QVERIFY(!store.valueExists(SettingsStore::MainSection, DefaultBrowserCheck::Key));
        QVERIFY(!startUp(store, exe, [](TfrmDefaultBrowser &) {}));
    }
};

KESTREL_TEST(DefaultBrowserDialogTest)
#include "DefaultBrowserDialogTest.moc"
