#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

class QComboBox;
class QuickBar;
class SettingsStore;
class TDropDownList;
class TKestrelWB;

// The Quick Search bar (ToolBar3: cbHTMLSearch, dlSearchURLs, sbGoSearch "Search") and the
// Quick Quote bar (ToolBar5: cbFinanceSearch, dlFinanceURLs, sbQuote "Go"). Each sends the
// selected site's address followed by the typed query to the active tab, keeps a history of
// the last 12 queries that survives restarts, and completes typed text from that history
// after a pause. The bars are widgets for the window's bands; this object owns them until
// a band takes them.
class SearchBars : public QObject
{
    Q_OBJECT
public:
    using ActiveBrowser = std::function<TKestrelWB *()>;

    static constexpr int PauseInterval = 750;
    static constexpr int HistorySize = 12;
    static inline const QString SearchTermsSection = QStringLiteral("Kestrel Browser 5\\SearchTerms");
    static inline const QString FinanceSearchTermsSection = QStringLiteral("Kestrel Browser 5\\FinanceSearchTerms");

    SearchBars(SettingsStore &settings, const QString &dataFolder, ActiveBrowser activeBrowser,
               QObject *parent = nullptr);
    ~SearchBars() override;

    QuickBar *ToolBar3() const;
    QuickBar *ToolBar5() const;
    QComboBox *cbHTMLSearch() const;
    QComboBox *cbFinanceSearch() const;
    TDropDownList *dlSearchURLs() const;
    TDropDownList *dlFinanceURLs() const;
    QTimer &tmrCboPause2() { return m_pause; }

    // Settings, in the window's creation order: the box widths, the site lists, the histories.
    void readBoxWidths();
    // Clears both site lists and fills them from the sections "SearchEngines" and "Financial"
    // of multisearch.dat.
    void FillSearchSiteLists();
    void readHistories();
    // At close: the widths, and every history entry under "Item" + k.
    void writeBoxWidths();
    void writeHistories();
    int searchWidth() const;
    int quoteWidth() const;
    static QStringList history(const QComboBox *box);

    // The buttons (and Enter in their boxes).
    void sbGoSearchClick();
    void sbQuoteClick();
    // Key-down in a query box: Enter presses the bar's button, exactly Ctrl with V, C or X
    // works the clipboard, any other key makes the box the completion target and restarts
    // the pause timer.
    void queryBoxKeyDown(QComboBox *box, int key, Qt::KeyboardModifiers modifiers);
    // The pause-timer tick: completes the target box's text from its history.
    void tmrCboPause2Timer();
    // Empties the quick-search box and deletes its stored history.
    void ClearSearchHistory();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *boxOf(QObject *watched) const;
    void watch(QComboBox *box);
    // Sends the selected site's value followed by the box text to the view, when there is a
    // site and a view, then remembers the query.
    void send(QComboBox *box, TDropDownList *sites, TKestrelWB *view);
    static void remember(QComboBox *box, const QString &query);
    void readHistory(QComboBox *box, const QString &section);

    SettingsStore &m_settings;
    QString m_dataFolder;
    ActiveBrowser m_activeBrowser;
    QPointer<QuickBar> m_searchBar;
    QPointer<QuickBar> m_quoteBar;
    QTimer m_pause;
    QPointer<QComboBox> m_target;
};
