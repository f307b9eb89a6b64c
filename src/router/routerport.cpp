// Port mappings through UPnP IGD and NAT-PMP, by their maintained libraries.
#include "routerport.h"

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>
#include <natpmp.h>

#include <arpa/inet.h>
#include <sys/select.h>

#include <chrono>
#include <cstring>

namespace router {

namespace {

// How long a router has to answer each question.
constexpr int kDiscoverMs = 1000;
constexpr auto kNatPmpWait = std::chrono::milliseconds(2500);

std::string upnpError(int code) {
    const char* text = strupnperror(code);
    return text != nullptr ? std::string(text) : "error " + std::to_string(code);
}

Mapping openUpnp(int port, const std::string& description, int leaseSeconds) {
    Mapping mapping;
    mapping.port = port;
    int error = 0;
    UPNPDev* devices =
        upnpDiscover(kDiscoverMs, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &error);
    if (devices == nullptr) {
        return mapping;
    }
    UPNPUrls urls{};
    IGDdatas data{};
    char lanAddress[64] = {};
    const int found = UPNP_GetValidIGD(devices, &urls, &data, lanAddress, sizeof lanAddress);
    freeUPNPDevlist(devices);
    if (found != 1 && found != 2) {
        if (found != 0) {
            FreeUPNPUrls(&urls);
        }
        return mapping;
    }
    mapping.method = "UPnP";
    mapping.localAddress = lanAddress;
    mapping.controlUrl = urls.controlURL != nullptr ? urls.controlURL : "";
    mapping.serviceType = data.first.servicetype;
    char external[40] = {};
    if (UPNP_GetExternalIPAddress(urls.controlURL, data.first.servicetype, external) ==
        UPNPCOMMAND_SUCCESS) {
        mapping.publicAddress = external;
    }
    const std::string portText = std::to_string(port);
    const std::string lease = std::to_string(leaseSeconds);
    int result = UPNP_AddPortMapping(urls.controlURL, data.first.servicetype, portText.c_str(),
                                     portText.c_str(), lanAddress, description.c_str(), "TCP",
                                     nullptr, lease.c_str());
    mapping.leaseSeconds = leaseSeconds;
    if (result == 725) { // OnlyPermanentLeasesSupported
        result = UPNP_AddPortMapping(urls.controlURL, data.first.servicetype, portText.c_str(),
                                     portText.c_str(), lanAddress, description.c_str(), "TCP",
                                     nullptr, "0");
        mapping.leaseSeconds = 0;
    }
    FreeUPNPUrls(&urls);
    if (result == UPNPCOMMAND_SUCCESS) {
        mapping.outcome = Outcome::Mapped;
    } else {
        mapping.outcome = Outcome::Refused;
        mapping.detail = upnpError(result);
    }
    return mapping;
}

// One NAT-PMP answer, or an error code, within the wait.
int natpmpAnswer(natpmp_t& session, natpmpresp_t& response) {
    const auto deadline = std::chrono::steady_clock::now() + kNatPmpWait;
    for (;;) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(session.s, &readable);
        timeval wait{};
        getnatpmprequesttimeout(&session, &wait);
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return NATPMP_ERR_NOGATEWAYSUPPORT;
        }
        const long leftUs = static_cast<long>(left.count());
        if (wait.tv_sec * 1000000L + wait.tv_usec > leftUs) {
            wait.tv_sec = leftUs / 1000000L;
            wait.tv_usec = leftUs % 1000000L;
        }
        select(session.s + 1, &readable, nullptr, nullptr, &wait);
        const int result = readnatpmpresponseorretry(&session, &response);
        if (result != NATPMP_TRYAGAIN) {
            return result;
        }
    }
}

Mapping mapNatpmp(int port, int leaseSeconds) {
    Mapping mapping;
    mapping.port = port;
    natpmp_t session{};
    if (initnatpmp(&session, 0, 0) < 0) {
        return mapping;
    }
    natpmpresp_t response{};
    if (sendpublicaddressrequest(&session) < 0 || natpmpAnswer(session, response) < 0) {
        closenatpmp(&session);
        return mapping;
    }
    mapping.method = "NAT-PMP";
    char address[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &response.pnu.publicaddress.addr, address, sizeof address);
    mapping.publicAddress = address;
    const int asked =
        sendnewportmappingrequest(&session, NATPMP_PROTOCOL_TCP, static_cast<uint16_t>(port),
                                  static_cast<uint16_t>(port), static_cast<uint32_t>(leaseSeconds));
    const int answer = asked < 0 ? asked : natpmpAnswer(session, response);
    closenatpmp(&session);
    if (answer < 0) {
        mapping.outcome = Outcome::Refused;
        mapping.detail = "NAT-PMP error " + std::to_string(answer);
        return mapping;
    }
    mapping.outcome = leaseSeconds == 0 || response.pnu.newportmapping.lifetime > 0
                          ? Outcome::Mapped
                          : Outcome::Refused;
    mapping.leaseSeconds = static_cast<int>(response.pnu.newportmapping.lifetime);
    return mapping;
}

} // namespace

Mapping open(int port, const std::string& description, int leaseSeconds) {
    Mapping upnp = openUpnp(port, description, leaseSeconds);
    if (upnp.outcome == Outcome::Mapped) {
        return upnp;
    }
    Mapping natpmp = mapNatpmp(port, leaseSeconds);
    if (natpmp.outcome == Outcome::Mapped || upnp.outcome == Outcome::NoRouter) {
        return natpmp;
    }
    return upnp; // the UPnP router's refusal says most
}

bool close(const Mapping& mapping) {
    if (mapping.outcome != Outcome::Mapped) {
        return true;
    }
    if (mapping.method == "UPnP") {
        const std::string portText = std::to_string(mapping.port);
        return UPNP_DeletePortMapping(mapping.controlUrl.c_str(), mapping.serviceType.c_str(),
                                      portText.c_str(), "TCP", nullptr) == UPNPCOMMAND_SUCCESS;
    }
    return mapNatpmp(mapping.port, 0).outcome == Outcome::Mapped;
}

std::string sentence(const Mapping& mapping) {
    const std::string port = std::to_string(mapping.port);
    if (mapping.outcome == Outcome::Mapped) {
        std::string text = "Friends elsewhere can join at ";
        return text.append(mapping.publicAddress)
            .append(":")
            .append(port)
            .append(" (the router opened the port through ")
            .append(mapping.method)
            .append(").");
    }
    std::string text = "Your router did not allow it: ask the person who runs it to forward TCP "
                       "port ";
    text.append(port).append(" to this computer");
    if (!mapping.localAddress.empty()) {
        text.append(" (").append(mapping.localAddress).append(")");
    }
    text.append(".");
    if (mapping.outcome == Outcome::NoRouter) {
        text.append(" (No router on this network answered UPnP or NAT-PMP.)");
    } else if (!mapping.detail.empty()) {
        text.append(" (The router said: ").append(mapping.detail).append(".)");
    }
    return text;
}

} // namespace router
