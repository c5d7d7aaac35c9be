#include "testkit/LoopbackServer.h"

#include <QTcpSocket>

namespace {
constexpr qsizetype MaxHeaderSize = 64 * 1024;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}
}

LoopbackServer::LoopbackServer(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
    m_server.listen(QHostAddress::LocalHost, 0);
}

LoopbackServer::~LoopbackServer()
{
    // The open connections are the listening server's children and go with it, after this
    // object's own members: they must not call back into a half-destroyed server.
    m_server.close();
    for (QTcpSocket *socket : m_server.findChildren<QTcpSocket *>())
        socket->disconnect(this);
}

QUrl LoopbackServer::url(const QString &path, const QString &host) const
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(port());
    url.setPath(path);
    return url;
}

void LoopbackServer::serve(const QString &path, const Response &response)
{
    m_responses.insert(path, response);
}

void LoopbackServer::serve(const QString &path, const QByteArray &body, const QByteArray &contentType, int status)
{
    Response response;
    response.status = status;
    response.contentType = contentType;
    response.body = body;
    serve(path, response);
}

QList<QString> LoopbackServer::requestedPaths() const
{
    QList<QString> paths;
    for (const Request &request : m_requests)
        paths.append(request.path);
    return paths;
}

void LoopbackServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void LoopbackServer::readFrom(QTcpSocket *socket)
{
    if (!m_buffers.contains(socket))
        return;
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        if (buffer.size() > MaxHeaderSize)
            socket->abort();
        return;
    }
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    Request request;
    if (requestLine.size() == 3) {
        request.method = requestLine.at(0);
        request.target = requestLine.at(1);
        // A request sent to a proxy names the whole address.
        const QByteArray path = request.target.startsWith("http://") || request.target.startsWith("https://")
            ? QUrl::fromEncoded(request.target).path(QUrl::FullyEncoded).toLatin1()
            : request.target.split('?').first();
        request.path = QUrl::fromPercentEncoding(path);
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
    }
    const qsizetype bodyLength = request.headers.value("content-length", "0").toLongLong();
    if (buffer.size() - headerEnd - 4 < bodyLength)
        return;
    request.body = buffer.mid(headerEnd + 4, bodyLength);
    m_buffers.remove(socket);
    m_requests.append(request);
    emit requestReceived(request);
    respond(socket, request);
}

void LoopbackServer::respond(QTcpSocket *socket, const Request &request)
{
    Response response;
    if (request.method.isEmpty()) {
        response.status = 400;
        response.contentType = "text/plain";
    } else if (m_responses.contains(request.path)) {
        response = m_responses.value(request.path);
    } else {
        response.status = 404;
        response.contentType = "text/plain";
        response.body = "Not Found";
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status)
        + "\r\nContent-Type: " + response.contentType;
    if (response.announceLength)
        head += "\r\nContent-Length: " + QByteArray::number(response.body.size());
    head += "\r\nCache-Control: no-store\r\nConnection: close\r\n";
    for (const auto &[name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    socket->write(head + "\r\n");
    if (response.stallAfter >= 0) {
        socket->write(response.body.left(response.stallAfter));
        return;
    }
    if (request.method != "HEAD")
        socket->write(response.body);
    socket->disconnectFromHost();
}
