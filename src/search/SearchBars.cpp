#include "search/SearchBars.h"

#include "browser/TKestrelWB.h"
#include "search/QuickBar.h"
#include "search/SiteFile.h"
#include "search/TDropDownList.h"
#include "shell/SettingsStore.h"
#include "ui/EditClipboardKeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {
const QString SearchWidthKey = QStringLiteral("SearchWidth");
const QString QuoteWidthKey = QStringLiteral("QuoteWidth");
constexpr int SearchWidthDefault = 165;
constexpr int QuoteWidthDefault = 101;
}

SearchBars::SearchBars(SettingsStore &settings, const QString &dataFolder, ActiveBrowser activeBrowser,
                       QObject *parent)
    : QObject(parent), m_settings(settings), m_dataFolder(dataFolder), m_activeBrowser(std::move(activeBrowser)),
      m_searchBar(new QuickBar(QStringLiteral("ToolBar3"), SearchWidthDefault, 104, QStringLiteral("Search"), 61)),
      m_quoteBar(new QuickBar(QStringLiteral("ToolBar5"), QuoteWidthDefault, 153, QStringLiteral("Go"), 37))
{
    cbHTMLSearch()->setObjectName(QStringLiteral("cbHTMLSearch"));
    dlSearchURLs()->setObjectName(QStringLiteral("dlSearchURLs"));
    m_searchBar->button()->setObjectName(QStringLiteral("sbGoSearch"));
    cbFinanceSearch()->setObjectName(QStringLiteral("cbFinanceSearch"));
    dlFinanceURLs()->setObjectName(QStringLiteral("dlFinanceURLs"));
    m_quoteBar->button()->setObjectName(QStringLiteral("sbQuote"));
    connect(m_searchBar->button(), &QToolButton::clicked, this, &SearchBars::sbGoSearchClick);
    connect(m_quoteBar->button(), &QToolButton::clicked, this, &SearchBars::sbQuoteClick);
    watch(cbHTMLSearch());
    watch(cbFinanceSearch());

    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseInterval);
    connect(&m_pause, &QTimer::timeout, this, &SearchBars::tmrCboPause2Timer);
}

SearchBars::~SearchBars()
{
    // The bars may live in a band by now; whoever goes first takes them along. Their boxes
    // stop reporting to this object before either goes.
    for (QuickBar *bar : {m_searchBar.data(), m_quoteBar.data()}) {
        if (bar) {
            bar->box()->removeEventFilter(this);
            bar->box()->lineEdit()->removeEventFilter(this);
        }
    }
    delete m_searchBar;
    delete m_quoteBar;
}

QuickBar *SearchBars::ToolBar3() const
{
    return m_searchBar;
}

QuickBar *SearchBars::ToolBar5() const
{
    return m_quoteBar;
}

QComboBox *SearchBars::cbHTMLSearch() const
{
    return m_searchBar->box();
}

QComboBox *SearchBars::cbFinanceSearch() const
{
    return m_quoteBar->box();
}

TDropDownList *SearchBars::dlSearchURLs() const
{
    return m_searchBar->siteList();
}

TDropDownList *SearchBars::dlFinanceURLs() const
{
    return m_quoteBar->siteList();
}

void SearchBars::watch(QComboBox *box)
{
    // Keys reach the box (its focus proxy) or, sent there directly, its line edit.
    box->installEventFilter(this);
    box->lineEdit()->installEventFilter(this);
}

QComboBox *SearchBars::boxOf(QObject *watched) const
{
    for (QuickBar *bar : {m_searchBar.data(), m_quoteBar.data()}) {
        if (bar && (watched == bar->box() || watched == bar->box()->lineEdit()))
            return bar->box();
    }
    return nullptr;
}

void SearchBars::readBoxWidths()
{
    m_searchBar->setBoxWidth(m_settings.readInteger(SettingsStore::MainSection, SearchWidthKey, SearchWidthDefault));
    m_quoteBar->setBoxWidth(m_settings.readInteger(SettingsStore::MainSection, QuoteWidthKey, QuoteWidthDefault));
}

void SearchBars::writeBoxWidths()
{
    m_settings.writeInteger(SettingsStore::MainSection, SearchWidthKey, searchWidth());
    m_settings.writeInteger(SettingsStore::MainSection, QuoteWidthKey, quoteWidth());
}

