"""An FTP server on 127.0.0.1 for the upload tests that logs every command it receives.

Prints "PORT <n>" once it listens. Log lines: "CONNECT", each command line, "CLOSE".
--hang CMD never answers CMD; --drop-stor N closes the connection in the middle of the N-th
STOR (uploads then run at 64 KiB/s); --no-mlsd refuses the machine-readable listing;
--drop-at CMD closes the connection when CMD arrives; --slow S answers every command S seconds
late; --silent accepts connections and never sends a byte.
"""

import argparse
import logging
import socket
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

p = argparse.ArgumentParser()
p.add_argument("--root", required=True)
p.add_argument("--log", required=True)
p.add_argument("--port", type=int, default=0)
p.add_argument("--user", default="cam")
p.add_argument("--password", default="s3cret")
p.add_argument("--hang", default="")
p.add_argument("--drop-stor", type=int, default=0)
p.add_argument("--no-mlsd", action="store_true")
p.add_argument("--drop-at", default="")
p.add_argument("--slow", type=float, default=0)
p.add_argument("--silent", action="store_true")
a = p.parse_args()

log = open(a.log, "a", buffering=1, encoding="utf-8")
if a.silent:
    listener = socket.create_server(("127.0.0.1", a.port))
    print("PORT %d" % listener.getsockname()[1], flush=True)
    held = []
    while True:
        held.append(listener.accept()[0])
        log.write("CONNECT\n")
logging.basicConfig(level=logging.WARNING)  # the command log is enough
stors = [0]


class Handler(FTPHandler):
    auth_failed_timeout = 0
    permit_foreign_addresses = False

    def on_connect(self):
        log.write("CONNECT\n")

    def on_disconnect(self):
        log.write("CLOSE\n")

    def pre_process_command(self, line, cmd, arg):
        log.write(line + "\n")
        if cmd == a.hang:
            return
        if cmd == a.drop_at:
            self.close()
            return
        if a.slow:
            self.ioloop.call_later(a.slow, FTPHandler.pre_process_command, self, line, cmd, arg)
            return
        if cmd == "STOR":
            stors[0] += 1
            if stors[0] == a.drop_stor:
                self.ioloop.call_later(0.3, self.close)
        return FTPHandler.pre_process_command(self, line, cmd, arg)


class SlowData(ThrottledDTPHandler):
    read_limit = 64 * 1024


if a.drop_stor:
    Handler.dtp_handler = SlowData
if a.no_mlsd:
    Handler.proto_cmds = {k: v for k, v in FTPHandler.proto_cmds.items()
                          if k not in ("MLSD", "MLST")}
Handler.authorizer = DummyAuthorizer()
Handler.authorizer.add_user(a.user, a.password, a.root, perm="elradfmwMT")
server = FTPServer(("127.0.0.1", a.port), Handler)
print("PORT %d" % server.address[1], flush=True)
server.serve_forever(handle_exit=True)
