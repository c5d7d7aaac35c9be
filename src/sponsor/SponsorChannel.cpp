#include "sponsor/SponsorChannel.h"

#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "sponsor/HtmlTagReader.h"

#include <QDir>
#include <QNetworkProxy>
#include <QRandomGenerator>
#include <cmath>

namespace {
const QString &mainSection()
{
    return SettingsStore::MainSection;
}

int integerOr(const QString &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

int scaled(int size, qreal dpi)
{
    if (size <= 0 || dpi <= 0)
        return 0;
    return int(std::lround(size * 120.0 / dpi));
}
}

SponsorChannel::SponsorChannel(SettingsStore &store, const QString &dataFolder, ShowAnswer showAnswer,
                               ScreenDpi screenDpi, QObject *parent)
    : QObject(parent), m_store(store), m_dataFolder(dataFolder), m_showAnswer(std::move(showAnswer)),
      m_screenDpi(std::move(screenDpi))
{
    m_http.setUserAgent(UserAgent);
    m_rotator.onRotate = [this](TKBAdRotator *, const QString &address) { rotate(address); };
    connect(&m_http, &HttpDownload::finished, this, &SponsorChannel::OnDocEnd);
}

QString SponsorChannel::sponsorAddress(const SettingsStore &store)
{
    QString host = store.readString(SettingsStore::MainSection, QStringLiteral("Sponsor Host")).trimmed();
    if (host.isEmpty())
        host = DefaultHost;
    return QStringLiteral("http://") + host + QStringLiteral("/kestrelbrowser/ads/dialog.php3");
}

QString SponsorChannel::uniqueId(SettingsStore &store)
{
    const QString key = QStringLiteral("UniqueID");
    QString id = store.readString(mainSection(), key);
    if (id.isEmpty()) {
        id = QString::number(QRandomGenerator::global()->bounded(1410065407u));
        store.writeString(mainSection(), key, id);
    }
    return id;
}

void SponsorChannel::start()
{
    m_rotator.BaseURL = sponsorAddress(m_store);
    m_rotator.setSeconds(5);
    m_rotator.ParamList.append(QStringLiteral("uniqueid=") + uniqueId(m_store));
    m_rotator.setEnabled(true);
}

void SponsorChannel::useProxySettings()
{
    if (!m_store.readBool(mainSection(), QStringLiteral("Use Proxy"), false)) {
        m_http.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        return;
    }
    const QString host = m_store.readString(mainSection(), QStringLiteral("Proxy Address"));
    const int port = integerOr(m_store.readString(mainSection(), QStringLiteral("Proxy Port"), QStringLiteral("80")), 80);
    m_http.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, host, quint16(qBound(0, port, 65535))));
}

void SponsorChannel::rotate(const QString &address)
{
    m_rotator.setEnabled(false);
    if (address.isEmpty())
        return;
    useProxySettings();
    m_requested = QUrl(address);
    // A request that cannot start ends at once as a failure through OnDocEnd.
    m_http.get(m_requested, MaxAnswerBytes);
}

void SponsorChannel::failed()
{
    ++m_failures;
    if (m_failures < MaxFailures) {
        m_rotator.setSeconds(60);
        m_rotator.setEnabled(true);
    } else {
        m_rotator.setEnabled(false);
    }
}

void SponsorChannel::OnDocEnd()
{
    if (m_http.failure() != HttpDownload::Failure::None || m_http.contentType() != "text/html" ||
        m_http.statusCode() != 200) {
        failed();
        return;
    }
    m_failures = 0;
    applyAnswer(TextFile::decode(m_http.body()));
}

void SponsorChannel::applyAnswer(const QString &text)
{
    const QStringList lines = TextFile::splitLines(text);
    const std::optional<HtmlTag> adinfo = findHtmlTag(lines, QStringLiteral("adinfo"));
    if (!adinfo)
        return;
    m_rotator.ParamList.clear();
    bool showDialog = false;
    int width = 0;
    int height = 0;
    for (const HtmlTag::Attribute &attribute : adinfo->attributes) {
        const QString name = attribute.name.toLower();
        const QString &value = attribute.value;
        if (name == u"nextbaseurl") {
            m_rotator.BaseURL = value;
        } else if (name == u"seconds") {
            m_rotator.setSeconds(integerOr(value, 120));
        } else if (name == u"enabled") {
            m_rotator.setEnabled(false);
            if (value.compare(u"false", Qt::CaseInsensitive) != 0)
                m_rotator.setEnabled(true);
        } else if (name == u"showdialog") {
            if (value.compare(u"true", Qt::CaseInsensitive) == 0) {
                showDialog = true;
                // The answer is kept as dialog.html; it is shown from memory with the sponsor
                // server as its origin, never from the file, so it cannot read local files.
                TextFile::writeLines(QDir(m_dataFolder).filePath(QStringLiteral("dialog.html")), lines);
            }
        } else if (name == u"height") {
            height = integerOr(value, 0);
        } else if (name == u"width") {
            width = integerOr(value, 0);
        } else if (name != u"visible") {
            m_rotator.ParamList.append(attribute.name.toUpper() + u'=' + value);
        }
    }
    if (showDialog && m_showAnswer) {
        const QPointF dpi = m_screenDpi ? m_screenDpi() : QPointF(96, 96);
        // Shown from the event loop: the dialog is modal, and the download that brought the
        // answer must first finish its own report.
        QMetaObject::invokeMethod(
            this,
            [this, text, origin = m_requested, w = scaled(width, dpi.x()), h = scaled(height, dpi.y())] {
                m_showAnswer(text, origin, w, h);
            },
            Qt::QueuedConnection);
    }
}
