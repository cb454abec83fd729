#include "net/qt/net_sockets.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

#include "net/chat_lines.h"
#include "net/wire_format.h"

namespace {

int Millis(double seconds) {
    return static_cast<int>(std::clamp(seconds, 0.0, 86400.0) * 1000.0 + 0.5);
}

std::string Described(const QAbstractSocket& s) {
    return s.errorString().toStdString();
}

}  // namespace

NetSockets::NetSockets(QObject* parent) : QObject(parent) {
    connect(&server_, &QTcpServer::newConnection, this, &NetSockets::OnNewConnection);
}

NetSockets::~NetSockets() {
    link_ = nullptr;
    CloseAll();
}

void NetSockets::SetTimes(double connectSeconds, double handshakeSeconds) {
    connectMs_ = Millis(connectSeconds);
    handshakeMs_ = Millis(handshakeSeconds);
}

bool NetSockets::Listen(quint16 port, net::SocketFault* fault, std::string* what,
                        const QHostAddress& address) {
    CloseAll();
    if (server_.listen(address, port)) return true;
    switch (server_.serverError()) {
        case QAbstractSocket::AddressInUseError:
            *fault = net::SocketFault::AddressInUse;
            break;
        case QAbstractSocket::SocketAccessError:
            *fault = net::SocketFault::NotAllowed;
            break;
        default:
            *fault = net::SocketFault::Other;
    }
    *what = server_.errorString().toStdString();
    return false;
}

void NetSockets::Connect(const QString& host, quint16 port) {
    CloseAll();
    auto* socket = new QTcpSocket(this);
    Adopt(0, socket);
    Place& place = places_[0];
    place.connected = false;
    place.silence->start(connectMs_);
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        Place& p = places_[0];
        if (p.socket != socket || p.dead) return;
        p.connected = true;
        // Set on the connection made, as an unconnected socket has nothing to set it on.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        p.silence->start(handshakeMs_);
        Post({net::LinkEvent::Connected, 0, {}, net::SocketFault::Other});
    });
    socket->connectToHost(host, port);
}

void NetSockets::OnNewConnection() {
    while (server_.hasPendingConnections()) {
        QTcpSocket* socket = server_.nextPendingConnection();
        int peer = 1;
        while (peer <= 4 && places_[static_cast<size_t>(peer)].socket) ++peer;
        if (peer > 4) {
            TurnAway(socket);
            continue;
        }
        Adopt(peer, socket);
        places_[static_cast<size_t>(peer)].silence->start(handshakeMs_);
        Post({net::LinkEvent::Accept, peer, {}, net::SocketFault::Other});
    }
}

void NetSockets::Adopt(int peer, QTcpSocket* socket) {
    Place& place = places_[static_cast<size_t>(peer)];
    Retire(place);
    socket->setParent(this);
    // The lines are short and each is waited for at the other end: none is held back to be
    // gathered with the next.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    place.socket = socket;
    place.dead = false;
    place.connected = true;
    place.silence = new QTimer(this);
    place.silence->setSingleShot(true);
    // Each handler checks that the socket still holds its place: a place is taken again only
    // after the link has let go of the last connection there.
    auto mine = [this, peer, socket] {
        const Place& p = places_[static_cast<size_t>(peer)];
        return p.socket == socket && !p.dead;
    };
    connect(place.silence, &QTimer::timeout, this, [this, peer, mine] {
        if (mine()) OnSilence(peer);
    });
    connect(socket, &QTcpSocket::readyRead, this, [this, peer, mine] {
        if (mine()) OnReadyRead(peer);
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, peer, mine] {
        if (mine()) OnDisconnected(peer);
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, peer, mine] {
        if (mine()) OnError(peer);
    });
}

// A fifth connection while four places are taken: the busy line and the farewell, then closed.
void NetSockets::TurnAway(QTcpSocket* socket) {
    const int seq = link_ && link_->state() ? link_->state()->chatSeq.value() : 0;
    const std::string lines =
        net::ChatLine(seq, net::kBusyLine) + "\n" + net::BareLine(net::GO) + "\n";
    socket->write(lines.data(), static_cast<qint64>(lines.size()));
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
}

