#include "browser/AddressBar.h"

#include "shell/SettingsStore.h"
#include "ui/EditClipboardKeys.h"
#include "ui/Prompter.h"
#include "ui/TextBoxKeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
const QString HttpPrefix = QStringLiteral("http://");

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Texts whose last character ends a part of an address are left as typed.
bool endsAddressPart(const QString &text)
{
    static const QString enders = QStringLiteral("./?&=");
    return enders.contains(text.back());
}
}

AddressBar::AddressBar(QComboBox *cboURLAddress, SettingsStore &settings, Prompter &prompter,
                       Navigate navigate, QuickLinkLookup quickLink, QObject *parent)
    : QObject(parent), m_box(cboURLAddress), m_settings(settings), m_prompter(prompter),
      m_navigate(std::move(navigate)), m_quickLink(std::move(quickLink))
{
    m_box->setEditable(true);
    // The box completes by its own rules only: no inline completer, and Enter inserts nothing
    // by itself.
    m_box->setCompleter(nullptr);
    m_box->setInsertPolicy(QComboBox::NoInsert);
    m_box->setMaxVisibleItems(DropDownCount);
    // Keys reach the box (its focus widget) or, when sent there directly, its line edit; the
    // box hands keys on to the line edit without passing this filter a second time.
    m_box->installEventFilter(this);
    edit()->installEventFilter(this);

    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseInterval);
    connect(&m_pause, &QTimer::timeout, this, &AddressBar::CompleteAddress);
}

QLineEdit *AddressBar::edit() const
{
    return m_box->lineEdit();
}

QString AddressBar::text() const
{
    return m_box->currentText();
}

QStringList AddressBar::typedUrls() const
{
    QStringList list;
    list.reserve(m_box->count());
    for (int i = 0; i < m_box->count(); ++i)
        list.append(m_box->itemText(i));
    return list;
}

void AddressBar::readTypedUrls()
{
    QStringList list = typedUrls();
    m_settings.readList(TypedUrlsSection, list);
    const QString text = this->text();
    m_box->clear();
    m_box->addItems(list);
    m_box->setEditText(text);
}

void AddressBar::writeTypedUrls()
{
    m_settings.writeList(TypedUrlsSection, typedUrls());
}

bool AddressBar::eventFilter(QObject *watched, QEvent *event)
{
    if (EditClipboardKeys::claimShortcut(event))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        cboURLAddressKeyDown(key->key(), key->modifiers());
        return discardsCharacter(*key);
    }
    return QObject::eventFilter(watched, event);
}

bool AddressBar::discardsCharacter(const QKeyEvent &event) const
{
    return EditClipboardKeys::discardsCharacter(event, edit());
}

void AddressBar::cboURLAddressKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (isEnter(key)) {
        enterPressed();
        return;
    }
    if (EditClipboardKeys::isClipboardKey(key, modifiers)) {
        EditClipboardKeys::apply(edit(), key);
        return;
    }
    m_pause.stop();
    m_pause.start();
}

void AddressBar::enterPressed()
{
    QString text = this->text();
    if (text.trimmed().isEmpty())
        return;
    if (text.left(3).toLower() == QLatin1String("www"))
        text = HttpPrefix + text;
    if (text.startsWith(QLatin1Char('@'))) {
        const std::optional<QString> address = m_quickLink ? m_quickLink(text.trimmed()) : std::nullopt;
        if (!address) {
            m_prompter.message(QStringLiteral("The quick link \"") + text
                               + QStringLiteral("\" was not found on the Quick Link list."));
            return;
        }
        // A quick link without an address has nothing to load.
        if (address->trimmed().isEmpty())
            return;
        text = *address;
    }
    addTypedUrl(text);
    m_box->setEditText(text);
    edit()->selectAll();
    m_navigate(text);
}

void AddressBar::addTypedUrl(const QString &address)
{
    // Changing the list may move the box's current item and with it the edit text, so the
    // caller sets the text again afterwards.
    for (int i = m_box->count() - 1; i >= 0; --i) {
        if (m_box->itemText(i) == address)
            m_box->removeItem(i);
    }
    m_box->insertItem(0, address);
    while (m_box->count() > DropDownCount)
        m_box->removeItem(m_box->count() - 1);
}

void AddressBar::CompleteAddress()
{
    m_pause.stop();
    const QString text = this->text();
    // "h" to "http:": the rest of "http://" is filled in and selected, the caret stays after
    // what was typed.
    if (!text.isEmpty() && text.size() < HttpPrefix.size() - 1 && HttpPrefix.startsWith(text)) {
        m_box->setEditText(HttpPrefix);
        edit()->setSelection(HttpPrefix.size(), int(text.size() - HttpPrefix.size()));
        edit()->setModified(true);
        return;
    }
    if (text.startsWith(QLatin1Char('@'))) {
        if (const std::optional<QString> address = m_quickLink ? m_quickLink(text.trimmed()) : std::nullopt) {
            m_box->setEditText(*address);
            edit()->selectAll();
            edit()->setModified(true);
        }
        return;
    }
    if (text.isEmpty() || endsAddressPart(text))
        return;
    completeFromList(text);
}

void AddressBar::completeFromList(const QString &text)
{
    const qsizetype typed = text.size();
    for (int i = 0; i < m_box->count(); ++i) {
        const QString entry = m_box->itemText(i);
        if (entry.size() < typed || QStringView(entry).left(typed).compare(text, Qt::CaseInsensitive) != 0)
            continue;
        // Up to and including the first "/" from the last typed character on, else the whole
        // entry; the completed part is selected so typing goes on over it.
        const qsizetype slash = entry.indexOf(QLatin1Char('/'), typed - 1);
        const qsizetype end = slash < 0 ? entry.size() : slash + 1;
        m_box->setEditText(entry.left(end));
        edit()->setSelection(int(typed), int(end - typed));
        edit()->setModified(true);
        return;
    }
}

void AddressBar::focusForTyping()
{
    m_box->setFocus(Qt::ShortcutFocusReason);
    edit()->selectAll();
}

void AddressBar::GoToAddress()
{
    // Cancel gives back the preset, which loads nothing.
    const QString answer = m_prompter.input(QStringLiteral("Go To Address"), QStringLiteral("Address:"), HttpPrefix)
                               .value_or(HttpPrefix);
    const QString checked = answer.trimmed().toLower();
    if (checked.isEmpty())
        m_prompter.message(QStringLiteral("The Address you entered was not valid"));
    else if (checked != HttpPrefix)
        m_navigate(answer);
}

void AddressBar::ClearTypedURLList()
{
    m_box->clear();
    m_box->clearEditText();
    m_settings.clearSection(TypedUrlsSection);
}
