#include "browser/engine/EnginePageDocument.h"

#include "browser/engine/EnginePageWindow.h"
#include "browser/engine/PageAgentConnection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonObject>
#include <QMimeData>
#include <QWebEnginePage>
#include <optional>

namespace {
// The engine action behind a clipboard command, compared without regard to case.
std::optional<QWebEnginePage::WebAction> clipboardAction(const QString &command)
{
    if (command.compare(QLatin1String("cut"), Qt::CaseInsensitive) == 0)
        return QWebEnginePage::Cut;
    if (command.compare(QLatin1String("copy"), Qt::CaseInsensitive) == 0)
        return QWebEnginePage::Copy;
    if (command.compare(QLatin1String("paste"), Qt::CaseInsensitive) == 0)
        return QWebEnginePage::Paste;
    return std::nullopt;
}

bool clipboardHasData()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && !data->formats().isEmpty();
}
}

EnginePageDocument::EnginePageDocument(PageAgentHandle handle) : m_handle(std::move(handle)) {}

std::shared_ptr<PageElement> EnginePageDocument::activeElement()
{
    return m_handle.element(QStringLiteral("activeElement"));
}

std::shared_ptr<PageWindow> EnginePageDocument::parentWindow()
{
    // A window is named by the frame number that starts the document's handle.
    return std::make_shared<EnginePageWindow>(m_handle.withKey(m_handle.key().section(QLatin1Char(':'), 0, 0)));
}

QString EnginePageDocument::url() { return m_handle.text(QStringLiteral("url")); }

std::shared_ptr<PageElement> EnginePageDocument::elementById(const QString &id)
{
    return m_handle.element(QStringLiteral("elementById"), QJsonArray{id});
}

bool EnginePageDocument::execCommand(const QString &command, bool showUserInterface, const QString &value)
{
    const auto action = clipboardAction(command);
    if (!action)
        return m_handle.flag(QStringLiteral("execCommand"), QJsonArray{command, showUserInterface, value});
    PageAgentConnection *connection = m_handle.connection();
    if (!queryCommandEnabled(command) || !connection || !connection->page())
        return false;
    // Plain text is put in by the agent at once, so the caller may change the clipboard right
    // after; richer contents are left to the engine, which keeps their formats.
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (*action == QWebEnginePage::Paste && data && data->hasText() && !data->hasHtml())
        return m_handle.flag(QStringLiteral("insertText"), QJsonArray{data->text()});
    // The engine edits the page after this call; waiting for the edit to show keeps whatever
    // the caller does next after it.
    const bool edits = *action != QWebEnginePage::Copy && m_handle.flag(QStringLiteral("watchEdit"));
    connection->page()->triggerAction(*action);
    if (edits)
        m_handle.call(QStringLiteral("editDone"));
    return true;
}

bool EnginePageDocument::queryCommandSupported(const QString &command)
{
    if (clipboardAction(command))
        return m_handle.call(QStringLiteral("clipboardState")).value_or(QJsonValue()).isObject();
    return m_handle.flag(QStringLiteral("queryCommandSupported"), QJsonArray{command});
}

bool EnginePageDocument::queryCommandEnabled(const QString &command)
{
    if (clipboardAction(command)) {
        const QJsonObject state = m_handle.call(QStringLiteral("clipboardState")).value_or(QJsonValue()).toObject();
        const bool enabled = state.value(command.toLower()).toBool();
        return command.compare(QLatin1String("paste"), Qt::CaseInsensitive) == 0 ? enabled && clipboardHasData()
                                                                                 : enabled;
    }
    return m_handle.flag(QStringLiteral("queryCommandEnabled"), QJsonArray{command});
}

bool EnginePageDocument::queryCommandState(const QString &command)
{
    return m_handle.flag(QStringLiteral("queryCommandState"), QJsonArray{command});
}

QString EnginePageDocument::queryCommandValue(const QString &command)
{
    return m_handle.text(QStringLiteral("queryCommandValue"), QJsonArray{command});
}

QString EnginePageDocument::bodyInnerText() { return m_handle.text(QStringLiteral("bodyInnerText")); }
QString EnginePageDocument::colour(const QString &which)
{
    return m_handle.text(QStringLiteral("colour"), QJsonArray{which});
}

bool EnginePageDocument::setColour(const QString &which, const QString &colour)
{
    return m_handle.flag(QStringLiteral("setColour"), QJsonArray{which, colour});
}

QString EnginePageDocument::bgColor() { return colour(QStringLiteral("bgColor")); }
bool EnginePageDocument::setBgColor(const QString &value) { return setColour(QStringLiteral("bgColor"), value); }
QString EnginePageDocument::fgColor() { return colour(QStringLiteral("fgColor")); }
bool EnginePageDocument::setFgColor(const QString &value) { return setColour(QStringLiteral("fgColor"), value); }
QString EnginePageDocument::linkColor() { return colour(QStringLiteral("linkColor")); }
bool EnginePageDocument::setLinkColor(const QString &value) { return setColour(QStringLiteral("linkColor"), value); }
QString EnginePageDocument::alinkColor() { return colour(QStringLiteral("alinkColor")); }
bool EnginePageDocument::setAlinkColor(const QString &value) { return setColour(QStringLiteral("alinkColor"), value); }
QString EnginePageDocument::vlinkColor() { return colour(QStringLiteral("vlinkColor")); }
bool EnginePageDocument::setVlinkColor(const QString &value) { return setColour(QStringLiteral("vlinkColor"), value); }
