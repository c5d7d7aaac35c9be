#pragma once

#include "support/HttpDownload.h"
#include "ui/MakerSite.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class Prompter;
class SettingsStore;

// Downloads a fresh site list, update.txt on the update server, optionally through the proxy
// of the "Tarnwell Multi Search" settings, and saves it as multisearch.dat. The file is
// replaced at once and only when the download ended with status 200, content type exactly
// "text/plain" and the file name "update.txt"; on any failure, cancel, timeout or oversized
// body the old file stays as it was.
class SearchListUpdate : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 MaxBytes = 1024 * 1024;
    // Scheme and host (and port) of the update server, in the "Tarnwell Multi Search" section.
    static inline const QString UpdateServerKey = QStringLiteral("Update Server");
    static inline const QString DefaultUpdateServer = MakerSite::address(QString());
    static inline const QString UpdatePath = QStringLiteral("/multisearch/update.txt");

    // What the end of a download leads to.
    enum class Outcome { FileNameNotFound, CouldNotUpdate, Save };
    static Outcome judge(const QUrl &address, bool cancelled, int status, const QByteArray &contentType);

    static QUrl updateAddress(const SettingsStore &settings);

    // Runs the update and tells whether the file changed: when the file existed, by its
    // modification time before and after; when it did not, always.
    static bool changesFile(const QString &filePath, const std::function<void()> &update);

    SearchListUpdate(const SettingsStore &settings, Prompter &prompter, const QString &dataFolder,
                     QObject *parent = nullptr);

    // Starts the download; an update cancelled before that does nothing.
    void start();
    // Aborts the download and marks the update cancelled.
    void cancel();
    bool isCancelled() const { return m_cancelled; }
    HttpDownload &download() { return m_download; }

signals:
    // The gauge in whole percent; only sent once a length has been announced.
    void percentChanged(int percent);
    void statusChanged(const QString &text);
    // The update is over and its window closes.
    void finished();

private:
    void received(qint64 bytes, qint64 announced);
    void documentEnded();
    bool save();

    const SettingsStore &m_settings;
    Prompter &m_prompter;
    QString m_dataFolder;
    HttpDownload m_download;
    QUrl m_address;
    bool m_cancelled = false;
};