void NetSockets::OnReadyRead(int peer) {
    Place& place = places_[static_cast<size_t>(peer)];
    const QByteArray bytes = place.socket->readAll();
    if (bytes.isEmpty()) return;
    Post({net::LinkEvent::Bytes, peer, bytes.toStdString(), net::SocketFault::Other});
}

void NetSockets::OnDisconnected(int peer) {
    Place& place = places_[static_cast<size_t>(peer)];
    place.dead = true;
    place.silence->stop();
    Post({net::LinkEvent::Lost, peer, {}, net::SocketFault::Other});
}

void NetSockets::OnError(int peer) {
    Place& place = places_[static_cast<size_t>(peer)];
    const auto error = place.socket->error();
    // A peer that closed its end is a departure, told by the disconnection that follows.
    if (error == QAbstractSocket::RemoteHostClosedError && place.connected) return;
    net::SocketFault fault = net::SocketFault::Other;
    if (error == QAbstractSocket::ConnectionRefusedError)
        fault = net::SocketFault::Refused;
    else if (error == QAbstractSocket::SocketTimeoutError)
        fault = net::SocketFault::TimedOut;
    else if (place.connected && (error == QAbstractSocket::NetworkError ||
                                 error == QAbstractSocket::RemoteHostClosedError))
        fault = net::SocketFault::Reset;
    place.dead = true;
    place.silence->stop();
    Post({net::LinkEvent::Failed, peer, Described(*place.socket), fault});
}

void NetSockets::OnSilence(int peer) {
    Place& place = places_[static_cast<size_t>(peer)];
    if (place.connected && link_) {
        if (link_->Greeted(peer)) return;
        // What arrived waits for the game's flow (a message box is open): looked at again later.
        if (link_->HasPending()) {
            place.silence->start(handshakeMs_);
            return;
        }
    }
    place.dead = true;
    const bool connecting = !place.connected;
    place.socket->abort();
    if (peer != 0) {
        Post({net::LinkEvent::Lost, peer, {}, net::SocketFault::Other});
        return;
    }
    Post({net::LinkEvent::Failed, 0,
          connecting ? "The host did not take the connection in time."
                     : "The host did not answer in time.",
          net::SocketFault::TimedOut});
}

void NetSockets::Post(net::LinkEvent e) {
    if (link_) link_->Post(std::move(e));
}

bool NetSockets::Write(int peer, const std::string& bytes) {
    if (!Live(peer)) return false;
    QTcpSocket* s = places_[static_cast<size_t>(peer)].socket;
    if (s->write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size()))
        return false;
    // Out now, not when the game's flow next lets the event loop run: a play must not wait on
    // this machine for the animation or the thinking that follows it.
    s->flush();
    return true;
}

bool NetSockets::Live(int peer) const {
    if (peer < 0 || peer > 4) return false;
    const Place& place = places_[static_cast<size_t>(peer)];
    return place.socket && !place.dead && place.connected &&
           place.socket->state() == QAbstractSocket::ConnectedState;
}

void NetSockets::Retire(Place& place) {
    if (place.silence) place.silence->deleteLater();
    if (QTcpSocket* s = place.socket) {
        s->disconnect(this);
        // What was written goes out before the connection closes.
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        s->disconnectFromHost();
        if (s->state() == QAbstractSocket::UnconnectedState) s->deleteLater();
    }
    place = Place{};
}

void NetSockets::Close(int peer) {
    if (peer >= 0 && peer <= 4) Retire(places_[static_cast<size_t>(peer)]);
}

void NetSockets::CloseAll() {
    server_.close();
    for (Place& place : places_) Retire(place);
}

void NetSockets::Sleep(double seconds) {
    QEventLoop loop;
    sleeps_.push_back(&loop);
    QTimer::singleShot(Millis(seconds), &loop, &QEventLoop::quit);
    loop.exec();
    sleeps_.erase(std::find(sleeps_.begin(), sleeps_.end(), &loop));
}

void NetSockets::Wake() {
    for (QEventLoop* loop : sleeps_) loop->quit();
}

void NetSockets::Soon(std::function<void()> task, double seconds) {
    QTimer::singleShot(Millis(seconds), this, std::move(task));
}
