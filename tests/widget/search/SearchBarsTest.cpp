#include "browser/TKestrelWB.h"
#include "search/QuickBar.h"
#include "search/SearchBars.h"
#include "search/SiteFile.h"
#include "search/TDropDownList.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/AppWarnings.h"
#include "testkit/FakeControl.h"
#include "testkit/TestRegistry.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

class SearchBarsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<QWidget> m_sheet;
    TKestrelWB *m_view = nullptr;
    FakeControl *m_fake = nullptr;
    bool m_hasTab = true;
    std::unique_ptr<SearchBars> m_bars;

    QComboBox *search() const { return m_bars->cbHTMLSearch(); }
    QComboBox *quote() const { return m_bars->cbFinanceSearch(); }

    QList<QUrl> sent() const { return m_fake->navigations; }

    void makeBars()
    {
        m_bars = std::make_unique<SearchBars>(*m_settings, m_dir->path(),
                                              [this] { return m_hasTab ? m_view : nullptr; });
        m_bars->readBoxWidths();
        m_bars->FillSearchSiteLists();
        m_bars->readHistories();
    }

    void writeSiteFile(const QStringList &lines) { QVERIFY(TextFile::writeLines(SiteFile::path(m_dir->path()), lines)); }

    void searchFor(const QString &query)
    {
        search()->setEditText(query);
        m_bars->sbGoSearchClick();
    }

