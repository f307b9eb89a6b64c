#pragma once

#include <string>

// A TCP port of a home router opened to this machine, so that friends on
// other networks reach a table hosted here: asked for through UPnP IGD
// (miniupnpc) and, failing that, NAT-PMP (libnatpmp). Plain C++ whose calls
// block (a few seconds at most): the host runs them off its event loop.
namespace router {

enum class Outcome {
    Mapped,   // the router forwards the port here
    Refused,  // a router answered, and did not allow it
    NoRouter, // nothing on this network answered UPnP or NAT-PMP
};

struct Mapping {
    Outcome outcome = Outcome::NoRouter;
    int port = 0;
    std::string method;        // "UPnP" or "NAT-PMP"
    std::string publicAddress; // the router's outside address
    std::string localAddress;  // this machine's address the router forwards to
    int leaseSeconds = 0;      // 0: until removed
    std::string detail;        // the router's reason, when it refused
    // How to remove it again.
    std::string controlUrl;
    std::string serviceType;
};

// Asks for TCP `port` outside forwarded to `port` here, for `leaseSeconds`
// (a router that keeps only permanent mappings is asked for one).
Mapping open(int port, const std::string& description, int leaseSeconds = 3600);
// Removes a mapping made by open; false when the router did not confirm.
bool close(const Mapping& mapping);

// What happened, in the Host window's words.
std::string sentence(const Mapping& mapping);

} // namespace router
