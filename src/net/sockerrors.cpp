#include "sockerrors.h"

#include <array>
#include <utility>

namespace sockerrors {

namespace {

constexpr std::array<std::pair<int, const char*>, 51> kNames{{
    {10004, "WSAEINTR"},           {10009, "WSAEBADF"},        {10013, "WSAEACCES"},
    {10014, "WSAEFAULT"},          {10022, "WSAEINVAL"},       {10024, "WSAEMFILE"},
    {10035, "WSAEWOULDBLOCK"},     {10036, "WSAEINPROGRESS"},  {10037, "WSAEALREADY"},
    {10038, "WSAENOTSOCK"},        {10039, "WSAEDESTADDRREQ"}, {10040, "WSAEMSGSIZE"},
    {10041, "WSAEPROTOTYPE"},      {10042, "WSAENOPROTOOPT"},  {10043, "WSAEPROTONOSUPPORT"},
    {10044, "WSAESOCKTNOSUPPORT"}, {10045, "WSAEOPNOTSUPP"},   {10046, "WSAEPFNOSUPPORT"},
    {10047, "WSAEAFNOSUPPORT"},    {10048, "WSAEADDRINUSE"},   {10049, "WSAEADDRNOTAVAIL"},
    {10050, "WSAENETDOWN"},        {10051, "WSAENETUNREACH"},  {10052, "WSAENETRESET"},
    {10053, "WSAECONNABORTED"},    {10054, "WSAECONNRESET"},   {10055, "WSAENOBUFS"},
    {10056, "WSAEISCONN"},         {10057, "WSAENOTCONN"},     {10058, "WSAESHUTDOWN"},
    {10059, "WSAETOOMANYREFS"},    {10060, "WSAETIMEDOUT"},    {10061, "WSAECONNREFUSED"},
    {10062, "WSAELOOP"},           {10063, "WSAENAMETOOLONG"}, {10064, "WSAEHOSTDOWN"},
    {10065, "WSAEHOSTUNREACH"},    {10066, "WSAENOTEMPTY"},    {10067, "WSAEPROCLIM"},
    {10068, "WSAEUSERS"},          {10069, "WSAEDQUOT"},       {10070, "WSAESTALE"},
    {10071, "WSAEREMOTE"},         {10091, "WSASYSNOTREADY"},  {10092, "WSAVERNOTSUPPORTED"},
    {10093, "WSANOTINITIALISED"},  {10101, "WSAEDISCON"},      {11001, "WSAHOST_NOT_FOUND"},
    {11002, "WSATRY_AGAIN"},       {11003, "WSANO_RECOVERY"},  {11004, "WSANO_DATA"},
}};

// A code outside the list, for errors Qt cannot name.
constexpr int kUnknown = 10099;

} // namespace

QString name(int code) {
    for (const auto& [c, n] : kNames) {
        if (c == code) {
            return QString::fromLatin1(n);
        }
    }
    return QStringLiteral("UNKNOWN ERROR");
}

QString infoText(int code) {
    return QStringLiteral("Error #%1 (%2)").arg(code).arg(name(code));
}

int codeFor(QAbstractSocket::SocketError error, const QString& errorString) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return ConnectionRefused;
    case QAbstractSocket::RemoteHostClosedError:
        return ConnectionReset;
    case QAbstractSocket::HostNotFoundError:
        return HostNotFound;
    case QAbstractSocket::SocketAccessError:
        return 10013;
    case QAbstractSocket::SocketResourceError:
        return 10055;
    case QAbstractSocket::SocketTimeoutError:
        return TimedOut;
    case QAbstractSocket::DatagramTooLargeError:
        return 10040;
    case QAbstractSocket::AddressInUseError:
        return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049;
    case QAbstractSocket::UnsupportedSocketOperationError:
        return 10045;
    case QAbstractSocket::OperationError:
        return 10022;
    case QAbstractSocket::NetworkError: {
        const QString text = errorString.toLower();
        if (text.contains(QLatin1String("reset"))) {
            return ConnectionReset;
        }
        if (text.contains(QLatin1String("timed out"))) {
            return TimedOut;
        }
        if (text.contains(QLatin1String("network unreachable")) ||
            text.contains(QLatin1String("network is unreachable"))) {
            return 10051;
        }
        if (text.contains(QLatin1String("unreachable"))) {
            return 10065;
        }
        if (text.contains(QLatin1String("abort"))) {
            return ConnectionAborted;
        }
        return 10050;
    }
    default:
        return kUnknown;
    }
}

} // namespace sockerrors
