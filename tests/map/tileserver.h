#pragma once

// A tile server of the tests' own on the loopback interface: plain HTTP/1.1, one request per connection,
// answering every GET with a 256 x 256 PNG of one colour that it draws itself. It remembers every request.

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QTcpServer;

class TileServer : public QObject {
    Q_OBJECT

  public:
    struct Request {
        QByteArray path;                        // with the query
        QHash<QByteArray, QByteArray> headers;  // names in lower case
    };
    struct Response {
        int status = 200;
        QByteArray headers;  // extra header lines, each ending with "\r\n"
        QByteArray body;
    };

    explicit TileServer(QColor colour = QColor(40, 130, 70));
    ~TileServer() override;

    // "http://127.0.0.1:<port>"
    QString Base() const;
    void Stop();

    // Decides the answer; by default 200 with the PNG and "Cache-Control: max-age=0".
    std::function<Response(const Request&)> respond;
    QList<Request> requests;
    QByteArray Png() const { return png_; }

  private:
    void Serve();

    QTcpServer* server_;
    QByteArray png_;
};
