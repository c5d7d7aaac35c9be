#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

// One bounded HTTP GET into memory: every download of the program goes through it. The body
// is kept in a buffer emptied at each start; progress reports bytes received and the announced
// length; at the end the status code, reason phrase and content type can be read. A request
// ends with a failure after IdleTimeout without data, when the body grows past the caller's
// cap, after more than MaxRedirects redirects, or when the address or a redirect is not http
// or https (or goes from https down to http).
class HttpDownload : public QObject
{
    Q_OBJECT
public:
    static constexpr int IdleTimeout = 30000;
    static constexpr int MaxRedirects = 5;

    enum class Failure {
        None,
        HttpStatus,   // the server answered with an error status (400 and up)
        Network,      // connection, proxy or protocol error
        Timeout,      // no data for the idle time
        TooLarge,     // announced or received body above the cap
        Redirect,     // too many redirects, or one to a refused address
        Scheme,       // the address is not http or https
        Aborted       // abort() was called
    };

    explicit HttpDownload(QObject *parent = nullptr);
    ~HttpDownload() override;

    // The proxy of the following requests; the application's default when never set.
    void setProxy(const QNetworkProxy &proxy);
    // The User-Agent header of the following requests; Qt's own when empty.
    void setUserAgent(const QByteArray &userAgent) { m_userAgent = userAgent; }

    // Starts a GET; a running request is aborted first. finished() follows in every case,
    // later, from the event loop.
    void get(const QUrl &url, qint64 maxBodyBytes);
    // Ends the running request with Failure::Aborted; finished() is emitted before it returns.
    void abort();
    bool isRunning() const;

    // The result, valid after finished().
    const QByteArray &body() const { return m_body; }
    int statusCode() const { return m_status; }
    QString reasonPhrase() const { return m_reason; }
    // The Content-Type header as sent.
    QByteArray contentType() const { return m_contentType; }
    Failure failure() const { return m_failure; }
    // A sentence that says what went wrong; empty without a failure.
    QString errorText() const { return m_errorText; }

    QTimer &idleTimer() { return m_idle; }
    // Tick of the idle timer: no data came for the idle time, the request ends.
    void idleTimeoutTick();

signals:
    // Body bytes received so far and the announced length (-1 while none is known).
    void progress(qint64 received, qint64 announced);
    void finished();

private:
    void readBody();
    void replyFinished();
    void request(const QUrl &url);
    static bool isRedirect(int status);
    // Follows a redirect when it is allowed, else ends the request.
    void redirect(const QUrl &target);
    // Status, reason phrase and content type of the reply as far as they came.
    void takeResponseHead();
    // Ends the request with the failure unless one is recorded already.
    void fail(Failure failure, const QString &text);
    void finish();

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QTimer m_idle;
    QByteArray m_userAgent;
    QUrl m_current;
    qint64 m_cap = 0;
    int m_redirects = 0;
    QByteArray m_body;
    int m_status = 0;
    QString m_reason;
    QByteArray m_contentType;
    Failure m_failure = Failure::None;
    QString m_errorText;
};
