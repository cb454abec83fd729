#pragma once
// The Internet game's TCP sockets: the host's listening socket with its peers on sockets 1 to 4,
// or a remote's one connection to the host on socket 0. Nothing is handled inside a socket's
// event: arrivals, accepted and lost connections and failures are posted to the link in the
// order they happen, and the link's pump takes them from there. A connection whose hello has not
// been handled within the handshake time (it said nothing, or nothing of the protocol) is
// dropped; a connection beyond the four places is told the table is busy and closed at once.
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <array>
#include <string>
#include <vector>

#include "net/net_link.h"

class QEventLoop;
class QTcpSocket;
class QTimer;

class NetSockets : public QObject, public net::Transport, public net::Sleeper {
  public:
    explicit NetSockets(QObject* parent = nullptr);
    ~NetSockets() override;

    void SetLink(net::NetLink* link) { link_ = link; }
    // Seconds a remote waits for the host to take its connection, and a new connection may stay
    // silent before it is dropped.
    void SetTimes(double connectSeconds, double handshakeSeconds);

    // Host: listens on `port` of `address` (every IPv4 address of the machine by default).
    // False with the reason when it cannot.
    bool Listen(quint16 port, net::SocketFault* fault, std::string* what,
                const QHostAddress& address = QHostAddress::AnyIPv4);
    quint16 ListeningPort() const { return server_.serverPort(); }
    bool Listening() const { return server_.isListening(); }
    // Remote: connects to the host. Connected, or Failed when refused or not taken in time, is
    // posted to the link later.
    void Connect(const QString& host, quint16 port);

    // net::Transport
    bool Write(int peer, const std::string& bytes) override;
    bool Live(int peer) const override;
    void Close(int peer) override;
    void CloseAll() override;

    // net::Sleeper
    void Sleep(double seconds) override;
    void Wake() override;
    void Soon(std::function<void()> task, double seconds) override;

  private:
    struct Place {
        QPointer<QTcpSocket> socket;
        QTimer* silence = nullptr;  // runs until the peer's hello has been handled
        bool dead = false;          // its loss or failure has been posted
        bool connected = false;
    };
    void OnNewConnection();
    void Adopt(int peer, QTcpSocket* socket);
    void TurnAway(QTcpSocket* socket);
    void OnReadyRead(int peer);
    void OnDisconnected(int peer);
    void OnError(int peer);
    void OnSilence(int peer);
    void Post(net::LinkEvent e);
    void Retire(Place& place);

    QTcpServer server_;
    std::array<Place, 5> places_{};
    std::vector<QEventLoop*> sleeps_;
    net::NetLink* link_ = nullptr;
    int connectMs_ = 10000;
    int handshakeMs_ = 15000;
};
