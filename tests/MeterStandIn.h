#pragma once
// A bench multimeter on 127.0.0.1 that libsigrok's scpi-dmm driver reaches
// with tcp-raw: it answers *IDN? as an Agilent 34405A, CONF? with its
// function (DC volts unless told otherwise), READ? with the reading set
// (none: it never answers). device() is the string Dravino takes.

#include <QByteArray>
#include <QString>
#include <arpa/inet.h>
#include <atomic>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

class MeterStandIn final
{
public:
    explicit MeterStandIn(QByteArray reading, QByteArray function = "\"VOLT +1.000000E+01,+1.000000E-06\"")
        : m_reading(std::move(reading)), m_function(std::move(function))
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr *>(&a), sizeof a);
        ::listen(m_listen, 8);
        socklen_t len = sizeof a;
        ::getsockname(m_listen, reinterpret_cast<sockaddr *>(&a), &len);
        m_port = ntohs(a.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~MeterStandIn()
    {
        m_stop = true;
        m_thread.join();
        for (int fd : m_clients)
            ::close(fd);
        ::close(m_listen);
    }
    MeterStandIn(const MeterStandIn &) = delete;
    MeterStandIn &operator=(const MeterStandIn &) = delete;

    QString device() const { return QStringLiteral("scpi-dmm:conn=tcp-raw/127.0.0.1/%1").arg(m_port); }
    void setReading(const QByteArray &reading)
    {
        std::lock_guard lock(m_mutex);
        m_reading = reading;
    }
    int readings() const { return m_readings; }

private:
    void serve()
    {
        std::vector<QByteArray> pending;
        while (!m_stop) {
            std::vector<pollfd> fds{{m_listen, POLLIN, 0}};
            for (int fd : m_clients)
                fds.push_back({fd, POLLIN, 0});
            if (::poll(fds.data(), fds.size(), 50) <= 0)
                continue;
            if (fds[0].revents & POLLIN) {
                m_clients.push_back(::accept(m_listen, nullptr, nullptr));
                pending.emplace_back();
            }
            for (size_t i = 1; i < fds.size(); ++i) {
                if (!(fds[i].revents & (POLLIN | POLLHUP)))
                    continue;
                char buffer[512];
                const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
                if (n <= 0)
                    continue;
                pending[i - 1].append(buffer, n);
                qsizetype end;
                while ((end = pending[i - 1].indexOf('\n')) >= 0) {
                    const QByteArray query = pending[i - 1].left(end).trimmed();
                    pending[i - 1].remove(0, end + 1);
                    const QByteArray answer = answerTo(query);
                    if (!answer.isEmpty())
                        (void)!::send(fds[i].fd, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL);
                }
            }
        }
    }
    QByteArray answerTo(const QByteArray &query)
    {
        std::lock_guard lock(m_mutex);
        if (query == "*IDN?")
            return "Agilent Technologies,34405A,MY00000001,1.0\n";
        if (query == "*OPC?")
            return "1\n";
        if (query.startsWith("CONF?"))
            return m_function + '\n';
        if (query.startsWith("READ?")) {
            if (m_reading.isEmpty())
                return {};
            ++m_readings;
            return m_reading + '\n';
        }
        return {};
    }

    QByteArray m_reading, m_function;
    std::mutex m_mutex;
    int m_listen = -1;
    quint16 m_port = 0;
    std::vector<int> m_clients;
    std::atomic_bool m_stop{false};
    std::atomic_int m_readings{0};
    std::thread m_thread;
};
