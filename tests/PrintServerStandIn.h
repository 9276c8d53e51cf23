#pragma once
// Print servers as a workshop meets them, on 127.0.0.1 with a free port,
// each on a thread of its own so that the window's thread is measured
// alone:
//   Silent       accepts the connection and never answers
//   Dropping     accepts and closes at once
//   Unreachable  a port nobody listens on (refused at once)
//   Blackhole    a listener whose backlog is full: the connection never
//                completes, as with a host that drops packets
//   Slow         stands in front of the real cupsd and answers each
//                request late
//   Stall        stands in front of the real cupsd and stops forwarding at
//                the request of one IPP operation (0x0005 Create-Job,
//                0x0006 Send-Document), keeping the connection open
//   Mute         forwards everything, but from the request of that
//                operation on gives no answer back on any connection
// Point libcups at it with CUPS_SERVER=address().

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QSemaphore>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <vector>

class PrintServerStandIn final
{
public:
    enum Mode { Silent, Dropping, Unreachable, Blackhole, Slow, Stall, Mute };

    explicit PrintServerStandIn(Mode mode, int stallOperation = 0, int delayMs = 0)
        : m_mode(mode), m_stallOperation(stallOperation), m_delayMs(delayMs)
    {
        if (mode == Unreachable) {
            // A port that was free a moment ago and has nobody now.
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            m_port = probe.serverPort();
            return;
        }
        if (mode == Blackhole) {
            makeBlackhole();
            return;
        }
        QSemaphore ready;
        m_thread.reset(QThread::create([this, &ready] { serve(ready); }));
        m_thread->start();
        ready.acquire();
    }
    ~PrintServerStandIn()
    {
        if (m_thread) {
            m_thread->quit();
            m_thread->wait();
        }
        for (int fd : m_fds)
            ::close(fd);
    }
    PrintServerStandIn(const PrintServerStandIn &) = delete;
    PrintServerStandIn &operator=(const PrintServerStandIn &) = delete;

    QByteArray address() const { return "127.0.0.1:" + QByteArray::number(m_port); }
    // Whether the stalling proxy met its operation.
    bool stalled() const { return m_stalled; }

private:
    void makeBlackhole()
    {
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener, reinterpret_cast<sockaddr *>(&at), sizeof at);
        ::listen(listener, 0);
        socklen_t len = sizeof at;
        ::getsockname(listener, reinterpret_cast<sockaddr *>(&at), &len);
        m_port = ntohs(at.sin_port);
        m_fds.push_back(listener);
        // Fill the backlog with connections nobody accepts.
        for (int i = 0; i < 4; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(fd, reinterpret_cast<sockaddr *>(&at), sizeof at);
            m_fds.push_back(fd);
        }
        QThread::msleep(100);
    }

    void serve(QSemaphore &ready)
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        m_port = server.serverPort();
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
            while (QTcpSocket *client = server.nextPendingConnection())
                take(client);
        });
        ready.release();
        QEventLoop loop; // ends with the thread's quit()
        loop.exec();
    }

    void take(QTcpSocket *client)
    {
        switch (m_mode) {
        case Silent:
            QObject::connect(client, &QTcpSocket::readyRead, client, [client] { client->readAll(); });
            return;
        case Dropping:
            client->abort();
            client->deleteLater();
            return;
        default:
            break;
        }
        // A proxy to the real scheduler.
        auto *cupsd = new QTcpSocket(client);
        cupsd->connectToHost(QHostAddress::LocalHost, 631);
        // What the client sent, and what of it is held until the operation
        // of the request it belongs to is known.
        auto seen = std::make_shared<QByteArray>();
        auto unsent = std::make_shared<QByteArray>();
        auto held = std::make_shared<bool>(false);
        QObject::connect(client, &QTcpSocket::readyRead, client, [this, client, cupsd, seen, unsent, held] {
            unsent->append(client->readAll());
            if (*held)
                return;
            const QByteArray stream = *seen + *unsent;
            const int op = operationIn(stream);
            if (m_mode == Stall && op == m_stallOperation) {
                *held = true;
                m_stalled = true;
                return;
            }
            if (m_mode == Mute && op == m_stallOperation)
                m_stalled = true; // (what cupsd says from here on goes nowhere)
            if (op < 0 && stream.contains("POST "))
                return; // a request whose operation has not come yet
            cupsd->write(*unsent);
            seen->append(*unsent);
            unsent->clear();
            if (seen->size() > 4096)
                *seen = seen->right(4096);
        });
        QObject::connect(cupsd, &QTcpSocket::readyRead, client, [this, client, cupsd] {
            const QByteArray data = cupsd->readAll();
            if (m_mode == Mute && m_stalled)
                return;
            if (m_delayMs > 0)
                QTimer::singleShot(m_delayMs, client, [client, data] { client->write(data); });
            else
                client->write(data);
        });
        QObject::connect(cupsd, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
        QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    }

    // The IPP operation of the last request whose body has begun in the
    // stream: bytes 2 and 3 of the body, after the headers and, when the
    // body is chunked, after the first chunk's size line.
    static int operationIn(const QByteArray &stream)
    {
        const qsizetype post = stream.lastIndexOf("POST ");
        if (post < 0)
            return -1;
        const qsizetype end = stream.indexOf("\r\n\r\n", post);
        if (end < 0)
            return -1;
        qsizetype body = end + 4;
        if (stream.mid(post, end - post).toLower().contains("transfer-encoding: chunked")) {
            const qsizetype line = stream.indexOf("\r\n", body);
            if (line < 0)
                return -1;
            body = line + 2;
        }
        if (stream.size() < body + 4)
            return -1;
        return (uchar(stream[body + 2]) << 8) | uchar(stream[body + 3]);
    }

    Mode m_mode;
    int m_stallOperation;
    int m_delayMs;
    quint16 m_port = 0;
    std::unique_ptr<QThread> m_thread;
    std::vector<int> m_fds;
    std::atomic_bool m_stalled{false};
};

// The longest time the window's thread went without running a timer of
// 5 ms: the stand-still a technician would feel.
class StandStillMeter final
{
public:
    StandStillMeter()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_clock.restart());
        });
        m_clock.start();
        m_timer.start();
    }
    qint64 longestMs()
    {
        m_longest = std::max(m_longest, m_clock.restart());
        return m_longest;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// What a test allows the window's thread to stand still: far less than a
// server's silence (seconds) would hold it if a call ran there, far more
// than a busy machine's hiccups. The 100 ms a technician notices is make
// bench's figure, not a test's.
inline qint64 allowedStandStillMs() { return 1000; }
