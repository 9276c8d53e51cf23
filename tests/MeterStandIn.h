#pragma once
// A bench multimeter on 127.0.0.1 that libsigrok's scpi-dmm driver reaches
// with tcp-raw: it answers *IDN? as an Agilent 34405A, CONF? with its
// function (DC volts unless told otherwise), READ? with the reading set
// (none: it never answers). It runs on a thread of its own, so that the
// window's thread is measured alone. device() is the string Dravino takes.

#include <QByteArray>
#include <QEventLoop>
#include <QHostAddress>
#include <QSemaphore>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <atomic>
#include <memory>
#include <mutex>

class MeterStandIn final
{
public:
    // port: the one of a meter that went and comes back (0: any).
    explicit MeterStandIn(QByteArray reading, QByteArray function = "\"VOLT +1.000000E+01,+1.000000E-06\"", quint16 port = 0)
        : m_reading(std::move(reading)), m_function(std::move(function))
    {
        QSemaphore ready;
        m_thread.reset(QThread::create([this, &ready, port] {
            QTcpServer server;
            server.listen(QHostAddress::LocalHost, port);
            m_port = server.serverPort();
            QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
                while (QTcpSocket *client = server.nextPendingConnection())
                    QObject::connect(client, &QTcpSocket::readyRead, client, [this, client] {
                        while (client->canReadLine())
                            client->write(answerTo(client->readLine().trimmed()));
                    });
            });
            ready.release();
            QEventLoop().exec(); // ends with the thread's quit()
        }));
        m_thread->start();
        ready.acquire();
    }
    ~MeterStandIn()
    {
        m_thread->quit();
        m_thread->wait();
    }

    QString device() const { return QStringLiteral("scpi-dmm:conn=tcp-raw/127.0.0.1/%1").arg(m_port); }
    quint16 port() const { return m_port; }
    void setReading(const QByteArray &reading)
    {
        std::lock_guard lock(m_mutex);
        m_reading = reading;
    }
    void setFunction(const QByteArray &function)
    {
        std::lock_guard lock(m_mutex);
        m_function = function;
    }
    int readings() const { return m_readings; }

private:
    QByteArray answerTo(const QByteArray &query)
    {
        std::lock_guard lock(m_mutex);
        if (query == "*IDN?")
            return "Agilent Technologies,34405A,MY00000001,1.0\n";
        if (query == "*OPC?")
            return "1\n";
        if (query.startsWith("CONF?"))
            return m_function + '\n';
        if (!query.startsWith("READ?") || m_reading.isEmpty())
            return {};
        ++m_readings;
        return m_reading + '\n';
    }

    QByteArray m_reading, m_function;
    std::mutex m_mutex;
    quint16 m_port = 0;
    std::atomic_int m_readings{0};
    std::unique_ptr<QThread> m_thread;
};
