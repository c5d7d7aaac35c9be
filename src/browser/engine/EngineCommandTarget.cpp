#include "browser/engine/EngineCommandTarget.h"

#include "browser/engine/EngineProfile.h"
#include "browser/engine/FindBar.h"
#include "browser/engine/InternetOptionsDialog.h"
#include "browser/engine/PagePropertiesDialog.h"
#include "ui/Prompter.h"

#include <QDir>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr std::array<double, CommandTarget::ZoomLevels> ZoomFactors = {0.75, 0.9, 1.0, 1.25, 1.5};

const QString SaveFilter = QStringLiteral("Web Page, complete|*.htm;*.html|Web Archive, single file|*.mht;*.mhtml");

// A file name made from the page title, without characters file systems refuse.
QString suggestedFileName(const QString &title)
{
    QString name = title.trimmed();
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("page");
    return name.left(120) + QStringLiteral(".html");
}

// What the document itself knows and the engine does not: its type, modification date and
// size. Runs in the isolated world, where the page cannot replace these properties.
const QString PropertiesScript = QStringLiteral(
    "[document.contentType, document.lastModified,"
    " new Blob([document.documentElement ? document.documentElement.outerHTML : '']).size]");
}

EngineCommandTarget::EngineCommandTarget(QWebEngineView &view, QObject *parent) : QObject(parent), m_view(view) {}

EngineCommandTarget::~EngineCommandTarget() = default;

QVariant EngineCommandTarget::exec(CommandTarget::Group group, int id, int option, Prompter &prompter)
{
    return group == CommandTarget::Group::Standard ? execStandard(id, option, prompter) : execWebBrowser(id);
}

QVariant EngineCommandTarget::execStandard(int id, int option, Prompter &prompter)
{
    QWebEnginePage *page = m_view.page();
    switch (id) {
    case CommandTarget::SaveAs:
        return saveAs(prompter) ? QVariant(true) : QVariant();
    case CommandTarget::Print:
        return print(option) ? QVariant(true) : QVariant();
    case CommandTarget::PageSetup:
        return pageSetup() ? QVariant(true) : QVariant();
    case CommandTarget::Properties:
        showProperties();
        return true;
    case CommandTarget::Undo:
        page->triggerAction(QWebEnginePage::Undo);
        return true;
    case CommandTarget::Zoom:
        if (option >= 0 && option < CommandTarget::ZoomLevels)
            page->setZoomFactor(zoomFactor(option));
        return zoomLevel(page->zoomFactor());
    case CommandTarget::GetZoomRange:
        return QVariantList{0, CommandTarget::ZoomLevels - 1};
    default:
        return {};
    }
}

QVariant EngineCommandTarget::execWebBrowser(int id)
{
    switch (id) {
    case CommandTarget::Find:
        if (!m_findBar)
            m_findBar = new FindBar(m_view);
        m_findBar->open();
        return true;
    case CommandTarget::InternetOptions: {
        auto *dialog = new InternetOptionsDialog(*engineProfile(), m_view.window());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
        return true;
    }
    default:
        return {};
    }
}

bool EngineCommandTarget::saveAs(Prompter &prompter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const QString suggested = QDir(folder).filePath(suggestedFileName(m_view.page()->title()));
    const std::optional<QString> path = prompter.saveFile(QStringLiteral("Save Web Page"), SaveFilter, suggested);
    if (!path || path->isEmpty())
        return false;
    const bool archive = path->endsWith(QLatin1String(".mht"), Qt::CaseInsensitive)
                         || path->endsWith(QLatin1String(".mhtml"), Qt::CaseInsensitive);
    m_view.page()->save(*path, archive ? QWebEngineDownloadRequest::MimeHtmlSaveFormat
                                       : QWebEngineDownloadRequest::CompleteHtmlSaveFormat);
    return true;
}

QPrinter &EngineCommandTarget::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool EngineCommandTarget::print(int option)
{
    // The engine prints into the printer after this returns; one job at a time.
    if (m_printing)
        return false;
    if (option != CommandTarget::DontPromptUser) {
        QPrintDialog dialog(&printer(), m_view.window());
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    m_printing = true;
    connect(&m_view, &QWebEngineView::printFinished, this, [this] { m_printing = false; },
            Qt::SingleShotConnection);
    m_view.print(&printer());
    return true;
}

bool EngineCommandTarget::pageSetup()
{
    QPageSetupDialog dialog(&printer(), m_view.window());
    return dialog.exec() == QDialog::Accepted;
}

void EngineCommandTarget::showProperties()
{
    QWebEnginePage *page = m_view.page();
    PageProperties properties;
    properties.title = page->title();
    properties.address = page->url().toString();
    properties.visited = page->history()->currentItem().lastVisited();
    QPointer<QWebEngineView> view(&m_view);
    page->runJavaScript(PropertiesScript, QWebEngineScript::ApplicationWorld,
                        [view, properties](const QVariant &result) mutable {
                            if (!view)
                                return;
                            const QVariantList values = result.toList();
                            if (values.size() == 3) {
                                properties.type = values.at(0).toString();
                                properties.modified = values.at(1).toString();
                                properties.size = values.at(2).toLongLong();
                            }
                            auto *dialog = new PagePropertiesDialog(properties, view->window());
                            dialog->setAttribute(Qt::WA_DeleteOnClose);
                            dialog->open();
                        });
}

double EngineCommandTarget::zoomFactor(int level)
{
    return ZoomFactors.at(static_cast<size_t>(std::clamp(level, 0, CommandTarget::ZoomLevels - 1)));
}

int EngineCommandTarget::zoomLevel(double factor)
{
    int nearest = 0;
    for (int level = 1; level < CommandTarget::ZoomLevels; ++level) {
        if (std::abs(ZoomFactors.at(static_cast<size_t>(level)) - factor)
            < std::abs(ZoomFactors.at(static_cast<size_t>(nearest)) - factor))
            nearest = level;
    }
    return nearest;
}
