#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

class Prompter;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class SettingsStore;

// The address bar cboURLAddress: an editable drop-down box whose list holds the typed
// addresses, newest first. Enter loads the text in the active browser; a pause while typing
// completes the text from "http://", a quick link or the typed list. The window owns the box;
// this class binds it.
class AddressBar : public QObject
{
    Q_OBJECT
public:
    // Loads an address in the active browser (or a new tab when there is none).
    using Navigate = std::function<void(const QString &address)>;
    // The value of a typing-aid entry by name (case-insensitive, first match), or nothing.
    using QuickLinkLookup = std::function<std::optional<QString>(const QString &name)>;

    static constexpr int DropDownCount = 20;
    static constexpr int PauseInterval = 750;
    static inline const QString TypedUrlsSection = QStringLiteral("Kestrel Browser 5\\TypedURLs");

    AddressBar(QComboBox *cboURLAddress, SettingsStore &settings, Prompter &prompter,
               Navigate navigate, QuickLinkLookup quickLink, QObject *parent = nullptr);

    QComboBox *box() const { return m_box; }
    QTimer &tmrCboPause() { return m_pause; }
    QString text() const;
    QStringList typedUrls() const;

    // The stored typed-URL list: read when the window is made, written when it closes.
    void readTypedUrls();
    void writeTypedUrls();

    // Key-down tests in order: Enter, Ctrl+V, Ctrl+C, Ctrl+X, then any other key restarts the
    // pause timer.
    void cboURLAddressKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // True when the key's character is to be discarded: Enter, or any character with Ctrl held
    // that the box does not keep as one of its editing keys (select all, undo, word moves).
    bool discardsCharacter(const QKeyEvent &event) const;
    // The pause-timer tick: completes the text by the first rule that applies.
    void CompleteAddress();

    // The caret into the box with its whole text selected (Ctrl+L, Alt+D, F6).
    void focusForTyping();

    // "&Go To Address": asks for an address and loads it.
    void GoToAddress();
    // "Clear Typed &URL List": empties the box and deletes the stored list.
    void ClearTypedURLList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *edit() const;
    void enterPressed();
    void addTypedUrl(const QString &address);
    void completeFromList(const QString &text);

    QComboBox *m_box;
    SettingsStore &m_settings;
    Prompter &m_prompter;
    Navigate m_navigate;
    QuickLinkLookup m_quickLink;
    QTimer m_pause;
};
