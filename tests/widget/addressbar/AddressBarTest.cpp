#include "browser/AddressBar.h"
#include "shell/SettingsStore.h"
#include "testkit/AppWarnings.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"
#include "typing/TypingAidFiles.h"
#include "typing/TypingAidTable.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class AddressBarTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<QComboBox> m_box;
    std::unique_ptr<AddressBar> m_bar;
    QStringList m_navigated;
    std::unique_ptr<TypingAidTable> m_typingAids;

    QLineEdit *edit() const { return m_box->lineEdit(); }

    void setList(const QStringList &entries)
    {
        m_box->clear();
        m_box->addItems(entries);
        m_box->setEditText(QString());
    }

    // Types into the box as the user would and lets the pause run out.
    void typeAndPause(const QString &keys)
    {
        QTest::keyClicks(edit(), keys);
        QVERIFY(m_bar->tmrCboPause().isActive());
        m_bar->CompleteAddress();
        QVERIFY(!m_bar->tmrCboPause().isActive());
    }

    void enter() { QTest::keyClick(m_box.get(), Qt::Key_Return); }

private slots:
    void init()
    {
        failOnAppWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("registry.ini")));
        m_prompter = std::make_unique<ScriptedPrompter>();
        m_box = std::make_unique<QComboBox>();
        m_navigated.clear();
        QVERIFY(TypingAidFiles::write(m_dir->path(), TypingAidFiles::QuickLinks,
                                      {QStringLiteral("@news=http://news.example.org/")}));
        m_typingAids = std::make_unique<TypingAidTable>(m_dir->path());
        m_typingAids->LoadTypingAids();
        m_bar = std::make_unique<AddressBar>(
            m_box.get(), *m_settings, *m_prompter, [this](const QString &address) { m_navigated.append(address); },
            [this](const QString &name) { return m_typingAids->valueOf(name); });
        m_box->show();
        m_box->activateWindow();
        m_box->setFocus();
    }

    void cleanup()
    {
        m_bar.reset();
        m_box.reset();
    }

    void thePauseTimerCompletes()
    {
        QCOMPARE(m_bar->tmrCboPause().interval(), 750);
        m_bar->tmrCboPause().setInterval(0);
        QTest::keyClick(edit(), Qt::Key_H);
        QTRY_COMPARE(m_bar->text(), QStringLiteral("http://"));
        QVERIFY(!m_bar->tmrCboPause().isActive());
    }

    void beginningOfHttpIsFilledInWithTheCaretAfterTheTypedPart()
    {
        typeAndPause(QStringLiteral("h"));
        QCOMPARE(m_bar->text(), QStringLiteral("http://"));
        QCOMPARE(edit()->cursorPosition(), 1);
        QCOMPARE(edit()->selectedText(), QStringLiteral("ttp://"));

        // Typing goes on over the selection and the next pause completes again.
        typeAndPause(QStringLiteral("ttp"));
        QCOMPARE(m_bar->text(), QStringLiteral("http://"));
        QCOMPARE(edit()->cursorPosition(), 4);
        QCOMPARE(edit()->selectedText(), QStringLiteral("://"));

        m_box->setEditText(QStringLiteral("http:"));
        m_bar->CompleteAddress();
        QCOMPARE(edit()->cursorPosition(), 5);
        QCOMPARE(edit()->selectedText(), QStringLiteral("//"));
    }

    void httpRuleIsCaseSensitiveAndStopsAtTheColon()
    {
        setList({QStringLiteral("HTTP://upper.example.com/")});
        for (const QString &text : {QStringLiteral("Htt"), QStringLiteral("http:/"), QStringLiteral("hx")}) {
            m_box->setEditText(text);
            m_bar->CompleteAddress();
            QVERIFY2(!m_bar->text().startsWith(QStringLiteral("http://")), qPrintable(text));
        }
        // "Htt" is not the http rule but does begin a listed address, without regard to case.
        m_box->setEditText(QStringLiteral("HTt"));
        m_bar->CompleteAddress();
        QCOMPARE(m_bar->text(), QStringLiteral("HTTP:/"));
    }

    void quickLinkAtPauseIsReplacedOnlyWhenKnown()
    {
        typeAndPause(QStringLiteral("@NEWS "));
        QCOMPARE(m_bar->text(), QStringLiteral("http://news.example.org/"));
        QCOMPARE(edit()->selectedText(), m_bar->text());

        m_box->setEditText(QStringLiteral("@nothing"));
        m_bar->CompleteAddress();
        QCOMPARE(m_bar->text(), QStringLiteral("@nothing"));
        QVERIFY(m_prompter->shown().isEmpty());
    }

    void textEndingAnAddressPartIsNeverCompleted()
    {
        setList({QStringLiteral("www.example.com/a/b?x=1&y=2")});
        for (const QString &text : {QStringLiteral("www."), QStringLiteral("www.example.com/"), QStringLiteral("www.example.com/a/b?"),
                                    QStringLiteral("www.example.com/a/b?x="), QStringLiteral("www.example.com/a/b?x=1&")}) {
            m_box->setEditText(text);
            m_bar->CompleteAddress();
            QCOMPARE(m_bar->text(), text);
        }
    }

    void listCompletionStopsAfterTheNextSlash()
    {
        setList({QStringLiteral("http://www.other.net/"), QStringLiteral("http://www.example.com/path/page"),
                 QStringLiteral("http://www.example.org/")});
        typeAndPause(QStringLiteral("http://WWW.ex"));
        // The first listed match wins; its own spelling replaces the typed one.
        QCOMPARE(m_bar->text(), QStringLiteral("http://www.example.com/"));
        QCOMPARE(edit()->selectedText(), QStringLiteral("ample.com/"));
        QCOMPARE(edit()->selectionStart(), 13);

        // Further typing replaces the selection; the next part completes to the next slash.
        typeAndPause(QStringLiteral("ample.com/p"));
        QCOMPARE(m_bar->text(), QStringLiteral("http://www.example.com/path/"));
        QCOMPARE(edit()->selectedText(), QStringLiteral("ath/"));
    }

    void listCompletionWithoutSlashTakesTheWholeEntry()
    {
        setList({QStringLiteral("kestrel.example"), QStringLiteral("kestrel.example/later")});
        typeAndPause(QStringLiteral("kes"));
        QCOMPARE(m_bar->text(), QStringLiteral("kestrel.example"));
        QCOMPARE(edit()->selectedText(), QStringLiteral("trel.example"));

        // A text that is a whole entry stays, with nothing selected.
        m_box->setEditText(QStringLiteral("kestrel.example"));
        m_bar->CompleteAddress();
        QCOMPARE(m_bar->text(), QStringLiteral("kestrel.example"));
        QVERIFY(!edit()->hasSelectedText());

        m_box->setEditText(QStringLiteral("unlisted"));
        m_bar->CompleteAddress();
        QCOMPARE(m_bar->text(), QStringLiteral("unlisted"));
    }

    void enterLoadsTheTextAndPutsItOnTopOfTheList()
    {
        setList({QStringLiteral("http://a.example/"), QStringLiteral("http://b.example/")});
        QTest::keyClicks(edit(), QStringLiteral("wWw.kestrel.example"));
        enter();
        QCOMPARE(m_navigated, QStringList{QStringLiteral("http://wWw.kestrel.example")});
        QCOMPARE(m_bar->text(), QStringLiteral("http://wWw.kestrel.example"));
        QCOMPARE(edit()->selectedText(), m_bar->text());
        QCOMPARE(m_bar->typedUrls(), (QStringList{QStringLiteral("http://wWw.kestrel.example"),
                                                  QStringLiteral("http://a.example/"), QStringLiteral("http://b.example/")}));

        // An address already listed moves to the top instead of appearing twice.
        m_box->setEditText(QStringLiteral("http://b.example/"));
        enter();
        QCOMPARE(m_bar->typedUrls(), (QStringList{QStringLiteral("http://b.example/"),
                                                  QStringLiteral("http://wWw.kestrel.example"), QStringLiteral("http://a.example/")}));
        QCOMPARE(m_bar->text(), QStringLiteral("http://b.example/"));
        QCOMPARE(m_navigated.size(), 2);
    }

    void enterOnBlankTextDoesNothing()
    {
        m_box->setEditText(QStringLiteral("   "));
        enter();
        QVERIFY(m_navigated.isEmpty());
        QCOMPARE(m_box->count(), 0);
        QCOMPARE(m_bar->text(), QStringLiteral("   "));
    }

    void enterOnQuickLink()
    {
        m_box->setEditText(QStringLiteral("@nowhere"));
        enter();
        QCOMPARE(m_prompter->texts(),
                 QStringList{QStringLiteral("The quick link \"@nowhere\" was not found on the Quick Link list.")});
        QVERIFY(m_navigated.isEmpty());
        QCOMPARE(m_box->count(), 0);

        m_box->setEditText(QStringLiteral("@News"));
        enter();
        QCOMPARE(m_navigated, QStringList{QStringLiteral("http://news.example.org/")});
        QCOMPARE(m_bar->typedUrls(), QStringList{QStringLiteral("http://news.example.org/")});
        QCOMPARE(edit()->selectedText(), QStringLiteral("http://news.example.org/"));
    }

    void listKeepsTheTwentyNewest()
    {
        QStringList entries;
        for (int i = 0; i < AddressBar::DropDownCount; ++i)
            entries.append(QStringLiteral("http://site%1.example/").arg(i));
        setList(entries);
        m_box->setEditText(QStringLiteral("http://new.example/"));
        enter();
        QCOMPARE(m_box->count(), 20);
        QCOMPARE(m_bar->typedUrls().first(), QStringLiteral("http://new.example/"));
        QCOMPARE(m_bar->typedUrls().last(), QStringLiteral("http://site18.example/"));
    }

    void enterAndCtrlCharactersAreNotTyped()
    {
        QTest::keyClicks(edit(), QStringLiteral("abc"));
        QTest::keyClick(edit(), Qt::Key_Q, Qt::ControlModifier);
        QTest::keyClick(edit(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m_bar->text(), QStringLiteral("abc"));
        // The box's own editing keys still edit: select all, then undo.
        QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit()->selectedText(), QStringLiteral("abc"));
        QTest::keyClick(edit(), Qt::Key_X);
        QCOMPARE(m_bar->text(), QStringLiteral("x"));
        QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_bar->text(), QStringLiteral("abc"));
        // Keys without a character still reach the box.
        QTest::keyClick(edit(), Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(edit()->cursorPosition(), 0);
        QVERIFY(m_bar->tmrCboPause().isActive());
    }

    void clipboardKeysWithCtrlAlone()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("pasted"));
        m_box->setEditText(QStringLiteral("one two"));
        edit()->setSelection(4, 3);
        QTest::keyClick(m_box.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_bar->text(), QStringLiteral("one pasted"));

        edit()->setSelection(0, 3);
        QTest::keyClick(m_box.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("one"));
        QCOMPARE(m_bar->text(), QStringLiteral("one pasted"));

        edit()->setSelection(3, 7);
        QTest::keyClick(edit(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral(" pasted"));
        QCOMPARE(m_bar->text(), QStringLiteral("one"));

        // Without a selection Ctrl+C leaves the clipboard alone; with Shift it is no clipboard key.
        edit()->deselect();
        QTest::keyClick(edit(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral(" pasted"));
        QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_bar->text(), QStringLiteral("one"));
    }

    void goToAddressAnswers()
    {
        m_prompter->queueText(QStringLiteral(" Example.COM/x "));
        m_bar->GoToAddress();
        QCOMPARE(m_navigated, QStringList{QStringLiteral(" Example.COM/x ")});
        QCOMPARE(m_prompter->shown().first().caption, QStringLiteral("Go To Address"));
        QCOMPARE(m_prompter->shown().first().text, QStringLiteral("Address:"));

        m_prompter->clear();
        m_prompter->queueText(QStringLiteral("  "));
        m_bar->GoToAddress();
        QCOMPARE(m_prompter->shown().last().text, QStringLiteral("The Address you entered was not valid"));

        m_prompter->clear();
        m_prompter->queueText(QStringLiteral(" HTTP:// "));
        m_bar->GoToAddress();
        m_prompter->queueText(std::nullopt);
        m_bar->GoToAddress();
        QCOMPARE(m_prompter->shown().size(), 2);
        QCOMPARE(m_navigated.size(), 1);
        // Typed addresses come only from the box itself.
        QCOMPARE(m_box->count(), 0);
    }

    void typedListIsStoredAndCleared()
    {
        const QString section = QStringLiteral("Kestrel Browser 5\\TypedURLs");
        m_settings->writeList(section, {QStringLiteral("http://one.example/"), QStringLiteral("http://two.example/")});
        m_settings->writeString(SettingsStore::MainSection, QStringLiteral("Homepage"), QStringLiteral("about:blank"));
        m_bar->readTypedUrls();
        QCOMPARE(m_bar->typedUrls(), (QStringList{QStringLiteral("http://one.example/"), QStringLiteral("http://two.example/")}));

        m_box->setEditText(QStringLiteral("http://three.example/"));
        enter();
        m_bar->writeTypedUrls();
        QStringList stored;
        SettingsStore(m_dir->filePath(QStringLiteral("registry.ini"))).readList(section, stored);
        QCOMPARE(stored, m_bar->typedUrls());

        m_bar->ClearTypedURLList();
        QCOMPARE(m_box->count(), 0);
        QVERIFY(m_bar->text().isEmpty());
        QVERIFY(!m_settings->sectionExists(section));
        QCOMPARE(m_settings->readString(SettingsStore::MainSection, QStringLiteral("Homepage")), QStringLiteral("about:blank"));
    }
};

KESTREL_TEST(AddressBarTest)
#include "AddressBarTest.moc"
