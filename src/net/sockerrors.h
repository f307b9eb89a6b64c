#pragma once

#include <QAbstractSocket>
#include <QString>

// Error codes and names as the Windows Sockets 1.1 list gives them. Socket
// errors are reported with these codes on every platform, so an error info
// reads the same wherever the program runs.
namespace sockerrors {

constexpr int ConnectionAborted = 10053;
constexpr int ConnectionReset = 10054;
constexpr int TimedOut = 10060;
constexpr int ConnectionRefused = 10061;
constexpr int HostNotFound = 11001;

// The symbolic name of a code, or "UNKNOWN ERROR".
QString name(int code);

// The text of an error info: "Error #<code> (<name>)".
QString infoText(int code);

// The code that stands for a Qt socket error; the error string refines
// Qt's catch-all network error.
int codeFor(QAbstractSocket::SocketError error, const QString& errorString = {});

} // namespace sockerrors