int SearchBars::searchWidth() const
{
    return m_searchBar->boxWidth();
}

int SearchBars::quoteWidth() const
{
    return m_quoteBar->boxWidth();
}

void SearchBars::FillSearchSiteLists()
{
    const QString path = SiteFile::path(m_dataFolder);
    dlSearchURLs()->clearItems();
    dlSearchURLs()->fillFromText(SiteFile::readSection(path, QStringLiteral("SearchEngines")));
    dlFinanceURLs()->clearItems();
    dlFinanceURLs()->fillFromText(SiteFile::readSection(path, QStringLiteral("Financial")));
}

QStringList SearchBars::history(const QComboBox *box)
{
    QStringList entries;
    entries.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        entries.append(box->itemText(i));
    return entries;
}

void SearchBars::readHistory(QComboBox *box, const QString &section)
{
    QStringList entries = history(box);
    m_settings.readList(section, entries);
    const QString text = box->currentText();
    box->clear();
    box->addItems(entries);
    box->setEditText(text);
}

void SearchBars::readHistories()
{
    readHistory(cbHTMLSearch(), SearchTermsSection);
    readHistory(cbFinanceSearch(), FinanceSearchTermsSection);
}

void SearchBars::writeHistories()
{
    m_settings.writeList(SearchTermsSection, history(cbHTMLSearch()));
    m_settings.writeList(FinanceSearchTermsSection, history(cbFinanceSearch()));
}

void SearchBars::sbGoSearchClick()
{
    send(cbHTMLSearch(), dlSearchURLs(), m_activeBrowser());
}

void SearchBars::sbQuoteClick()
{
    send(cbFinanceSearch(), dlFinanceURLs(), m_activeBrowser());
}

void SearchBars::send(QComboBox *box, TDropDownList *sites, TKestrelWB *view)
{
    const QString query = box->currentText();
    // The query goes after the site's address as typed: no encoding, no placeholders.
    if (sites->currentIndex() >= 0 && view)
        view->Navigate(sites->selectedValue() + query);
    remember(box, query);
}

void SearchBars::remember(QComboBox *box, const QString &query)
{
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i).compare(query, Qt::CaseInsensitive) == 0)
            return;
    }
    // Changing the list may move the current item and with it the edit text.
    box->insertItem(0, query);
    while (box->count() > HistorySize)
        box->removeItem(box->count() - 1);
    box->setEditText(query);
}

bool SearchBars::eventFilter(QObject *watched, QEvent *event)
{
    QComboBox *box = boxOf(watched);
    if (!box)
        return QObject::eventFilter(watched, event);
    if (EditClipboardKeys::claimShortcut(event))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        queryBoxKeyDown(box, key->key(), key->modifiers());
        return EditClipboardKeys::discardsCharacter(*key, box->lineEdit());
    }
    return QObject::eventFilter(watched, event);
}

void SearchBars::queryBoxKeyDown(QComboBox *box, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (box == cbHTMLSearch())
            sbGoSearchClick();
        else
            sbQuoteClick();
        return;
    }
    if (EditClipboardKeys::isClipboardKey(key, modifiers)) {
        EditClipboardKeys::apply(box->lineEdit(), key);
        return;
    }
    m_target = box;
    m_pause.stop();
    m_pause.start();
}

void SearchBars::tmrCboPause2Timer()
{
    m_pause.stop();
    QComboBox *box = m_target;
    if (!box)
        return;
    const QString text = box->currentText();
    if (text.isEmpty())
        return;
    const qsizetype typed = text.size();
    for (int i = 0; i < box->count(); ++i) {
        const QString entry = box->itemText(i);
        if (QStringView(entry).left(typed).compare(text, Qt::CaseInsensitive) != 0)
            continue;
        // The completed part is selected, so further typing replaces it.
        box->setEditText(entry);
        box->lineEdit()->setSelection(int(typed), int(entry.size() - typed));
        return;
    }
}

void SearchBars::ClearSearchHistory()
{
    cbHTMLSearch()->clear();
    cbHTMLSearch()->clearEditText();
    m_settings.clearSection(SearchTermsSection);
}
