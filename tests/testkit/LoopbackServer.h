#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

// A small HTTP server on 127.0.0.1 (port chosen by the system) that tests start themselves.
// It serves the responses given per path and records the paths requested.
class LoopbackServer : public QObject
{
    Q_OBJECT
public:
    struct Response
    {
        int status = 200;
        QByteArray contentType = "text/html; charset=utf-8";
        QByteArray body;
    };

    explicit LoopbackServer(QObject *parent = nullptr);
    ~LoopbackServer() override;

    bool start();
    quint16 port() const;
    // The address of a path on this server; host may be "127.0.0.1" or "localhost" (a second
    // origin for the same server).
    QUrl url(const QString &path, const QString &host = QStringLiteral("127.0.0.1")) const;

    void serve(const QString &path, const Response &response);
    void serveHtml(const QString &path, const QString &html);
    QList<QString> requestedPaths() const { return m_requested; }

signals:
    void requested(const QString &path);

private:
    void readRequest(QTcpSocket *socket);

    QTcpServer *m_server;
    QHash<QString, Response> m_responses;
    QList<QString> m_requested;
};
