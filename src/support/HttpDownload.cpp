#include "support/HttpDownload.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace {
bool isWebScheme(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}
}

HttpDownload::HttpDownload(QObject *parent) : QObject(parent)
{
    // Redirects are followed here, one request each, so every target is checked first.
    m_manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    m_idle.setSingleShot(true);
    m_idle.setInterval(IdleTimeout);
    connect(&m_idle, &QTimer::timeout, this, &HttpDownload::idleTimeoutTick);
}

HttpDownload::~HttpDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        delete m_reply;
    }
}

void HttpDownload::setProxy(const QNetworkProxy &proxy)
{
    m_manager.setProxy(proxy);
}

void HttpDownload::get(const QUrl &url, qint64 maxBodyBytes)
{
    abort();
    m_body.clear();
    m_status = 0;
    m_reason.clear();
    m_contentType.clear();
    m_failure = Failure::None;
    m_errorText.clear();
    m_redirects = 0;
    m_cap = maxBodyBytes;
    m_current = url;
    if (!isWebScheme(url) || url.host().isEmpty()) {
        m_failure = Failure::Scheme;
        m_errorText = QStringLiteral("Only http and https addresses can be downloaded: ") + url.toDisplayString();
        QMetaObject::invokeMethod(this, &HttpDownload::finished, Qt::QueuedConnection);
        return;
    }
    request(url);
}

void HttpDownload::request(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // Downloads carry no cookies, and keep none.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    if (!m_userAgent.isEmpty())
        request.setHeader(QNetworkRequest::UserAgentHeader, m_userAgent);
    m_reply = m_manager.get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpDownload::readBody);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpDownload::readBody);
    connect(m_reply, &QNetworkReply::finished, this, &HttpDownload::replyFinished);
    m_idle.start();
}

bool HttpDownload::isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool HttpDownload::isRunning() const
{
    return !m_reply.isNull();
}

void HttpDownload::abort()
{
    if (m_reply)
        fail(Failure::Aborted, QStringLiteral("The download was cancelled."));
}

void HttpDownload::idleTimeoutTick()
{
    if (m_reply)
        fail(Failure::Timeout, QStringLiteral("The download stopped: no data came for %1 seconds.")
                                   .arg(m_idle.interval() / 1000));
}

void HttpDownload::readBody()
{
    if (!m_reply)
        return;
    m_idle.start();
    // A redirect's own body is never read: the request goes on at the new address.
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (isRedirect(status.toInt()))
        return;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    const qint64 announced = length.isValid() ? length.toLongLong() : -1;
    if (announced > m_cap) {
        fail(Failure::TooLarge, QStringLiteral("The download is larger than %1 bytes.").arg(m_cap));
        return;
    }
    const qint64 available = m_reply->bytesAvailable();
    if (available <= 0)
        return;
    if (m_body.size() + available > m_cap) {
        fail(Failure::TooLarge, QStringLiteral("The download is larger than %1 bytes.").arg(m_cap));
        return;
    }
    m_body += m_reply->read(available);
    emit progress(m_body.size(), announced);
}

void HttpDownload::redirect(const QUrl &target)
{
    const QUrl next = m_current.resolved(target);
    if (++m_redirects > MaxRedirects) {
        fail(Failure::Redirect, QStringLiteral("The download was redirected more than %1 times.").arg(MaxRedirects));
        return;
    }
    const bool downgrade = m_current.scheme().toLower() == QLatin1String("https")
        && next.scheme().toLower() == QLatin1String("http");
    if (!isWebScheme(next) || downgrade) {
        fail(Failure::Redirect, QStringLiteral("The download was redirected to a refused address: ")
                                    + next.toDisplayString());
        return;
    }
    m_current = next;
    m_body.clear();
    m_reply->disconnect(this);
    m_reply->deleteLater();
    request(next);
}

void HttpDownload::replyFinished()
{
    if (!m_reply)
        return;
    readBody();
    if (!m_reply)
        return;
    takeResponseHead();
    const QUrl location = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (isRedirect(m_status) && location.isValid() && !location.isEmpty()) {
        redirect(location);
        return;
    }
    if (m_status >= 400) {
        m_failure = Failure::HttpStatus;
        m_errorText = QString::number(m_status) + QLatin1Char(' ') + m_reason;
    } else if (m_reply->error() != QNetworkReply::NoError) {
        m_failure = Failure::Network;
        m_errorText = m_reply->errorString();
    }
    finish();
}

void HttpDownload::takeResponseHead()
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    m_status = status.isValid() ? status.toInt() : 0;
    m_reason = QString::fromLatin1(m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray());
    m_contentType = m_reply->rawHeader("Content-Type");
}

void HttpDownload::fail(Failure failure, const QString &text)
{
    if (m_failure == Failure::None) {
        m_failure = failure;
        m_errorText = text;
    }
    if (m_reply) {
        takeResponseHead();
        // The reply is let go before it is aborted, so its own finish does not come back here.
        m_reply->disconnect(this);
        m_reply->abort();
    }
    finish();
}

void HttpDownload::finish()
{
    m_idle.stop();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    emit finished();
}
