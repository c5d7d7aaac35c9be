#include "browser/engine/EnginePageElement.h"

#include "browser/engine/EnginePageForm.h"

#include <QJsonObject>

EnginePageElement::EnginePageElement(PageAgentHandle handle, QString tagName)
    : m_handle(std::move(handle)), m_tagName(std::move(tagName))
{
}

QString EnginePageElement::tagName() const { return m_tagName; }

QString EnginePageElement::getAttribute(const QString &name) const
{
    return m_handle.text(QStringLiteral("getAttribute"), QJsonArray{name});
}

bool EnginePageElement::isSameNode(const PageElement &other) const
{
    const auto *element = dynamic_cast<const EnginePageElement *>(&other);
    return element && element->m_handle.key() == m_handle.key();
}

QString EnginePageElement::name() const { return m_handle.text(QStringLiteral("name")); }
QString EnginePageElement::value() const { return m_handle.text(QStringLiteral("value")); }

bool EnginePageElement::setValue(const QString &value)
{
    return m_handle.flag(QStringLiteral("setValue"), QJsonArray{value});
}

std::shared_ptr<PageForm> EnginePageElement::form() const
{
    const QJsonObject ref = m_handle.call(QStringLiteral("form")).value_or(QJsonValue()).toObject();
    const QString key = ref.value(QLatin1String("key")).toString();
    if (key.isEmpty())
        return nullptr;
    return std::make_shared<EnginePageForm>(m_handle.withKey(key));
}

QJsonArray EnginePageElement::selection() const
{
    return m_handle.call(QStringLiteral("selection")).value_or(QJsonValue()).toArray();
}

int EnginePageElement::selectionStart() const { return selection().at(0).toInt(-1); }
int EnginePageElement::selectionEnd() const { return selection().at(1).toInt(-1); }

bool EnginePageElement::setSelectionRange(int start, int end)
{
    return m_handle.flag(QStringLiteral("setSelectionRange"), QJsonArray{start, end});
}

bool EnginePageElement::replaceRange(int start, int end, const QString &text)
{
    return m_handle.flag(QStringLiteral("replaceRange"), QJsonArray{start, end, text});
}

QList<TextMark> EnginePageElement::textMarks() const
{
    QList<TextMark> marks;
    const QJsonArray runs = m_handle.call(QStringLiteral("textMarks")).value_or(QJsonValue()).toArray();
    for (const QJsonValue &run : runs) {
        const QJsonArray mark = run.toArray();
        marks.append({mark.at(0).toInt(), mark.at(1).toInt(), mark.at(2).toString()});
    }
    return marks;
}

bool EnginePageElement::setTextMarks(const QList<TextMark> &marks)
{
    QJsonArray list;
    for (const TextMark &mark : marks) {
        if (!TextMark::isColour(mark.colour))
            return false;
        list.append(QJsonArray{mark.start, mark.end, mark.colour});
    }
    return m_handle.flag(QStringLiteral("setTextMarks"), QJsonArray{list});
}

bool EnginePageElement::scrollTextIntoView(int start, int end)
{
    return m_handle.flag(QStringLiteral("scrollTextIntoView"), QJsonArray{start, end});
}

int EnginePageElement::selectedIndex() const
{
    return m_handle.number(QStringLiteral("selectedIndex"), -1);
}

bool EnginePageElement::setSelectedIndex(int index)
{
    return m_handle.flag(QStringLiteral("setSelectedIndex"), QJsonArray{index});
}

bool EnginePageElement::checked() const { return m_handle.flag(QStringLiteral("checked")); }

bool EnginePageElement::setChecked(bool checked)
{
    return m_handle.flag(QStringLiteral("setChecked"), QJsonArray{checked});
}

std::shared_ptr<PageWindow> EnginePageElement::contentWindow() const
{
    return m_handle.window(QStringLiteral("contentWindow"));
}

bool EnginePageElement::focus() { return m_handle.flag(QStringLiteral("focus")); }
bool EnginePageElement::scrollIntoView() { return m_handle.flag(QStringLiteral("scrollIntoView")); }
