#pragma once
// Network transport for play between computers: reliable, ordered messages of
// bytes between a host and the peers that connect to it. What the bytes mean
// is the caller's; nothing here knows a game. ENet carries it
// (base/net_enet.cpp); every wait is bounded by the caller's timeout.
#include <cstddef>
#include <string>

struct NetHost;

enum class NetEventKind { None, Connected, Received, Disconnected };

struct NetEvent {
    NetEventKind kind = NetEventKind::None;
    // The peer's number on this host, stable while it is connected; a client
    // has one peer, the host it joined.
    int peer = -1;
    std::string bytes;
    // Connected: the peer's address as text ("127.0.0.1:52311").
    std::string address;
};

struct NetLimits {
    // Peers the host takes at once; further connections are refused.
    int peers = 8;
    // Largest message received; a larger one drops its sender.
    size_t maxMessage = 1u << 20;
    // A peer that does not answer for this long is disconnected.
    int timeoutMs = 8000;
};

// A host listening on port (0: any free one) of the interface bind names
// ("" or "0.0.0.0": all of them). Null when it cannot, why saying so.
NetHost* netListen(const std::string& bind, int port, const NetLimits& limits, std::string& why);
// A client connecting to address:port (a name or a numeric address); the
// Connected event, or a Disconnected one, follows in netPoll.
NetHost* netConnect(const std::string& address, int port, const NetLimits& limits, std::string& why);
// The port the host listens on (or the client's own).
int netPort(const NetHost* host);
// Queues bytes to the peer, reliably and in order; false when it is not connected.
bool netSend(NetHost* host, int peer, const std::string& bytes);
// Sends what is queued and waits at most timeoutMs for one event; None when
// nothing came.
NetEvent netPoll(NetHost* host, int timeoutMs);
// Ends the connection to a peer after what was queued to it; its
// Disconnected event follows.
void netDrop(NetHost* host, int peer);
// Sends what is queued, waits at most flushMs for it to leave, and closes.
void netClose(NetHost* host, int flushMs);
// Bytes the host has sent and received on the wire so far, the transport's
// own headers and acknowledgements included.
unsigned long long netSentBytes(const NetHost* host);
unsigned long long netReceivedBytes(const NetHost* host);
// The host's own addresses that others may reach it at (not loopback), as text.
std::string netLocalAddresses();
