#pragma once

#include "typing/TypingAidTable.h"
#include "typing/WordExpander.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class PageDocument;
class PageElement;
class SettingsStore;

// The typing aids that act inside page fields: expansion of the word typed before a space,
// completion of text boxes after a pause, Quick Insert texts and the remembered field text
// that the next expansion compares against. Switches are read from the store at every use.
class InPageTypingAids : public QObject
{
    Q_OBJECT
public:
    struct Collaborators
    {
        // The focused document of the active browser, or null.
        std::function<std::shared_ptr<PageDocument>()> focusedDocument;
        const TypingAidTable *table = nullptr;
        SettingsStore *settings = nullptr;
    };

    explicit InPageTypingAids(Collaborators collaborators, QObject *parent = nullptr);

    // Expands the word before the caret in the focused field, placing the caret after it.
    void ExpandOnSpace();
    // The expansion step on a field's text: the new text and caret, and the remembered text
    // updated. Used by ExpandOnSpace and by the page agent's own key events.
    WordExpander::Result expandFieldText(const QString &text);
    // A field edit the page agent reported: after a typed space the expansion step, after
    // another edit the remembered text refreshed (the field then stays as it is).
    WordExpander::Result fieldEdited(bool typedSpace, const QString &value, int caret);
    void ArmTextBoxCompletion();
    // tmrHTMLForm's tick: completes the focused text box from the completion list.
    void CompleteTextBox();
    void QuickInsertKey(int keyCode);
    void RememberFieldText();
    // Sets the remembered text directly, as the page agent reports it.
    void setLastFieldText(const QString &text) { m_lastFieldText = text; }

    QString LastFieldText() const { return m_lastFieldText; }
    QTimer &tmrHTMLForm() { return m_tmrHTMLForm; }

private:
    std::shared_ptr<PageElement> focusedElement(std::shared_ptr<PageDocument> *document = nullptr) const;
    bool readSwitch(const QString &key) const;
    QString valueIn(TypingAidTable::Section section, const QString &name) const;

    Collaborators m_collaborators;
    WordExpander m_expander;
    QString m_lastFieldText;
    QTimer m_tmrHTMLForm;
};

// A text area, or a text or password box (an INPUT of type "TEXT" or "PASSWORD").
bool isTypingField(const PageElement &element);
bool isTextArea(const PageElement &element);
