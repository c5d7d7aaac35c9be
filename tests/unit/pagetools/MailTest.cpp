#include "pagetools/mail/DefaultMailClient.h"
#include "pagetools/mail/MailButton.h"
#include "pagetools/mail/MailCommandLine.h"
#include "pagetools/mail/MailSettings.h"
#include "pagetools/mail/MailtoLink.h"
#include "pagetools/mail/WebMailSites.h"
#include "platform/DesktopEntry.h"
#include "platform/ShellWords.h"
#include "shell/SettingsStore.h"
#include "testkit/DesktopFolders.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "typing/NameValueLine.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// The Mail button over a private store, with every service recorded.
struct Rig
{
    QTemporaryDir dir;
    SettingsStore store{dir.path() + QStringLiteral("/registry.ini")};
    ScriptedPrompter prompter;
    CommandRegistry commands;
    int settingsOpened = 0;
    QStringList tabs;
    QList<QUrl> opened;
    QList<QStringList> launches;
    bool launchWorks = true;
    QString address = QStringLiteral("A");
    QString title = QStringLiteral("News");
    MailButton mail{store, prompter, commands,
                    MailButton::Services{[this] { ++settingsOpened; }, [this](const QString &a) { tabs << a; },
                                         [this] { return address; }, [this] { return title; },
                                         [this](const QString &program, const QStringList &arguments) {
                                             launches << (QStringList{program} + arguments);
                                             return launchWorks;
                                         },
                                         [this](const QUrl &url) { opened << url; }}};

    void configure(int action, const QString &program = QString(), const QString &parameters = QString(),
                   const QString &url = QString())
    {
        MailSettings{action, program, parameters, url}.write(store);
    }
};
}

