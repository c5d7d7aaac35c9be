#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/status/StatusArea.h"
#include "shell/DataFolder.h"
#include "shell/StartRecord.h"
#include "shell/TextFile.h"
#include "shell/Workspace.h"
#include "testkit/FakeControl.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

namespace {
const QStringList LastTabs{QStringLiteral("http://one.example/"), QStringLiteral("http://two.example/a")};

QByteArray fileBytes(const QString &name)
{
    QFile file(DataFolder::filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

std::unique_ptr<TfrmKestrelBrowser> newWindow(QList<QPointer<FakeControl>> &controls)
{
    return std::make_unique<TfrmKestrelBrowser>([&controls] {
        auto control = std::make_unique<FakeControl>();
        controls.append(control.get());
        return control;
    });
}

// Every tab's control reports the page it was last sent to as loaded.
void loadAll(const QList<QPointer<FakeControl>> &controls)
{
    for (const QPointer<FakeControl> &control : controls) {
        if (control && !control->navigations.isEmpty())
            control->loadPage(control->navigations.last(), QStringLiteral("Page"));
    }
}
}

// Starts after starts that did not end cleanly: the question at the first show, the homepage
// start that keeps the last tabs in the workspace file, and the record a clean close clears.
class CrashLoopStartTest : public QObject
{
    Q_OBJECT

    QList<QPointer<FakeControl>> m_controls;

    // Two starts that made their window and never closed it, as killed runs leave them.
    void twoStartsThatNeverEnded()
    {
        for (int start = 0; start < 2; ++start) {
            const std::unique_ptr<TfrmKestrelBrowser> crashed = newWindow(m_controls);
            crashed->show();
        }
        QCOMPARE(fileBytes(StartRecord::FileName), QByteArray("2\r\n"));
        // What the crashed runs wrote of their tabs is put back to the last tabs of the user.
        QVERIFY(TextFile::writeLines(DataFolder::filePath(Workspace::FileName), LastTabs));
    }

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
        QFile::remove(SettingsStore::defaultFilePath());
        QDir(DataFolder::path()).removeRecursively();
        QDir().mkpath(DataFolder::path());
        m_controls.clear();
    }

    void answeringNoOpensTheHomepageAndKeepsTheLastTabsUntilTheTabsChange()
    {
        twoStartsThatNeverEnded();
        const QByteArray lastTabs = fileBytes(Workspace::FileName);
        ScriptedPrompter prompter;
        prompter.queueAnswer(Prompter::Answer::No);
        const std::unique_ptr<TfrmKestrelBrowser> window = newWindow(m_controls);
        window->setStartPrompter(&prompter);
        window->show();

        QCOMPARE(prompter.shown().size(), 1);
        QCOMPARE(prompter.shown().constFirst().caption, StartRecord::QuestionCaption);
        QCOMPARE(prompter.shown().constFirst().text, StartRecord::QuestionText);
        QCOMPARE(window->tabbedBrowser().tabs().count(), 1);
        QVERIFY(window->tabbedBrowser().status()->panelText().contains(QStringLiteral("kept")));
        // This start counts too, until it ends cleanly.
        QCOMPARE(fileBytes(StartRecord::FileName), QByteArray("3\r\n"));

        // Pages loading leave the file alone, as does a close.
        loadAll(m_controls);
        window->workspaceSaver().tmrWorkspaceSaveTimer();
        QCOMPARE(fileBytes(Workspace::FileName), lastTabs);
        window->close();
        QCOMPARE(fileBytes(Workspace::FileName), lastTabs);
        QCOMPARE(fileBytes(StartRecord::FileName), QByteArray("<missing>"));
    }

    void aTabOpenedAfterAnsweringNoReplacesTheLastTabs()
    {
        twoStartsThatNeverEnded();
        ScriptedPrompter prompter;
        prompter.queueAnswer(Prompter::Answer::No);
        const std::unique_ptr<TfrmKestrelBrowser> window = newWindow(m_controls);
        window->setStartPrompter(&prompter);
        window->show();
        window->AddBrowserTab(QStringLiteral("http://new.example/"));
        loadAll(m_controls);
        window->workspaceSaver().tmrWorkspaceSaveTimer();
        QVERIFY(TextFile::readLines(DataFolder::filePath(Workspace::FileName))
                    .value_or(QStringList())
                    .contains(QStringLiteral("http://new.example/")));
    }

    void answeringYesOrHavingNobodyToAskRestoresTheLastTabs_data()
    {
        QTest::addColumn<bool>("canAsk");
        QTest::newRow("yes") << true;
        QTest::newRow("nobody to ask") << false;
    }

    void answeringYesOrHavingNobodyToAskRestoresTheLastTabs()
    {
        QFETCH(bool, canAsk);
        twoStartsThatNeverEnded();
        ScriptedPrompter prompter;
        prompter.queueAnswer(Prompter::Answer::Yes);
        const std::unique_ptr<TfrmKestrelBrowser> window = newWindow(m_controls);
        if (canAsk)
            window->setStartPrompter(&prompter);
        window->show();
        QCOMPARE(prompter.shown().size(), canAsk ? 1 : 0);
        QCOMPARE(window->tabbedBrowser().tabs().locations(), LastTabs);
    }
};

KESTREL_TEST(CrashLoopStartTest)
#include "CrashLoopStartTest.moc"
