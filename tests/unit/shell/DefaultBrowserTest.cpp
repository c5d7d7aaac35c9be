#include "platform/MimeApps.h"
#include "shell/DefaultBrowser.h"
#include "testkit/DesktopFolders.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QStandardPaths>
#include <QTest>

namespace {
const QString Http = QStringLiteral("x-scheme-handler/http");
const QString Https = QStringLiteral("x-scheme-handler/https");
const QString Ours = DefaultBrowser::DesktopId;
}

// Registration as the desktop's web browser, checked with the desktop's own tools (xdg-utils,
// gio) in private XDG folders.
class DefaultBrowserTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void registeringMakesTheDesktopToolsNameUs()
    {
        DesktopFolders desktop;
        const QString exe = desktop.fakeProgram(desktop.root() + QStringLiteral("/opt/kestrel-browser"));
        const DefaultBrowser browser;
        QVERIFY(!browser.IsDefaultBrowser(exe));
        QVERIFY(browser.RegisterAsDefaultBrowser(exe));

        QCOMPARE(desktop.run(QStringLiteral("xdg-settings"), {QStringLiteral("get"), QStringLiteral("default-web-browser")}),
                 Ours);
        QCOMPARE(desktop.run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), Https}), Ours);
        QCOMPARE(desktop.run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), Http}), Ours);
        QVERIFY(browser.IsDefaultBrowser(exe));
        // Another copy of the program is not the registered one.
        QVERIFY(!browser.IsDefaultBrowser(desktop.root() + QStringLiteral("/elsewhere/kestrel-browser")));

        const QString entry = QString::fromUtf8(DesktopFolders::readBytes(browser.desktopFilePath()));
        QVERIFY(entry.contains(QStringLiteral("\nExec=") + exe + QStringLiteral(" %u\n")));
        QVERIFY(entry.contains(QStringLiteral("\nMimeType=text/html;x-scheme-handler/http;x-scheme-handler/https;\n")));
    }

    void aProgramPathWithBlanksIsQuotedAndStarts()
    {
        DesktopFolders desktop;
        const QString exe = desktop.fakeProgram(desktop.root() + QStringLiteral("/My Apps/kestrel \"browser\""));
        const DefaultBrowser browser;
        QVERIFY(browser.RegisterAsDefaultBrowser(exe));
        QVERIFY(browser.IsDefaultBrowser(exe));
        // GLib's launcher reads the quoted Exec as desktops do and hands the address over.
        QCOMPARE(desktop.run(QStringLiteral("gio"), {QStringLiteral("launch"), browser.desktopFilePath(),
                                                     QStringLiteral("https://example.org/page")}),
                 QString());
        QTRY_COMPARE(desktop.argumentsOf(exe), QStringList{QStringLiteral("https://example.org/page")});
        const auto handler = desktop.run(QStringLiteral("gio"), {QStringLiteral("mime"), Https});
        // "Default application for “x-scheme-handler/https”: kestrel-browser.desktop", quoted as
        // the locale quotes.
        QVERIFY2(handler.startsWith(QStringLiteral("Default application for")) && handler.contains(Https)
                     && handler.section(QLatin1Char('\n'), 0, 0).endsWith(QStringLiteral(": ") + Ours),
                 qPrintable(handler));
    }

    void theListKeepsEveryOtherLineAndGroup()
    {
        DesktopFolders desktop;
        const QString exe = desktop.fakeProgram(desktop.root() + QStringLiteral("/kestrel-browser"));
        desktop.installApplication(QStringLiteral("viewer.desktop"), exe, QStringLiteral("image/png;"));
        DesktopFolders::writeBytes(desktop.userList(),
                                   "# my defaults\n"
                                   "[Added Associations]\n"
                                   "x-scheme-handler/http=other.desktop;\n"
                                   "\n"
                                   "[Default Applications]\n"
                                   "image/png=viewer.desktop;\n"
                                   "x-scheme-handler/https=other.desktop;firefox.desktop;\n"
                                   "\n"
                                   "[Removed Associations]\n"
                                   "text/plain=viewer.desktop;\n");
        const DefaultBrowser browser;
        QVERIFY(browser.RegisterAsDefaultBrowser(exe));
        QCOMPARE(DesktopFolders::readBytes(desktop.userList()),
                 QByteArray("# my defaults\n"
                            "[Added Associations]\n"
                            "x-scheme-handler/http=other.desktop;\n"
                            "\n"
                            "[Default Applications]\n"
                            "image/png=viewer.desktop;\n"
                            "x-scheme-handler/https=kestrel-browser.desktop;\n"
                            "x-scheme-handler/http=kestrel-browser.desktop;\n"
                            "\n"
                            "[Removed Associations]\n"
                            "text/plain=viewer.desktop;\n"));
        QCOMPARE(desktop.run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                                         QStringLiteral("image/png")}),
                 QStringLiteral("viewer.desktop"));

        // Unregistering takes out only our two entries.
        browser.UnregisterAsDefaultBrowser(exe);
        QVERIFY(!browser.IsDefaultBrowser(exe));
        QCOMPARE(DesktopFolders::readBytes(desktop.userList()),
                 QByteArray("# my defaults\n"
                            "[Added Associations]\n"
                            "x-scheme-handler/http=other.desktop;\n"
                            "\n"
                            "[Default Applications]\n"
                            "image/png=viewer.desktop;\n"
                            "\n"
                            "[Removed Associations]\n"
                            "text/plain=viewer.desktop;\n"));
    }

    void unregisteringWhileAnotherProgramIsTheHandlerChangesNothing()
    {
        DesktopFolders desktop;
        const QString exe = desktop.fakeProgram(desktop.root() + QStringLiteral("/kestrel-browser"));
        const QString other = desktop.fakeProgram(desktop.root() + QStringLiteral("/other-browser"));
        const DefaultBrowser browser;
        QVERIFY(browser.RegisterAsDefaultBrowser(exe));
        desktop.installApplication(QStringLiteral("other.desktop"), other,
                                   QStringLiteral("x-scheme-handler/http;x-scheme-handler/https;"));
        // The other browser takes http only: we are no longer the default browser.
        QCOMPARE(desktop.run(QStringLiteral("xdg-mime"),
                             {QStringLiteral("default"), QStringLiteral("other.desktop"), Http}),
                 QString());
        QVERIFY(!browser.IsDefaultBrowser(exe));
        const QByteArray before = DesktopFolders::readBytes(desktop.userList());
        browser.UnregisterAsDefaultBrowser(exe);
        QCOMPARE(DesktopFolders::readBytes(desktop.userList()), before);
        QCOMPARE(desktop.run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), Https}), Ours);
    }

    // Which list names the default: a desktop's own list before the plain one, the user's before
    // the system's, and an entry whose desktop file is not installed is passed over.
    void theDefaultFollowsTheListOrder()
    {
        DesktopFolders desktop;
        const QString program = desktop.fakeProgram(desktop.root() + QStringLiteral("/program"));
        desktop.installApplication(QStringLiteral("user.desktop"), program, QString());
        desktop.installApplication(QStringLiteral("vendor-app.desktop"), program, QString());
        DesktopFolders::writeBytes(desktop.root() + QStringLiteral("/system-config/mimeapps.list"),
                                   "[Default Applications]\ntext/a=vendor-app.desktop;\ntext/b=vendor-app.desktop\n");
        DesktopFolders::writeBytes(desktop.userList(),
                                   "[Default Applications]\ntext/a=missing.desktop;user.desktop;\n"
                                   "[Added Associations]\ntext/b=user.desktop;\n");
        QCOMPARE(MimeApps::defaultApplication(QStringLiteral("text/a")), QStringLiteral("user.desktop"));
        QCOMPARE(MimeApps::defaultApplication(QStringLiteral("text/b")), QStringLiteral("vendor-app.desktop"));
        DesktopFolders::writeBytes(desktop.configHome() + QStringLiteral("/lxqt-mimeapps.list"),
                                   "[Default Applications]\ntext/b=user.desktop\n");
        qputenv("XDG_CURRENT_DESKTOP", "LXQt");
        QCOMPARE(MimeApps::defaultApplication(QStringLiteral("text/b")), QStringLiteral("user.desktop"));
        QCOMPARE(MimeApps::defaultApplication(QStringLiteral("text/c")), QString());
    }
};

KESTREL_TEST(DefaultBrowserTest)
#include "DefaultBrowserTest.moc"
