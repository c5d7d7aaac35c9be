#include "browser/TKestrelWB.h"
#include "browser/TfrmKestrelBrowser.h"
#include "shell/DataFolder.h"
#include "spell/SpellCheckTool.h"
#include "support/SpellConfig.h"
#include "testkit/FakeControl.h"
#include "testkit/TestRegistry.h"
#include "ui/Command.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

std::unique_ptr<TfrmKestrelBrowser> newWindow()
{
    return std::make_unique<TfrmKestrelBrowser>([] { return std::make_unique<FakeControl>(); });
}
}

// Spell checking as the main window holds it: its configuration written at creation, and its
// commands.
class MainWindowSpellTest : public QObject
{
    Q_OBJECT

    QString configPath() const { return QDir(DataFolder::path()).filePath(SpellConfig::FileName); }

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support ).*"_s)); }

    void theConfigurationIsWrittenAtCreationOnlyWhenMissing()
    {
        QFile::remove(configPath());
        newWindow();
        const QByteArray first = readRaw(configPath());
        QVERIFY(first.startsWith("[addict]\r\nID=1\r\n"));
        const QByteArray userLine = "U_DCT_0=T" + QDir(DataFolder::path()).absolutePath().toUtf8() + "/default.udt\r\n";
        QVERIFY(first.contains(userLine));

        QFile file(configPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[addict]\r\nsoUpcase=1\r\n");
        file.close();
        const auto window = newWindow();
        QCOMPARE(readRaw(configPath()), QByteArray("[addict]\r\nsoUpcase=1\r\n"));
        QVERIFY(window->spellCheck().checker().engine().options().ignoreUpperCase);
    }

    void theCommandsAreRegisteredAndDownloadDictionariesOpensOurPage()
    {
        const auto window = newWindow();
        const Command *check = window->commands().find(CommandIds::SpellCheck);
        QVERIFY(check);
        QCOMPARE(check->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
        QVERIFY(window->commands().find(CommandIds::SpellCheckerOptions));

        window->AddBrowserTab(u"http://a.test/"_s);
        const TKestrelWB *first = window->GetActiveBrowser();
        QVERIFY(window->commands().trigger(CommandIds::DownloadDictionaries));
        // A new tab, made active.
        QVERIFY(window->GetActiveBrowser() != first);
        auto *control = static_cast<FakeControl *>(window->GetActiveBrowser()->control());
        QVERIFY(!control->navigations.isEmpty());
        QCOMPARE(control->navigations.constLast(), QUrl(SpellCheckTool::DictionariesPage));
        QFile page(u":/pages/dictionaries.html"_s);
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("apt-get install hunspell-"));
    }
};

KESTREL_TEST(MainWindowSpellTest)
#include "MainWindowSpellTest.moc"
