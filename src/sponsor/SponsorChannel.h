#pragma once

#include "sponsor/TKBAdRotator.h"
#include "support/HttpDownload.h"
#include "ui/MakerSite.h"

#include <QObject>
#include <QPointF>
#include <QUrl>
#include <functional>

class SettingsStore;

// The quiet channel to the sponsor server: the rotator's timed requests, their answers steering
// the next request, and answers shown in the HTML dialog. Network failures are never shown: the
// request is retried a minute later, and after the fourth failure in a row the channel stays
// off until the next start.
class SponsorChannel : public QObject
{
    Q_OBJECT
public:
    static inline const QString DefaultHost = MakerSite::Host;
    static inline const QByteArray UserAgent = "Kestrel Browser Ad Rotator";
    static constexpr qint64 MaxAnswerBytes = 64 * 1024;
    static constexpr int MaxFailures = 4;

    // Shows an answer: its HTML, the address it came from (its origin), and the dialog's client
    // width and height (0 keeps the dialog's own).
    using ShowAnswer = std::function<void(const QString &html, const QUrl &origin, int width, int height)>;
    // The screen's dots per inch, horizontal and vertical.
    using ScreenDpi = std::function<QPointF()>;

    SponsorChannel(SettingsStore &store, const QString &dataFolder, ShowAnswer showAnswer, ScreenDpi screenDpi,
                   QObject *parent = nullptr);

    // "http://" + the sponsor host (the "Sponsor Host" setting, else the product's) + the path.
    static QString sponsorAddress(const SettingsStore &store);

    // This installation's id ("UniqueID"), made at the first start as a random number below
    // 1410065407 and never changed.
    static QString uniqueId(SettingsStore &store);

    // At the main window's creation: the first request goes out 5 seconds later with this
    // installation's id.
    void start();

    TKBAdRotator &AdRotator1() { return m_rotator; }
    HttpDownload &AdHTTP() { return m_http; }
    int failures() const { return m_failures; }

    // The rotator fired: one request, the rotator off while it runs.
    void rotate(const QString &address);
    // The request ended.
    void OnDocEnd();
    // A good answer: the first adinfo tag steers the next request and may show the answer.
    void applyAnswer(const QString &text);

private:
    void failed();
    void useProxySettings();

    SettingsStore &m_store;
    QString m_dataFolder;
    ShowAnswer m_showAnswer;
    ScreenDpi m_screenDpi;
    TKBAdRotator m_rotator;
    HttpDownload m_http;
    QUrl m_requested;
    int m_failures = 0;
};
