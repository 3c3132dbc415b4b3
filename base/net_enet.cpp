// The transport on ENet: reliable, ordered packets over UDP on one channel.
#include <enet/enet.h>

#include <cstdint>
#include <map>
#include <mutex>

#include "base/net.h"

struct NetHost {
    ENetHost* host = nullptr;
    NetLimits limits;
    std::map<int, ENetPeer*> peers;
    int nextPeer = 0;
};

namespace {

bool started()
{
    static std::once_flag once;
    static bool ok = false;
    std::call_once(once, [] { ok = enet_initialize() == 0; });
    return ok;
}

int peerId(const ENetPeer* peer)
{
    return peer->data ? static_cast<int>(reinterpret_cast<intptr_t>(peer->data)) - 1 : -1;
}

void adopt(NetHost* net, ENetPeer* peer)
{
    const int id = net->nextPeer++;
    peer->data = reinterpret_cast<void*>(static_cast<intptr_t>(id) + 1);
    net->peers[id] = peer;
    // Silence is noticed within the limit, whatever the round trip was.
    const auto limit = static_cast<enet_uint32>(net->limits.timeoutMs);
    enet_peer_timeout(peer, 32, limit / 2, limit);
}

NetHost* make(const ENetAddress* address, size_t peers, const NetLimits& limits, std::string& why)
{
    if (!started()) {
        why = "the network cannot be started";
        return nullptr;
    }
    ENetHost* host = enet_host_create(address, peers, 1, 0, 0);
    if (!host) {
        why = address ? "the port cannot be opened (in use, or not allowed)" : "the network cannot be started";
        return nullptr;
    }
    host->maximumPacketSize = limits.maxMessage;
    // A peer may not hold more than two largest messages half received.
    host->maximumWaitingData = 2 * limits.maxMessage;
    auto* net = new NetHost;
    net->host = host;
    net->limits = limits;
    return net;
}

std::string addressText(const ENetAddress& a)
{
    char ip[64] = "?";
    enet_address_get_host_ip(&a, ip, sizeof ip);
    return std::string(ip) + ":" + std::to_string(a.port);
}

} // namespace

NetHost* netListen(const std::string& bind, int port, const NetLimits& limits, std::string& why)
{
    if (!started()) {
        why = "the network cannot be started";
        return nullptr;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = static_cast<enet_uint16>(port);
    if (!bind.empty() && bind != "0.0.0.0" && enet_address_set_host_ip(&address, bind.c_str()) != 0) {
        why = "not a numeric address: " + bind;
        return nullptr;
    }
    return make(&address, static_cast<size_t>(limits.peers), limits, why);
}

NetHost* netConnect(const std::string& name, int port, const NetLimits& limits, std::string& why)
{
    if (!started()) {
        why = "the network cannot be started";
        return nullptr;
    }
    ENetAddress address{};
    if (enet_address_set_host(&address, name.c_str()) != 0) {
        why = "unknown host " + name;
        return nullptr;
    }
    address.port = static_cast<enet_uint16>(port);
    NetHost* net = make(nullptr, 1, limits, why);
    if (!net) return nullptr;
    ENetPeer* peer = enet_host_connect(net->host, &address, 1, 0);
    if (!peer) {
        why = "cannot connect to " + name;
        netClose(net, 0);
        return nullptr;
    }
    adopt(net, peer);
    return net;
}

int netPort(const NetHost* net)
{
    return net->host->address.port;
}

unsigned long long netSentBytes(const NetHost* net)
{
    return net->host->totalSentData;
}

unsigned long long netReceivedBytes(const NetHost* net)
{
    return net->host->totalReceivedData;
}

bool netSend(NetHost* net, int peer, const std::string& bytes)
{
    const auto it = net->peers.find(peer);
    if (it == net->peers.end() || it->second->state != ENET_PEER_STATE_CONNECTED) return false;
    ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE);
    if (!packet) return false;
    if (enet_peer_send(it->second, 0, packet) != 0) {
        enet_packet_destroy(packet);
        return false;
    }
    return true;
}

NetEvent netPoll(NetHost* net, int timeoutMs)
{
    NetEvent out;
    ENetEvent e;
    if (enet_host_service(net->host, &e, static_cast<enet_uint32>(timeoutMs < 0 ? 0 : timeoutMs)) <= 0) return out;
    switch (e.type) {
    case ENET_EVENT_TYPE_CONNECT:
        if (peerId(e.peer) < 0) adopt(net, e.peer);
        out.kind = NetEventKind::Connected;
        out.peer = peerId(e.peer);
        out.address = addressText(e.peer->address);
        break;
    case ENET_EVENT_TYPE_RECEIVE:
        out.kind = NetEventKind::Received;
        out.peer = peerId(e.peer);
        out.bytes.assign(reinterpret_cast<const char*>(e.packet->data), e.packet->dataLength);
        enet_packet_destroy(e.packet);
        break;
    case ENET_EVENT_TYPE_DISCONNECT:
        out.kind = NetEventKind::Disconnected;
        out.peer = peerId(e.peer);
        net->peers.erase(out.peer);
        e.peer->data = nullptr;
        break;
    default: break;
    }
    return out;
}

void netDrop(NetHost* net, int peer)
{
    const auto it = net->peers.find(peer);
    if (it != net->peers.end()) enet_peer_disconnect_later(it->second, 0);
}

void netClose(NetHost* net, int flushMs)
{
    if (!net) return;
    enet_host_flush(net->host);
    for (auto& [id, peer] : net->peers) enet_peer_disconnect_later(peer, 0);
    // Give the farewells their time, answering whatever comes meanwhile.
    ENetEvent e;
    const enet_uint32 until = enet_time_get() + static_cast<enet_uint32>(flushMs);
    while (!net->peers.empty() && static_cast<int>(until - enet_time_get()) > 0 &&
           enet_host_service(net->host, &e, 10) >= 0) {
        if (e.type == ENET_EVENT_TYPE_DISCONNECT) net->peers.erase(peerId(e.peer));
        if (e.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(e.packet);
    }
    // Those that did not answer in time are told once, without waiting,
    // rather than left to notice the silence.
    for (auto& [id, peer] : net->peers) enet_peer_disconnect_now(peer, 0);
    enet_host_destroy(net->host);
    delete net;
}
