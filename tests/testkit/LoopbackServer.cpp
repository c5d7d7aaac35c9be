#include "testkit/LoopbackServer.h"

#include <QTcpServer>
#include <QTcpSocket>

LoopbackServer::LoopbackServer(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

LoopbackServer::~LoopbackServer() = default;

bool LoopbackServer::start()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 LoopbackServer::port() const
{
    return m_server->serverPort();
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

void LoopbackServer::serveHtml(const QString &path, const QString &html)
{
    serve(path, Response{200, "text/html; charset=utf-8", html.toUtf8()});
}

void LoopbackServer::readRequest(QTcpSocket *socket)
{
    // Requests are small GETs; wait for the end of the header block.
    QByteArray buffered = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", buffered);
    if (!buffered.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = buffered.left(buffered.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() >= 2
                             ? QUrl(QString::fromLatin1(requestLine.at(1))).path()
                             : QString();
    m_requested.append(path);
    emit requested(path);

    const auto found = m_responses.constFind(path);
    const Response response = found != m_responses.cend()
                                  ? *found
                                  : Response{404, "text/plain", "not found"};
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    reply += "Content-Type: " + response.contentType + "\r\n";
    reply += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    reply += "Cache-Control: no-store\r\nConnection: close\r\n\r\n";
    reply += response.body;
    socket->write(reply);
    socket->disconnectFromHost();
}