private slots:
    void init()
    {
        failOnAppWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("registry.ini")));
        m_sheet = std::make_unique<QWidget>();
        auto control = std::make_unique<FakeControl>();
        m_fake = control.get();
        m_view = new TKestrelWB(m_sheet.get(), std::move(control));
        m_hasTab = true;
        writeSiteFile({QStringLiteral("[SearchEngines]"), QStringLiteral("Engine=http://engine.example/find?q="),
                       QStringLiteral("Other=http://other.example/?s="), QStringLiteral("[Financial]"),
                       QStringLiteral("Quotes=http://quotes.example/q?s="), QStringLiteral("[News]"),
                       QStringLiteral("Paper=http://paper.example/?q=")});
        makeBars();
    }

    void cleanup()
    {
        m_bars.reset();
        m_sheet.reset();
    }

    void theBarsHoldTheirControls()
    {
        QCOMPARE(m_bars->ToolBar3()->objectName(), QStringLiteral("ToolBar3"));
        QCOMPARE(m_bars->ToolBar3()->button()->text(), QStringLiteral("Search"));
        QCOMPARE(m_bars->ToolBar5()->button()->text(), QStringLiteral("Go"));
        QCOMPARE(m_bars->ToolBar3()->button()->width(), 61);
        QCOMPARE(m_bars->dlSearchURLs()->width(), 104);
        QCOMPARE(m_bars->dlFinanceURLs()->width(), 153);
        QCOMPARE(search()->width(), 165);
        QCOMPARE(quote()->width(), 101);
        QCOMPARE(search()->maxVisibleItems(), 12);
        QCOMPARE(m_bars->dlSearchURLs()->maxVisibleItems(), 12);
        QCOMPARE(m_bars->dlSearchURLs()->ItemList(),
                 (QStringList{QStringLiteral("Engine=http://engine.example/find?q="),
                              QStringLiteral("Other=http://other.example/?s=")}));
        QCOMPARE(m_bars->dlFinanceURLs()->currentText(), QStringLiteral("Quotes"));
    }

    void queriesGoAfterTheSiteAddressUnchanged()
    {
        m_bars->dlSearchURLs()->setCurrentIndex(1);
        searchFor(QStringLiteral("two words&more"));
        quote()->setEditText(QStringLiteral("KSTL"));
        QTest::mouseClick(m_bars->ToolBar5()->button(), Qt::LeftButton);
        QCOMPARE(sent().size(), 2);
        QCOMPARE(sent().at(0).toString(), QStringLiteral("http://other.example/?s=two words&more"));
        QCOMPARE(sent().at(1).toString(), QStringLiteral("http://quotes.example/q?s=KSTL"));
    }

    void withoutATabOrASiteNothingIsSentButTheQueryIsKept()
    {
        m_hasTab = false;
        searchFor(QStringLiteral("lonely"));
        m_hasTab = true;
        m_bars->dlFinanceURLs()->clearItems();
        quote()->setEditText(QStringLiteral("KSTL"));
        m_bars->sbQuoteClick();
        QVERIFY(sent().isEmpty());
        QCOMPARE(SearchBars::history(search()), QStringList{QStringLiteral("lonely")});
        QCOMPARE(SearchBars::history(quote()), QStringList{QStringLiteral("KSTL")});
    }

    void theHistoryKeepsTwelveWithoutCaseDuplicates()
    {
        searchFor(QStringLiteral("apple"));
        searchFor(QStringLiteral("pear"));
        searchFor(QStringLiteral("Apple"));
        QCOMPARE(SearchBars::history(search()), (QStringList{QStringLiteral("pear"), QStringLiteral("apple")}));
        QCOMPARE(search()->currentText(), QStringLiteral("Apple"));
        QStringList expected{QStringLiteral("pear"), QStringLiteral("apple")};
        for (int i = 3; i <= 13; ++i) {
            const QString query = QStringLiteral("query %1").arg(i);
            searchFor(query);
            expected.prepend(query);
        }
        // The thirteenth distinct query drops the oldest.
        expected.removeLast();
        QCOMPARE(SearchBars::history(search()), expected);
        QCOMPARE(search()->count(), 12);
        QCOMPARE(sent().size(), 14);
    }

    void typingCompletesFromTheHistoryAfterThePause()
    {
        for (const QString &query : {QStringLiteral("news today"), QStringLiteral("nothing"), QStringLiteral("weather")})
            searchFor(query);
        search()->setEditText(QString());
        search()->setFocus();
        QTest::keyClicks(search()->lineEdit(), QStringLiteral("Ne"));
        QVERIFY(m_bars->tmrCboPause2().isActive());
        QCOMPARE(m_bars->tmrCboPause2().interval(), 750);
        QVERIFY(m_bars->tmrCboPause2().isSingleShot());
        m_bars->tmrCboPause2Timer();
        QVERIFY(!m_bars->tmrCboPause2().isActive());
        QCOMPARE(search()->currentText(), QStringLiteral("news today"));
        QCOMPARE(search()->lineEdit()->selectedText(), QStringLiteral("ws today"));
        // Typing goes on over the completed part; Backspace offers it again after the pause.
        QTest::keyClicks(search()->lineEdit(), QStringLiteral("x"));
        QCOMPARE(search()->currentText(), QStringLiteral("nex"));
        m_bars->tmrCboPause2Timer();
        QCOMPARE(search()->currentText(), QStringLiteral("nex"));
        QTest::keyClick(search()->lineEdit(), Qt::Key_Backspace);
        QVERIFY(m_bars->tmrCboPause2().isActive());
        m_bars->tmrCboPause2Timer();
        QCOMPARE(search()->currentText(), QStringLiteral("news today"));
    }

    void theQuoteBoxCompletesFromItsOwnHistory()
    {
        searchFor(QStringLiteral("kestrel"));
        quote()->setEditText(QStringLiteral("KSTL"));
        m_bars->sbQuoteClick();
        quote()->setEditText(QString());
        QTest::keyClicks(quote()->lineEdit(), QStringLiteral("k"));
        m_bars->tmrCboPause2Timer();
        QCOMPARE(quote()->currentText(), QStringLiteral("KSTL"));
        QCOMPARE(search()->currentText(), QStringLiteral("kestrel"));
    }

    void keysOfTheQueryBoxes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pauseRestarted");
        QTest::addColumn<QString>("clipboard");
        // The box holds "hello world" with "world" selected; the clipboard holds "pasted".
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "hello pasted" << false << "pasted";
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "hello world" << false << "world";
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << "hello " << false << "world";
        QTest::newRow("Ctrl+Shift+V the ordinary way") << int(Qt::Key_V) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                                       << "hello world" << true << "pasted";
        QTest::newRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << "hello a" << true << "pasted";
    }

    void keysOfTheQueryBoxes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, pauseRestarted);
        QFETCH(QString, clipboard);
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        search()->setEditText(QStringLiteral("hello world"));
        search()->lineEdit()->setSelection(6, 5);
        // The key alone, without the presses of its modifier keys (which restart the pause).
        const QString character(QChar(char16_t(key + ('a' - 'A'))));
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), character);
        QCoreApplication::sendEvent(search()->lineEdit(), &press);
        QCOMPARE(search()->currentText(), text);
        QCOMPARE(m_bars->tmrCboPause2().isActive(), pauseRestarted);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        QVERIFY(sent().isEmpty());
    }

    void enterPressesTheBarsButton()
    {
        quote()->setEditText(QStringLiteral("KSTL"));
        QTest::keyClick(quote()->lineEdit(), Qt::Key_Return);
        search()->setEditText(QStringLiteral("falcon"));
        QTest::keyClick(search(), Qt::Key_Enter);
        QCOMPARE(sent().size(), 2);
        QCOMPARE(sent().at(0).toString(), QStringLiteral("http://quotes.example/q?s=KSTL"));
        QCOMPARE(sent().at(1).toString(), QStringLiteral("http://engine.example/find?q=falcon"));
        QCOMPARE(search()->currentText(), QStringLiteral("falcon"));
    }

    void historiesSurviveARestartAndAClearStaysCleared()
    {
        m_settings->writeList(SearchBars::SearchTermsSection, {QStringLiteral("old one"), QStringLiteral("old two")});
        m_settings->writeList(SearchBars::FinanceSearchTermsSection, {QStringLiteral("KSTL")});
        m_settings->writeString(SettingsStore::MainSection, QStringLiteral("SearchWidth"), QStringLiteral("200"));
        makeBars();
        QCOMPARE(SearchBars::history(search()), (QStringList{QStringLiteral("old one"), QStringLiteral("old two")}));
        QCOMPARE(search()->width(), 200);
        searchFor(QStringLiteral("new"));
        m_bars->writeHistories();
        m_bars->writeBoxWidths();
        QStringList stored;
        m_settings->readList(SearchBars::SearchTermsSection, stored);
        QCOMPARE(stored, (QStringList{QStringLiteral("new"), QStringLiteral("old one"), QStringLiteral("old two")}));
        QCOMPARE(m_settings->readString(SettingsStore::MainSection, QStringLiteral("SearchWidth")), QStringLiteral("200"));
        QCOMPARE(m_settings->readString(SettingsStore::MainSection, QStringLiteral("QuoteWidth")), QStringLiteral("101"));

        m_bars->ClearSearchHistory();
        QCOMPARE(search()->count(), 0);
        QCOMPARE(search()->currentText(), QString());
        QVERIFY(!m_settings->sectionExists(SearchBars::SearchTermsSection));
        m_bars->writeHistories();
        makeBars();
        QCOMPARE(search()->count(), 0);
        QCOMPARE(SearchBars::history(quote()), QStringList{QStringLiteral("KSTL")});
    }

    void aMissingSiteFileLeavesTheListsEmpty()
    {
        QFile::remove(SiteFile::path(m_dir->path()));
        m_bars->FillSearchSiteLists();
        QCOMPARE(m_bars->dlSearchURLs()->count(), 0);
        QCOMPARE(m_bars->dlFinanceURLs()->count(), 0);
        searchFor(QStringLiteral("x"));
        QVERIFY(sent().isEmpty());
    }
};

KESTREL_TEST(SearchBarsTest)
#include "SearchBarsTest.moc"
