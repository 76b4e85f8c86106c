#include "tileserver.h"

#include <QBuffer>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>

TileServer::TileServer(QColor colour) : server_(new QTcpServer(this)) {
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(colour);
    QBuffer buffer(&png_);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    respond = [this](const Request&) {
        return Response{200, "Content-Type: image/png\r\nCache-Control: max-age=0\r\n", png_};
    };
    server_->listen(QHostAddress::LocalHost, 0);
    connect(server_, &QTcpServer::newConnection, this, &TileServer::Serve);
}

TileServer::~TileServer() = default;

QString TileServer::Base() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_->serverPort());
}

void TileServer::Stop() {
    server_->close();
}

void TileServer::Serve() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (socket->property("answered").toBool()) return;
            QByteArray head = socket->property("head").toByteArray() + socket->readAll();
            socket->setProperty("head", head);
            const qsizetype end = head.indexOf("\r\n\r\n");
            if (end < 0) return;
            socket->setProperty("answered", true);
            const QList<QByteArray> lines = head.left(end).split('\n');
            Request request;
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            request.path = first.value(1);
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines[i].indexOf(':');
                if (colon > 0)
                    request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                           lines[i].mid(colon + 1).trimmed());
            }
            requests.append(request);
            const Response response = respond(request);
            QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) +
                             (response.status == 200 ? " OK" : " Other") + "\r\n" + response.headers +
                             "Content-Length: " + QByteArray::number(response.body.size()) +
                             "\r\nConnection: close\r\n\r\n" + response.body;
            socket->write(out);
            socket->disconnectFromHost();
        });
    }
}
