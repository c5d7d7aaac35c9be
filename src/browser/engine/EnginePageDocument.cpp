#include "browser/engine/EnginePageDocument.h"

#include "browser/engine/EnginePageElement.h"
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

std::optional<PageFocusedForm> EnginePageDocument::focusedForm()
{
    const QJsonObject answer = m_handle.call(QStringLiteral("focusedForm")).value_or(QJsonValue()).toObject();
    if (answer.isEmpty())
        return std::nullopt;
    PageFocusedForm form;
    form.focused = control(answer.value(QLatin1String("focused")).toArray());
    form.inForm = answer.value(QLatin1String("inForm")).toBool();
    const QJsonArray controls = answer.value(QLatin1String("controls")).toArray();
    form.controls.reserve(static_cast<std::size_t>(controls.size()));
    for (const QJsonValue &state : controls)
        form.controls.push_back(control(state.toArray()));
    return form;
}

PageFormControl EnginePageDocument::control(const QJsonArray &state) const
{
    PageFormControl control;
    control.tagName = state.at(1).toString();
    control.element = std::make_shared<EnginePageElement>(
        m_handle.withKey(m_handle.key() + QLatin1Char(':') + QString::number(state.at(0).toInteger())),
        control.tagName);
    control.type = state.at(2).toString();
    control.name = state.at(3).toString();
    control.value = state.at(4).toString();
    control.vcardName = state.at(5).toString();
    control.checked = state.at(6).toBool();
    control.selectedIndex = state.at(7).toInt(-1);
    control.visible = state.at(8).toBool();
    return control;
}

int EnginePageDocument::writeControls(const std::vector<PageControlWrite> &writes)
{
    // Elements are sent by their number within this document; others are left out.
    const QString prefix = m_handle.key() + QLatin1Char(':');
    QJsonArray batch;
    for (const PageControlWrite &write : writes) {
        const auto *element = dynamic_cast<const EnginePageElement *>(write.element.get());
        const QString key = element ? element->handle().key() : QString();
        if (!key.startsWith(prefix) || element->handle().connection() != m_handle.connection())
            continue;
        const qint64 number = QStringView(key).mid(prefix.size()).toLongLong();
        switch (write.kind) {
        case PageControlWrite::Kind::Value:
            batch.append(QJsonArray{number, QStringLiteral("v"), write.value});
            break;
        case PageControlWrite::Kind::Checked:
            batch.append(QJsonArray{number, QStringLiteral("c"), write.checked});
            break;
        case PageControlWrite::Kind::SelectedIndex:
            batch.append(QJsonArray{number, QStringLiteral("s"), write.selectedIndex});
            break;
        }
    }
    if (batch.isEmpty())
        return 0;
    return m_handle.number(QStringLiteral("writeControls"), 0, QJsonArray{QJsonValue(batch)});
}

bool EnginePageDocument::execCommand(const QString &command, bool showUserInterface, const QString &value)
{
    const auto action = clipboardAction(command);
    if (!action)
        return m_handle.flag(QStringLiteral("execCommand"), QJsonArray{command, showUserInterface, value});
    PageAgentConnection *connection = m_handle.connection();
    QWebEnginePage *page = connection ? connection->page() : nullptr;
    if (!page)
        return false;
    const bool paste = *action == QWebEnginePage::Paste;
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (paste && !clipboardHasData())
        return false;
    // Plain text is put in by the agent at once, so the caller may change the clipboard right
    // after; richer contents are left to the engine, which keeps their formats.
    if (paste && data->hasText() && !data->hasHtml())
        return m_handle.flag(QStringLiteral("insertText"), QJsonArray{data->text()});
    // The engine edits the page after this call; the agent watches for the edit, and waiting
    // for it keeps whatever the caller does next after it.
    if (!m_handle.flag(QStringLiteral("startClipboardCommand"), QJsonArray{command.toLower()}))
        return false;
    page->triggerAction(*action);
    if (*action != QWebEnginePage::Copy)
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
