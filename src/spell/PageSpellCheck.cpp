#include "spell/PageSpellCheck.h"

#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageTextRange.h"
#include "spell/WordLocator.h"
#include "support/SpellChecker.h"
#include "typing/NameValueLine.h"
#include "typing/TypingAidFiles.h"
#include "ui/Prompter.h"

namespace {
QString withCrLf(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString withLineFeeds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
}

PageSpellCheck::PageSpellCheck(SpellChecker &checker, Prompter &prompter, QString dataFolder,
                               ActiveDocument activeDocument, std::function<void()> reloadTypingAids)
    : m_checker(checker), m_prompter(prompter), m_dataFolder(std::move(dataFolder)),
      m_activeDocument(std::move(activeDocument)), m_reloadTypingAids(std::move(reloadTypingAids))
{
}

bool PageSpellCheck::isTextArea(const PageElement &element)
{
    return element.tagName() == QLatin1String("TEXTAREA");
}

std::shared_ptr<PageElement> PageSpellCheck::field() const
{
    const std::shared_ptr<PageDocument> document = m_activeDocument();
    const std::shared_ptr<PageElement> element = document ? document->activeElement() : nullptr;
    if (!element)
        return nullptr;
    if (isTextArea(*element))
        return element;
    if (element->tagName() == QLatin1String("INPUT") &&
        element->getAttribute(QStringLiteral("TYPE")).compare(QLatin1String("text"), Qt::CaseInsensitive) == 0)
        return element;
    return nullptr;
}

void PageSpellCheck::SpellCheck()
{
    m_marks.clear();
    const std::shared_ptr<PageDocument> document = m_activeDocument();
    if (!document) {
        m_prompter.message(QStringLiteral("Please place the cursor in a text box on a web form to spell check."));
        return;
    }
    const std::shared_ptr<PageElement> element = document->activeElement();
    const QString tag = element ? element->tagName() : QString();
    if (tag != QLatin1String("INPUT") && tag != QLatin1String("TEXTAREA")) {
        m_prompter.message(QStringLiteral("Please place the cursor in a text box to spell check."));
        return;
    }
    // Password boxes, buttons and other inputs are not checked, and nothing is said.
    if (!field())
        return;
    const bool area = isTextArea(*element);
    m_checkedText = area ? withCrLf(element->value()) : element->value();
    const std::optional<QString> corrected = m_checker.checkText(m_checkedText, *this);
    if (corrected)
        element->setValue(area ? withLineFeeds(*corrected) : *corrected);
    const std::shared_ptr<PageTextRange> range = element->createTextRange();
    if (range && range->queryCommandEnabled(QStringLiteral("RemoveFormat")))
        range->execCommand(QStringLiteral("RemoveFormat"));
}

int PageSpellCheck::fieldOffset(const PageElement &element, int start) const
{
    const int offset = start - 1;
    if (!isTextArea(element))
        return offset;
    return offset - static_cast<int>(QStringView(m_checkedText).left(std::max(0, offset)).count(QLatin1Char('\n')));
}

void PageSpellCheck::markWord(PageElement &element, const QString &value, const QString &word, int start, QChar flag)
{
    const std::optional<int> located = locateWord(value, fieldOffset(element, start), static_cast<int>(word.size()), word);
    QList<TextMark> shown;
    if (isTextArea(element)) {
        if (located)
            m_marks.add(*located, flag, word);
        for (const SpellMarks::Mark &mark : m_marks.marks()) {
            const std::optional<int> at =
                located && mark.position == *located
                    ? located
                    : locateWord(value, mark.position, static_cast<int>(mark.word.size()), mark.word);
            // A mark whose word is no longer in the field is skipped.
            if (at)
                shown.append({*at, *at + static_cast<int>(mark.word.size()), SpellMarks::colourOf(mark.flag)});
        }
    } else if (located) {
        shown.append({*located, *located + static_cast<int>(word.size()), SpellMarks::colourOf(flag)});
    }
    element.setTextMarks(shown);
    if (located)
        element.scrollTextIntoView(*located, *located + static_cast<int>(word.size()));
}

void PageSpellCheck::misspelling(const QString &word, int, int start)
{
    const std::shared_ptr<PageElement> element = field();
    if (element)
        markWord(*element, element->value(), word, start, QLatin1Char('Y'));
}

void PageSpellCheck::replacement(const QString &word, int, int start, const QString &text)
{
    m_checkedText = text;
    const std::shared_ptr<PageElement> element = field();
    if (!element)
        return;
    if (!isTextArea(*element)) {
        element->setValue(text);
        return;
    }
    const QString value = withLineFeeds(text);
    element->setValue(value);
    markWord(*element, value, word, start, QLatin1Char('G'));
}

void PageSpellCheck::autoCorrect(const QString &word, const QString &replacement)
{
    if (word.isEmpty() || replacement.isEmpty())
        return;
    std::optional<QStringList> lines = TypingAidFiles::read(m_dataFolder, TypingAidFiles::QuickCorrect);
    if (!lines)
        return;
    qsizetype existing = -1;
    for (qsizetype i = 0; i < lines->size() && existing < 0; ++i) {
        if (NameValueLine::nameOf(lines->at(i)).compare(word, Qt::CaseInsensitive) == 0)
            existing = i;
    }
    if (existing < 0) {
        lines->append(word + QLatin1Char('=') + replacement);
    } else {
        const NameValueLine line = NameValueLine::split(lines->at(existing));
        if (line.value == replacement) {
            m_prompter.message(QStringLiteral("Duplicate entry.  Addition aborted."));
            return;
        }
        const QString question = QStringLiteral("The entry \"") + word + QStringLiteral("\" already exists on your ") +
                                 QStringLiteral("quick correct list with the replacement word \"") + line.value +
                                 QStringLiteral("\".  Do you want to change the replacement word to \"") +
                                 replacement + QStringLiteral("?");
        if (m_prompter.question(question) != Prompter::Answer::Yes)
            return;
        (*lines)[existing] = line.name + QLatin1Char('=') + replacement;
    }
    TypingAidFiles::sortCaseInsensitive(*lines);
    if (TypingAidFiles::write(m_dataFolder, TypingAidFiles::QuickCorrect, *lines) && m_reloadTypingAids)
        m_reloadTypingAids();
}

void PageSpellCheck::deactivated()
{
    m_checker.giveFocus();
}
