#pragma once

#include "spell/SpellMarks.h"
#include "support/SpellCheckEvents.h"

#include <QString>
#include <functional>
#include <memory>

class PageDocument;
class PageElement;
class Prompter;
class SpellChecker;

// Spell checking of the focused text box or text area of a page: hands the field's text to
// the spell checker, shows each word the user is asked about in the field (yellow, replaced
// words light green, as marks drawn over the field), puts the corrections into the field,
// feeds the auto-correct choice into the Quick Correct list and takes the marks off at the
// end.
class PageSpellCheck : public SpellCheckEvents
{
public:
    using ActiveDocument = std::function<std::shared_ptr<PageDocument>()>;

    // reloadTypingAids rebuilds the typing-aid table after "qcorrect.dat" changed.
    PageSpellCheck(SpellChecker &checker, Prompter &prompter, QString dataFolder, ActiveDocument activeDocument,
                   std::function<void()> reloadTypingAids);

    // "Spell Check" (Edit menu, tool buttons, Ctrl+F1).
    void SpellCheck();
    const SpellMarks &marks() const { return m_marks; }

    void misspelling(const QString &word, int length, int start) override;
    void replacement(const QString &word, int length, int start, const QString &text) override;
    void autoCorrect(const QString &word, const QString &replacement) override;
    void deactivated() override;

private:
    // The focused text box (INPUT of type "text") or text area, or null.
    std::shared_ptr<PageElement> field() const;
    static bool isTextArea(const PageElement &element);
    // The offset in the field of a 1-based position in the checked text: in a text area each
    // CR LF pair of the checked text is one character of the field.
    int fieldOffset(const PageElement &element, int start) const;
    // Marks the word in the field with the flag, redraws the other marks and brings the word
    // into sight.
    void markWord(PageElement &element, const QString &value, const QString &word, int start, QChar flag);

    SpellChecker &m_checker;
    Prompter &m_prompter;
    QString m_dataFolder;
    ActiveDocument m_activeDocument;
    std::function<void()> m_reloadTypingAids;
    SpellMarks m_marks;
    // The text as the checker sees it, corrected as far as the check has gone.
    QString m_checkedText;
};
