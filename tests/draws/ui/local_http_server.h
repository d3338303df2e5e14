#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

// A small HTTP server on 127.0.0.1, started by the test itself, so that no
// test of the download reaches beyond this machine. Each path answers as its
// route says; any other path gets 404.
class TLocalHttpServer {
public:
    enum class Mode {
        Body,        // the status and the whole body, with its length
        NeverAnswer, // takes the request and says nothing
        Stall,       // the headers announcing size bytes, the body, then silence
        Endless,     // size bytes of filler without a length, as fast as taken
    };
    struct Route {
        int status = 200;
        QByteArray body;
        Mode mode = Mode::Body;
        qint64 size = 0;
        QByteArray contentType = "application/octet-stream";
    };

    TLocalHttpServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket *socket = server_.nextPendingConnection())
                Serve(socket);
        });
    }

    bool IsListening() const { return server_.isListening(); }
    void SetRoute(const QString &path, Route route) { routes_.insert(path, std::move(route)); }
    QString Url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }
    // The User-Agent of the last request, and how many bytes the routes of
    // type Stall have sent so far.
    const QByteArray &LastUserAgent() const { return userAgent_; }
    int Requests() const { return requests_; }
    bool StallReached() const { return stalled_; }

    // An address where nothing listens: a port just given back.
    static QString RefusedUrl()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return QStringLiteral("http://127.0.0.1:%1/euromillions_202002.zip").arg(port);
    }

private:
    static QByteArray Phrase(int status)
    {
        switch (status) {
        case 200:
            return "OK";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Status";
        }
    }

    void Serve(QTcpSocket *socket)
    {
        auto request = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            if (request->contains("\r\n\r\n"))
                return; // answered already
            *request += socket->readAll();
            if (!request->contains("\r\n\r\n"))
                return;
            ++requests_;
            const QList<QByteArray> lines = request->split('\n');
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            for (const QByteArray &line : lines)
                if (line.toLower().startsWith("user-agent:"))
                    userAgent_ = line.mid(11).trimmed();
            const QString path = QString::fromLatin1(first.value(1));
            Answer(socket,
                   routes_.contains(path) ? routes_.value(path) : Route{404, "no such file", Mode::Body, 0});
        });
    }

    void Answer(QTcpSocket *socket, const Route &route)
    {
        QByteArray head =
            "HTTP/1.1 " + QByteArray::number(route.status) + ' ' + Phrase(route.status) + "\r\n";
        head += "Content-Type: " + route.contentType + "\r\nConnection: close\r\n";
        switch (route.mode) {
        case Mode::NeverAnswer:
            return;
        case Mode::Body:
            socket->write(head + "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n\r\n" +
                          route.body);
            socket->disconnectFromHost();
            return;
        case Mode::Stall:
            socket->write(head + "Content-Length: " + QByteArray::number(route.size) + "\r\n\r\n" +
                          route.body);
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket] {
                if (socket->bytesToWrite() == 0)
                    stalled_ = true;
            });
            return;
        case Mode::Endless: {
            socket->write(head + "\r\n");
            auto sent = std::make_shared<qint64>(0);
            const qint64 size = route.size;
            auto more = [socket, sent, size] {
                static const QByteArray chunk(64 * 1024, 'x');
                while (*sent < size && socket->bytesToWrite() < 4 * chunk.size()) {
                    socket->write(chunk);
                    *sent += chunk.size();
                }
                if (*sent >= size)
                    socket->disconnectFromHost();
            };
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
            more();
            return;
        }
        }
    }

    QTcpServer server_;
    QHash<QString, Route> routes_;
    QByteArray userAgent_;
    int requests_ = 0;
    bool stalled_ = false;
};
