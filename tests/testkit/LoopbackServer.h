#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 for end-to-end tests: it listens on a free port from the
// moment it is made, answers each path it was given with a fixed status, content type and
// body (404 for the rest), and records every request. "127.0.0.1" and "localhost" reach it as
// two origins. Responses are never cached and close their connection.
class LoopbackServer : public QObject
{
    Q_OBJECT
public:
    struct Response
    {
        int status = 200;
        QByteArray contentType = "text/html; charset=utf-8";
        QByteArray body;
        // Further header lines, name and value.
        QList<QPair<QByteArray, QByteArray>> headers;
        // Send a Content-Length header; without it the body ends when the connection closes.
        bool announceLength = true;
        // Send only this many bytes of the body and then nothing more, keeping the connection
        // open (a stalled server); -1 sends the whole body.
        qsizetype stallAfter = -1;
    };

    struct Request
    {
        QByteArray method;
        // The request target as sent: path and query, or a whole address when the request
        // came as to a proxy.
        QByteArray target;
        QString path;
        // Header names in lower case.
        QMap<QByteArray, QByteArray> headers;
        QByteArray body;
    };

    explicit LoopbackServer(QObject *parent = nullptr);
    ~LoopbackServer() override;

    bool isListening() const { return m_server.isListening(); }
    // Whether the server listens (it starts listening when it is made).
    quint16 port() const { return m_server.serverPort(); }
    // The address of a path on this server under the given host name.
    QUrl url(const QString &path, const QString &host = QStringLiteral("127.0.0.1")) const;

    void serve(const QString &path, const Response &response);
    void serve(const QString &path, const QByteArray &body,
               const QByteArray &contentType = "text/html; charset=utf-8", int status = 200);

    void serveHtml(const QString &path, const QString &html) { serve(path, html.toUtf8()); }

    QList<Request> requests() const { return m_requests; }
    // The paths of the requests so far, in order.
    QList<QString> requestedPaths() const;
    void clearRequests() { m_requests.clear(); }

signals:
    void requestReceived(const LoopbackServer::Request &request);

private:
    void accept();
    void readFrom(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const Request &request);

    QTcpServer m_server;
    QHash<QString, Response> m_responses;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<Request> m_requests;
};
