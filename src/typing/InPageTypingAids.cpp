#include "typing/InPageTypingAids.h"

#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageTextRange.h"
#include "shell/SettingsStore.h"
#include "typing/TextBoxCompletion.h"
#include "typing/TypingAidTable.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
const QString Character = QStringLiteral("character");

TypingAidTable::Section sectionOf(TypingAid aid)
{
    switch (aid) {
    case TypingAid::QuickLinks: return TypingAidTable::Section::QuickLinks;
    case TypingAid::QuickWords: return TypingAidTable::Section::QuickWords;
    case TypingAid::QuickCorrect: break;
    }
    return TypingAidTable::Section::QuickCorrect;
}

QString switchOf(TypingAid aid)
{
    switch (aid) {
    case TypingAid::QuickLinks: return QStringLiteral("QuickLinks");
    case TypingAid::QuickWords: return QStringLiteral("QuickWords");
    case TypingAid::QuickCorrect: break;
    }
    return QStringLiteral("QuickCorrect");
}
}

bool isTextArea(const PageElement &element)
{
    return element.tagName().toUpper() == QLatin1String("TEXTAREA");
}

bool isTypingField(const PageElement &element)
{
    // Search, address, telephone and the other kinds of box are left to the page.
    if (isTextArea(element))
        return true;
    if (element.tagName().toUpper() != QLatin1String("INPUT"))
        return false;
    const QString type = element.getAttribute(QStringLiteral("type")).toUpper();
    return type == QLatin1String("TEXT") || type == QLatin1String("PASSWORD");
}

InPageTypingAids::InPageTypingAids(Collaborators collaborators, QObject *parent)
    : QObject(parent),
      m_collaborators(std::move(collaborators)),
      m_expander([this](TypingAid aid, const QString &word) { return valueIn(sectionOf(aid), word); },
                 [this](TypingAid aid) { return readSwitch(switchOf(aid)); })
{
    m_tmrHTMLForm.setInterval(750);
    m_tmrHTMLForm.setSingleShot(true);
    connect(&m_tmrHTMLForm, &QTimer::timeout, this, &InPageTypingAids::CompleteTextBox);
}

QString InPageTypingAids::valueIn(TypingAidTable::Section section, const QString &name) const
{
    return m_collaborators.table->valueOf(name, section).value_or(QString());
}

bool InPageTypingAids::readSwitch(const QString &key) const
{
    return m_collaborators.settings->readBool(SettingsStore::MainSection, key, true);
}

std::shared_ptr<PageElement> InPageTypingAids::focusedElement(std::shared_ptr<PageDocument> *documentOut) const
{
    std::shared_ptr<PageDocument> document = m_collaborators.focusedDocument();
    if (!document)
        return nullptr;
    if (documentOut)
        *documentOut = document;
    return document->activeElement();
}

WordExpander::Result InPageTypingAids::expandFieldText(const QString &text)
{
    WordExpander::Result result = m_expander.ExpandTypedWord(text, m_lastFieldText);
    m_lastFieldText = result.text;
    return result;
}

WordExpander::Result InPageTypingAids::fieldEdited(bool typedSpace, const QString &value, int caret)
{
    if (typedSpace)
        return expandFieldText(value);
    m_lastFieldText = value;
    return {false, value, caret};
}

void InPageTypingAids::ExpandOnSpace()
{
    const std::shared_ptr<PageElement> field = focusedElement();
    if (!field || !isTypingField(*field))
        return;
    const std::shared_ptr<PageTextRange> range = field->createTextRange();
    if (!range)
        return;
    const std::shared_ptr<PageTextRange> caret = range->duplicate();
    const bool textArea = isTextArea(*field);
    const QString text = textArea ? field->value() : range->text();
    const WordExpander::Result result = expandFieldText(text);
    if (!result.changed)
        return;
    if (textArea)
        field->setValue(result.text);
    else
        range->setText(result.text);
    caret->collapse(true);
    caret->move(Character, result.caret);
    caret->select();
}

void InPageTypingAids::ArmTextBoxCompletion()
{
    // The field is looked at when the timer fires: asking the page on every key would hold up
    // each key for a round trip to the engine.
    if (!readSwitch(QStringLiteral("TBAutoComplete")))
        return;
    m_tmrHTMLForm.stop();
    m_tmrHTMLForm.start();
}

void InPageTypingAids::CompleteTextBox()
{
    m_tmrHTMLForm.stop();
    const std::shared_ptr<PageElement> box = focusedElement();
    if (!box || !isTypingField(*box) || isTextArea(*box))
        return;
    const QString typed = box->value();
    const bool keepTypedCase =
        m_collaborators.settings->readInteger(SettingsStore::MainSection, QStringLiteral("TBAutoCase"), 1) != 0;
    const std::optional<QString> completed =
        completeTypedText(typed, m_collaborators.table->sectionLines(TypingAidTable::Section::TextBoxAutoComplete),
                          keepTypedCase);
    if (!completed)
        return;
    box->setValue(*completed);
    const std::shared_ptr<PageTextRange> range = box->createTextRange();
    if (!range)
        return;
    range->moveStart(Character, static_cast<int>(typed.size()));
    range->select();
}

void InPageTypingAids::QuickInsertKey(int keyCode)
{
    if (!readSwitch(QStringLiteral("QuickInsert")) || keyCode < 33 || keyCode > 126)
        return;
    std::shared_ptr<PageDocument> document;
    const std::shared_ptr<PageElement> field = focusedElement(&document);
    if (!field || !isTypingField(*field))
        return;
    const QString insert = valueIn(TypingAidTable::Section::QuickInsert, QString(QChar(keyCode)));
    if (insert.isEmpty())
        return;
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QString remembered = clipboard->text();
    clipboard->setText(insert);
    if (document->queryCommandEnabled(QStringLiteral("PASTE")))
        document->execCommand(QStringLiteral("PASTE"));
    if (!remembered.isEmpty())
        clipboard->setText(remembered);
}

void InPageTypingAids::RememberFieldText()
{
    const std::shared_ptr<PageElement> field = focusedElement();
    if (!field || !isTypingField(*field))
        return;
    // A password box is refreshed only by the expansion itself.
    if (field->getAttribute(QStringLiteral("type")).toUpper() == QLatin1String("PASSWORD"))
        return;
    m_lastFieldText = field->value();
}