// The Mail button and its menu, the mailto link of a page, and finding the desktop's mail program.
class MailTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void theMailCommandCarriesTheMailMenu()
    {
        Rig rig;
        Command *mail = rig.commands.find(CommandIds::Mail);
        QVERIFY(mail);
        QCOMPARE(mail->menu(), rig.mail.pmMail());
        QStringList captions;
        for (const QAction *action : rig.mail.pmMail()->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(captions, (QStringList{QStringLiteral("&Send Mail"), QStringLiteral("-"),
                                        QStringLiteral("Send Page as &Link"), QStringLiteral("-"),
                                        QStringLiteral("&Mail Settings")}));
        rig.mail.pmMail()->actions().last()->trigger();
        QCOMPARE(rig.settingsOpened, 1);
    }

    void theMailActionFollowsTheSetting()
    {
        QTemporaryDir programs;
        const QString program = programs.path() + QStringLiteral("/mailer");
        DesktopFolders::writeBytes(program, "#!/bin/sh\n");

        Rig rig;
        // Not configured: the settings open.
        QVERIFY(rig.commands.trigger(CommandIds::Mail));
        QCOMPARE(rig.settingsOpened, 1);

        // The program with its parameters split as a shell would.
        rig.configure(MailSettings::LaunchProgram, program, QStringLiteral(" -compose 'to=a b' \"x\\\"y\""));
        QVERIFY(rig.commands.trigger(CommandIds::Mail));
        QCOMPARE(rig.launches, (QList<QStringList>{{program, QStringLiteral("-compose"), QStringLiteral("to=a b"),
                                                    QStringLiteral("x\"y")}}));

        // A refused launch says so and reopens the settings.
        rig.launchWorks = false;
        QVERIFY(rig.commands.trigger(CommandIds::Mail));
        QCOMPARE(rig.prompter.texts(), QStringList{MailButton::LaunchFailed});
        QCOMPARE(rig.settingsOpened, 2);

        // A program that is gone, an empty web address and an unknown action do nothing.
        rig.configure(MailSettings::LaunchProgram, programs.path() + QStringLiteral("/gone"));
        rig.commands.trigger(CommandIds::Mail);
        rig.configure(MailSettings::WebMail);
        rig.commands.trigger(CommandIds::Mail);
        rig.configure(3, program, QString(), QStringLiteral("https://mail.example/"));
        rig.commands.trigger(CommandIds::Mail);
        QCOMPARE(rig.launches.size(), 2);
        QVERIFY(rig.tabs.isEmpty());
        QCOMPARE(rig.settingsOpened, 2);

        // Web mail opens in a new tab.
        rig.configure(MailSettings::WebMail, program, QString(), QStringLiteral("https://mail.example/"));
        rig.mail.pmMail()->actions().first()->trigger();
        QCOMPARE(rig.tabs, QStringList{QStringLiteral("https://mail.example/")});
    }

    void aRealProgramStartsDetachedWithItsArguments()
    {
        DesktopFolders desktop;
        const QString program = desktop.fakeProgram(desktop.root() + QStringLiteral("/mail program"));
        QVERIFY(MailButton::launchDetached(program, {QStringLiteral("-compose"), QStringLiteral("a b")}));
        QTRY_COMPARE(desktop.argumentsOf(program), (QStringList{QStringLiteral("-compose"), QStringLiteral("a b")}));
        QVERIFY(!MailButton::launchDetached(desktop.root() + QStringLiteral("/none"), {}));
    }

    void thePageGoesAsALinkToTheDesktopsMailHandler()
    {
        Rig rig;
        rig.mail.SendPageAsLink();
        QCOMPARE(rig.opened.size(), 1);
        QCOMPARE(rig.opened.first().scheme(), QStringLiteral("mailto"));
        QCOMPARE(rig.opened.first().toEncoded(), QByteArray("mailto:?SUBJECT=News&BODY=A%0D%0A%3CNews%3E"));

        rig.address.clear();
        rig.mail.SendPageAsLink();
        QCOMPARE(rig.opened.size(), 1);
    }

    void mailtoParts_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("link");
        QTest::newRow("plain") << u"News"_s << u"A"_s << u"mailto:?SUBJECT=News&BODY=A%0D%0A<News>"_s;
        // Characters that would end the subject or the body, or start a fragment, are encoded.
        QTest::newRow("separators") << u"Q&A #1"_s << u"http://h/p?a=1&b=2"_s
                                    << u"mailto:?SUBJECT=Q%26A%20%231&BODY=http%3A%2F%2Fh%2Fp%3Fa%3D1%26b%3D2%0D%0A<Q%26A%20%231>"_s;
        QTest::newRow("kept") << u"!$'()*-.@_09AZaz"_s << u"x"_s
                              << u"mailto:?SUBJECT=!$'()*-.@_09AZaz&BODY=x%0D%0A<!$'()*-.@_09AZaz>"_s;
        QTest::newRow("utf-8") << u"Café"_s << u"x"_s << u"mailto:?SUBJECT=Caf%C3%A9&BODY=x%0D%0A<Caf%C3%A9>"_s;
    }
    void mailtoParts()
    {
        QFETCH(QString, title);
        QFETCH(QString, address);
        QFETCH(QString, link);
        QCOMPARE(MailtoLink::forPage(title, address), link);
    }

    void commandLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("parameters");
        QTest::newRow("quoted with option") << u"\"/opt/My Mail/mail\" -compose"_s << u"/opt/My Mail/mail"_s << u" -compose"_s;
        QTest::newRow("quote among the last two") << u"\"/opt/mail\" "_s << u"/opt/mail"_s << u""_s;
        QTest::newRow("quote last") << u"\"/opt/mail\""_s << u"/opt/mail"_s << u""_s;
        QTest::newRow("unclosed quote") << u"\"/opt/mail -x"_s << u"/opt/mail -x"_s << u""_s;
        QTest::newRow("unquoted") << u"thunderbird -compose"_s << u"thunderbird"_s << u" -compose"_s;
        QTest::newRow("program only") << u"/usr/bin/evolution"_s << u"/usr/bin/evolution"_s << u""_s;
    }
    void commandLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, program);
        QFETCH(QString, parameters);
        const MailCommandLine split = MailCommandLine::split(line);
        QCOMPARE(split.program, program);
        QCOMPARE(split.parameters, parameters);
    }

    void shellWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("blanks") << u"  a \tb  "_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("single quotes") << u"'a \"b' c"_s << QStringList{u"a \"b"_s, u"c"_s};
        QTest::newRow("double quotes") << u"\"a \\\"b\\\\ \\x\" c"_s << QStringList{u"a \"b\\ \\x"_s, u"c"_s};
        QTest::newRow("joined") << u"a'b c'\"d\""_s << QStringList{u"ab cd"_s};
        QTest::newRow("backslash") << u"a\\ b \\'c"_s << QStringList{u"a b"_s, u"'c"_s};
        QTest::newRow("empty quotes") << u"'' x"_s << QStringList{u""_s, u"x"_s};
        QTest::newRow("unclosed") << u"\"a b"_s << QStringList{u"a b"_s};
    }
    void shellWords()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QCOMPARE(ShellWords::split(text), words);
    }

    void fieldCodes_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("command");
        QTest::newRow("url") << u"thunderbird %u"_s << u"thunderbird"_s;
        QTest::newRow("several") << u"mail -compose %U %i --x"_s << u"mail -compose --x"_s;
        QTest::newRow("percent") << u"\"/opt/100%%/m\" %u"_s << u"\"/opt/100%/m\""_s;
        QTest::newRow("inside a word") << u"m --to=%u"_s << u"m --to=%u"_s;
    }
    void fieldCodes()
    {
        QFETCH(QString, exec);
        QFETCH(QString, command);
        QCOMPARE(DesktopEntry::withoutFieldCodes(exec), command);
    }

    void useDefaultFindsTheDesktopsMailProgram()
    {
        DesktopFolders desktop;
        ScriptedPrompter prompter;
        QVERIFY(!DefaultMailClient::choose(prompter));
        QCOMPARE(prompter.texts(), QStringList{DefaultMailClient::NoClient});

        const QString program = desktop.fakeProgram(desktop.root() + QStringLiteral("/My Mail/mail"));
        DesktopFolders::writeBytes(desktop.applications() + QStringLiteral("/mailer.desktop"),
                                   "[Desktop Entry]\nType=Application\nName=Mailer\n"
                                   "Exec=\"" + program.toUtf8() + "\" -compose %u\n");
        DesktopFolders::writeBytes(desktop.userList(), "[Default Applications]\nx-scheme-handler/mailto=mailer.desktop;\n");
        prompter.clear();
        const auto chosen = DefaultMailClient::choose(prompter);
        QVERIFY(chosen);
        QCOMPARE(chosen->program, program);
        QCOMPARE(chosen->parameters, QStringLiteral(" -compose"));
        QVERIFY(prompter.texts().isEmpty());

        // A program named without its folder is found in PATH.
        DesktopFolders::writeBytes(desktop.applications() + QStringLiteral("/mailer.desktop"),
                                   "[Desktop Entry]\nType=Application\nName=Mailer\nExec=sh -c true %u\n");
        const auto inPath = DefaultMailClient::choose(prompter);
        QVERIFY(inPath);
        QVERIFY(inPath->program.endsWith(QStringLiteral("/sh")));
        QCOMPARE(inPath->parameters, QStringLiteral(" -c true"));

        QFile::remove(program);
        DesktopFolders::writeBytes(desktop.applications() + QStringLiteral("/mailer.desktop"),
                                   "[Desktop Entry]\nType=Application\nName=Mailer\nExec=\"" + program.toUtf8() + "\"\n");
        QVERIFY(!DefaultMailClient::choose(prompter));
        QCOMPARE(prompter.texts(), QStringList{DefaultMailClient::ProgramNotFound});
    }

    void sixteenWebMailSites()
    {
        const QStringList sites = WebMailSites::lines();
        QCOMPARE(sites.size(), 16);
        QCOMPARE(sites.first(), QStringLiteral("Other=http://"));
        for (const QString &line : sites.mid(1)) {
            const NameValueLine site = NameValueLine::split(line);
            QVERIFY2(!site.name.isEmpty() && site.value.startsWith(QStringLiteral("https://")), qPrintable(line));
        }
    }
};

KESTREL_TEST(MailTest)
#include "MailTest.moc"
