// The addresses a host shows its players: every IPv4 address of the machine's
// interfaces that are up, loopback left out.
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include "base/net.h"

std::string netLocalAddresses()
{
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return "";
    std::string out;
    for (const ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET || !(a->ifa_flags & IFF_UP) || (a->ifa_flags & IFF_LOOPBACK))
            continue;
        char text[INET_ADDRSTRLEN] = "";
        if (!inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(a->ifa_addr)->sin_addr, text, sizeof text)) continue;
        if (!out.empty()) out += " ";
        out += text;
    }
    freeifaddrs(list);
    return out;
}
