#!/ usr / bin / python3
"""A webhook receiver and an SMTP server on 127.0.0.1 for the notification tests. Every POST
is stored as post-N.hdr (headers) and post-N.bin (body), every mail as mail-N.eml, in --dir.
With --hang the receiver takes connections and never answers. Prints "WEBHOOK <port>" and
"SMTP <port>" once both listen."""
import argparse
import http.server
import os
import socket
import socketserver
import sys
import threading
import time

from aiosmtpd.controller import Controller

parser = argparse.ArgumentParser()
parser.add_argument("--dir", required=True)
parser.add_argument("--hang", action="store_true")
args = parser.parse_args()
lock = threading.Lock()
counts = {"post": 0, "mail": 0}


def store(kind, parts):
    with lock:
        n = counts[kind]
        counts[kind] += 1
    for suffix, data in parts:
        path = os.path.join(args.dir, f"{kind}-{n}{suffix}")
        with open(path + ".tmp", "wb") as f:
            f.write(data)
        os.rename(path + ".tmp", path)


class Receiver(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        if args.hang:
            store("post", [(".hdr", b"hanging\n")])
            time.sleep(3600)
            return
        body = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        store("post", [(".bin", body), (".hdr", str(self.headers).encode())])
        self.send_response(204)
        self.end_headers()

    def log_message(self, *a):
        pass


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


class Mailbox:
    async def handle_DATA(self, server, session, envelope):
        store("mail", [(".eml", envelope.content)])
        return "250 OK"


web = Server(("127.0.0.1", 0), Receiver)
threading.Thread(target=web.serve_forever, daemon=True).start()
probe = socket.socket()
probe.bind(("127.0.0.1", 0))
smtp_port = probe.getsockname()[1]
probe.close()
smtp = Controller(Mailbox(), hostname="127.0.0.1", port=smtp_port)
smtp.start()
print(f"WEBHOOK {web.server_address[1]}\nSMTP {smtp_port}", flush=True)
sys.stdin.read()  # ends when the test closes the pipe or goes
smtp.stop()
