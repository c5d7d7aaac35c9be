#include "search/SearchListUpdate.h"

#include "search/ProxySettings.h"
#include "search/SiteFile.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "ui/Prompter.h"

#include <QNetworkProxy>
#include <filesystem>
#include <optional>

namespace {
const QString CouldNotUpdate = QStringLiteral("Error: Could not update setup file");

std::optional<std::filesystem::file_time_type> modificationTime(const QString &path)
{
    std::error_code error;
    const auto time = std::filesystem::last_write_time(std::filesystem::path(path.toStdU16String()), error);
    if (error)
        return std::nullopt;
    return time;
}
}

SearchListUpdate::Outcome SearchListUpdate::judge(const QUrl &address, bool cancelled, int status,
                                                  const QByteArray &contentType)
{
    const QString text = address.toString();
    if (text.endsWith(QLatin1Char('/')))
        return Outcome::FileNameNotFound;
    const QString fileName = text.mid(text.lastIndexOf(QLatin1Char('/')) + 1);
    if (fileName != QLatin1String("update.txt") || cancelled)
        return Outcome::CouldNotUpdate;
    if (contentType != "text/plain" || status != 200)
        return Outcome::CouldNotUpdate;
    return Outcome::Save;
}

QUrl SearchListUpdate::updateAddress(const SettingsStore &settings)
{
    QString server = settings.readString(SettingsStore::MultiSearchSection, UpdateServerKey, DefaultUpdateServer).trimmed();
    if (server.isEmpty())
        server = DefaultUpdateServer;
    if (!server.contains(QStringLiteral("://")))
        server = QStringLiteral("https://") + server;
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    return QUrl(server + UpdatePath);
}

bool SearchListUpdate::changesFile(const QString &filePath, const std::function<void()> &update)
{
    const std::optional<std::filesystem::file_time_type> before = modificationTime(filePath);
    update();
    return !before || modificationTime(filePath) != before;
}

SearchListUpdate::SearchListUpdate(const SettingsStore &settings, Prompter &prompter, const QString &dataFolder,
                                   QObject *parent)
    : QObject(parent), m_settings(settings), m_prompter(prompter), m_dataFolder(dataFolder)
{
    connect(&m_download, &HttpDownload::progress, this, &SearchListUpdate::received);
    connect(&m_download, &HttpDownload::finished, this, &SearchListUpdate::documentEnded);
}

void SearchListUpdate::start()
{
    // Cancelled before it began: nothing is fetched.
    if (m_cancelled)
        return;
    m_address = updateAddress(m_settings);
    const ProxySettings proxySettings = ProxySettings::readForDownload(m_settings, SettingsStore::MultiSearchSection);
    QString error;
    const std::optional<QNetworkProxy> proxy = proxySettings.proxy(&error);
    if (!error.isEmpty()) {
        m_prompter.message(error);
        emit finished();
        return;
    }
    // Off, the stored proxy is not used: the program's ordinary network settings apply.
    m_download.setProxy(proxy.value_or(QNetworkProxy(QNetworkProxy::DefaultProxy)));
    m_download.get(m_address, MaxBytes);
}

void SearchListUpdate::cancel()
{
    m_cancelled = true;
    if (m_download.isRunning())
        m_download.abort();
    else
        emit finished();
}

void SearchListUpdate::received(qint64 bytes, qint64 announced)
{
    if (announced > 0)
        emit percentChanged(int(bytes * 100 / announced));
    emit statusChanged(QStringLiteral("Received: ") + QString::number(bytes) + QStringLiteral(" bytes"));
}

void SearchListUpdate::documentEnded()
{
    switch (m_download.failure()) {
    case HttpDownload::Failure::None:
    case HttpDownload::Failure::Aborted:
        break;
    case HttpDownload::Failure::HttpStatus:
        m_prompter.message(QStringLiteral("Update Failed: ") + QString::number(m_download.statusCode())
                           + QLatin1Char(' ') + m_download.reasonPhrase());
        emit finished();
        return;
    default:
        m_prompter.message(m_download.errorText());
        emit finished();
        return;
    }
    switch (judge(m_address, m_cancelled, m_download.statusCode(), m_download.contentType())) {
    case Outcome::FileNameNotFound:
        // The window stays open; Cancel closes it.
        m_prompter.message(QStringLiteral("Error: File name not found"));
        return;
    case Outcome::CouldNotUpdate:
        m_prompter.message(CouldNotUpdate);
        break;
    case Outcome::Save:
        emit statusChanged(QStringLiteral("Saving to File"));
        if (!save())
            m_prompter.message(CouldNotUpdate);
        break;
    }
    emit finished();
}

bool SearchListUpdate::save()
{
    const QStringList lines = TextFile::splitLines(TextFile::decode(m_download.body()));
    return TextFile::writeLines(SiteFile::path(m_dataFolder), lines);
}
