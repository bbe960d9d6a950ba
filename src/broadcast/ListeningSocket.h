// The server's sockets: listening on all addresses or the loopback one, and telling clients
// apart by address.
#pragma once

#include <sys/socket.h>

#include <QByteArray>

namespace trelvix {

// A listening socket on every address of `family` (on its loopback address when
// `loopbackOnly`), or -errno; `boundPort` gets the port (the one chosen for port 0).
int ListenOn(int family, int port, bool loopbackOnly, int* boundPort);

// The client's address without its port, as a key.
QByteArray PeerAddress(const sockaddr_storage& a);

}  // namespace trelvix
