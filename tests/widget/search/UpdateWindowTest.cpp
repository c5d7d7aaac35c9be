#include "browser/status/BusyAnimation.h"
#include "search/SearchSubsystem.h"
#include "search/SiteFile.h"
#include "search/TDropDownList.h"
#include "search/TfrmProxy.h"
#include "search/TfrmUpdateSetup.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/AppWarnings.h"
#include "testkit/LoopbackServer.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class UpdateWindowTest : public QObject
{
    Q_OBJECT

    static inline const QString UpdatePath = QStringLiteral("/multisearch/update.txt");
    static inline const QByteArray Fresh = "[SearchEngines]\nFresh=http://fresh.example/?q=\n[Financial]\nTicker=http://t.example/?s=\n";

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<LoopbackServer> m_server;
    ScriptedPrompter m_prompter;

    QString siteFile() const { return SiteFile::path(m_dir->path()); }

    QByteArray siteFileBytes() const
    {
        QFile file(siteFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void setServer(const QString &server)
    {
        m_settings->writeString(SettingsStore::MultiSearchSection, QStringLiteral("Update Server"), server);
    }

    void serve(int status, const QByteArray &type, const QByteArray &body, qsizetype stallAfter = -1,
               bool announce = true)
    {
        LoopbackServer::Response response;
        response.status = status;
        response.contentType = type;
        response.body = body;
        response.stallAfter = stallAfter;
        response.announceLength = announce;
        m_server->serve(UpdatePath, response);
    }

    // Shows the update window and waits until it closed itself.
    void runToTheEnd(TfrmUpdateSetup &window)
    {
        window.show();
        QVERIFY(waitUntil([&] { return !window.isVisible(); }, 20000));
        QVERIFY(!window.animation()->isPlaying());
        QCOMPARE(window.gauge()->value(), 0);
    }

private slots:
    void init()
    {
        failOnAppWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("registry.ini")));
        m_server = std::make_unique<LoopbackServer>();
        m_prompter.clear();
        setServer(QStringLiteral("http://127.0.0.1:") + QString::number(m_server->port()));
        QVERIFY(SiteFile::ensureExists(siteFile()));
    }

    void cleanup() { m_server.reset(); }

    void progressShowsAndCancelLeavesTheFile()
    {
        serve(200, "text/plain", QByteArray(2000, 'y'), 1000);
        const QByteArray before = siteFileBytes();
        TfrmUpdateSetup window(*m_settings, m_prompter, m_dir->path());
        QCOMPARE(window.windowTitle(), QStringLiteral("Update Categories"));
        window.show();
        QVERIFY(waitUntil([&] { return window.gauge()->value() == 50; }));
        QCOMPARE(window.statusLine()->text(), QStringLiteral("Received: 1000 bytes"));
        QVERIFY(window.animation()->isPlaying());
        QTest::mouseClick(window.btnCancel(), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(!window.update().download().isRunning());
        QVERIFY(!window.animation()->isPlaying());
        QCOMPARE(window.gauge()->value(), 0);
        QCOMPARE(m_prompter.texts(), QStringList{QStringLiteral("Error: Could not update setup file")});
        QCOMPARE(siteFileBytes(), before);
    }

    void refusedDownloadsLeaveTheFile_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<bool>("announce");
        QTest::addColumn<QString>("message");
        const QString couldNot = QStringLiteral("Error: Could not update setup file");
        const QString tooLarge = QStringLiteral("The download is larger than 1048576 bytes.");
        QTest::newRow("charset parameter") << 200 << QByteArray("text/plain; charset=utf-8") << qsizetype(100) << true
                                           << couldNot;
        QTest::newRow("html") << 200 << QByteArray("text/html") << qsizetype(100) << true << couldNot;
        QTest::newRow("not found") << 404 << QByteArray("text/plain") << qsizetype(100) << true
                                   << QStringLiteral("Update Failed: 404 Not Found");
        QTest::newRow("50 MiB announced") << 200 << QByteArray("text/plain") << qsizetype(50 << 20) << true << tooLarge;
        QTest::newRow("50 MiB unannounced") << 200 << QByteArray("text/plain") << qsizetype(50 << 20) << false
                                            << tooLarge;
    }

    void refusedDownloadsLeaveTheFile()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, type);
        QFETCH(qsizetype, size);
        QFETCH(bool, announce);
        QFETCH(QString, message);
        serve(status, type, QByteArray(size, 'z'), -1, announce);
        const QByteArray before = siteFileBytes();
        TfrmUpdateSetup window(*m_settings, m_prompter, m_dir->path());
        runToTheEnd(window);
        QCOMPARE(m_prompter.texts(), QStringList{message});
        QCOMPARE(siteFileBytes(), before);
    }

    void aStalledServerTimesOutAndLeavesTheFile()
    {
        serve(200, "text/plain", Fresh, 10);
        const QByteArray before = siteFileBytes();
        TfrmUpdateSetup window(*m_settings, m_prompter, m_dir->path());
        window.show();
        QVERIFY(waitUntil([&] { return window.statusLine()->text() == QLatin1String("Received: 10 bytes"); }));
        QCOMPARE(window.update().download().idleTimer().interval(), 30000);
        window.update().download().idleTimeoutTick();
        QVERIFY(!window.isVisible());
        QCOMPARE(m_prompter.texts(), QStringList{QStringLiteral("The download stopped: no data came for 30 seconds.")});
        QCOMPARE(siteFileBytes(), before);
    }

    void successReplacesTheFileAndTheBarsReload()
    {
        CommandRegistry commands;
        QStringList sent;
        SearchSubsystem search({*m_settings, m_prompter, m_dir->path(), commands, [] { return nullptr; },
                                [&](const QString &address) { sent.append(address); }, nullptr});
        search.bars().FillSearchSiteLists();
        QCOMPARE(search.bars().dlSearchURLs()->currentText(), QStringLiteral("AltaVista"));

        // A failed update leaves the file, so the lists are not filled again.
        search.bars().dlSearchURLs()->clearItems();
        QVERIFY(commands.trigger(CommandIds::UpdateSearchList));
        QCOMPARE(m_prompter.texts(), QStringList{QStringLiteral("Update Failed: 404 Not Found")});
        QCOMPARE(search.bars().dlSearchURLs()->count(), 0);

        serve(200, "text/plain", Fresh);
        m_prompter.clear();
        QVERIFY(commands.trigger(CommandIds::UpdateSearchList));
        QVERIFY(m_prompter.texts().isEmpty());
        QCOMPARE(siteFileBytes(), QByteArray(Fresh).replace("\n", "\r\n"));
        QCOMPARE(search.bars().dlSearchURLs()->ItemList(), QStringList{QStringLiteral("Fresh=http://fresh.example/?q=")});
        QCOMPARE(search.bars().dlFinanceURLs()->currentText(), QStringLiteral("Ticker"));
        QCOMPARE(m_server->requestedPaths(), (QList<QString>{UpdatePath, UpdatePath}));
        QVERIFY(sent.isEmpty());
    }

    void theProxyIsUsedOnlyWhenSwitchedOn()
    {
        LoopbackServer proxy;
        LoopbackServer::Response response;
        response.contentType = "text/plain";
        response.body = Fresh;
        proxy.serve(UpdatePath, response);
        serve(200, "text/plain", "[News]\r\n");
        m_settings->writeString(SettingsStore::MultiSearchSection, QStringLiteral("Proxy Address"), QStringLiteral("127.0.0.1"));
        m_settings->writeString(SettingsStore::MultiSearchSection, QStringLiteral("Proxy Port"), QString::number(proxy.port()));

        // Off: the stored proxy is not used, the request goes to the server itself.
        m_settings->writeBool(SettingsStore::MultiSearchSection, QStringLiteral("Use Proxy"), false);
        {
            TfrmUpdateSetup window(*m_settings, m_prompter, m_dir->path());
            runToTheEnd(window);
        }
        QCOMPARE(m_server->requests().size(), 1);
        QVERIFY(proxy.requests().isEmpty());
        QCOMPARE(siteFileBytes(), QByteArray("[News]\r\n"));

        // On: a host that resolves nowhere is reached through the proxy.
        m_settings->writeBool(SettingsStore::MultiSearchSection, QStringLiteral("Use Proxy"), true);
        setServer(QStringLiteral("http://update.kestrel.invalid"));
        {
            TfrmUpdateSetup window(*m_settings, m_prompter, m_dir->path());
            runToTheEnd(window);
        }
        QVERIFY(m_prompter.texts().isEmpty());
        QCOMPARE(proxy.requests().size(), 1);
        QCOMPARE(proxy.requests().first().target, QByteArray("http://update.kestrel.invalid/multisearch/update.txt"));
        QCOMPARE(m_server->requests().size(), 1);
        QCOMPARE(siteFileBytes(), QByteArray(Fresh).replace("\n", "\r\n"));
    }

    void theProxyWindowStoresOnlyOnOk()
    {
        m_settings->writeString(SettingsStore::MultiSearchSection, QStringLiteral("Proxy Address"), QStringLiteral("old.example"));
        {
            TfrmProxy window(*m_settings);
            QCOMPARE(window.windowTitle(), QStringLiteral("Proxy Server Settings"));
            QVERIFY(!window.chkProxy()->isChecked());
            QCOMPARE(window.edProxyAddress()->text(), QStringLiteral("old.example"));
            QCOMPARE(window.edProxyPort()->text(), QString());
            QVERIFY(!window.edProxyAddress()->isEnabled());
            window.chkProxy()->setChecked(true);
            QVERIFY(window.edProxyAddress()->isEnabled());
            QVERIFY(window.edProxyPort()->isEnabled());
            window.edProxyAddress()->setText(QStringLiteral("cancelled.example"));
            window.reject();
        }
        QCOMPARE(m_settings->readString(SettingsStore::MultiSearchSection, QStringLiteral("Proxy Address")),
                 QStringLiteral("old.example"));
        QVERIFY(!m_settings->valueExists(SettingsStore::MultiSearchSection, QStringLiteral("Use Proxy")));
        {
            TfrmProxy window(*m_settings);
            window.chkProxy()->setChecked(true);
            window.edProxyAddress()->setText(QStringLiteral("proxy.example"));
            window.accept();
        }
        QCOMPARE(m_settings->readString(SettingsStore::MultiSearchSection, QStringLiteral("Use Proxy")), QStringLiteral("1"));
        QCOMPARE(m_settings->readString(SettingsStore::MultiSearchSection, QStringLiteral("Proxy Address")),
                 QStringLiteral("proxy.example"));
        QVERIFY(m_settings->valueExists(SettingsStore::MultiSearchSection, QStringLiteral("Proxy Port")));
        QCOMPARE(m_settings->readString(SettingsStore::MultiSearchSection, QStringLiteral("Proxy Port"), QStringLiteral("80")),
                 QString());
    }
};

KESTREL_TEST(UpdateWindowTest)
#include "UpdateWindowTest.moc"
