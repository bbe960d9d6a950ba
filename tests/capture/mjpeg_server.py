#!/usr/bin/python3
"""A small camera on loopback for the network camera tests.

usage: mjpeg_server.py FRAMEDIR FPS PORT
Serves the JPEG files of FRAMEDIR in turn: "/stream" as a multipart MJPEG stream at FPS,
"/snap.jpg" as one picture per request, "/secret" like "/stream" but only with the user
"user" and the password "pa:ss", "/stall" two pictures of a stream and then silence on an
open connection, "/movie.ts" the file movie.ts of FRAMEDIR (other video than JPEG pictures).
PORT 0 takes a free port. Prints "PORT <n>" once it listens.
"""
import base64, glob, os, socket, sys, threading, time

BOUNDARY = b"frame"
frames = [open(f, "rb").read() for f in sorted(glob.glob(os.path.join(sys.argv[1], "*.jpg")))]
fps = float(sys.argv[2])
AUTH = b"Basic " + base64.b64encode(b"user:pa:ss")


def stream(conn, count=None):
    conn.sendall(b"HTTP/1.0 200 OK\r\nConnection: close\r\nCache-Control: no-cache\r\n"
                 b"Content-Type: multipart/x-mixed-replace; boundary=" + BOUNDARY + b"\r\n\r\n")
    i = 0
    while count is None or i < count:
        data = frames[i % len(frames)]
        conn.sendall(b"--" + BOUNDARY + b"\r\nContent-Type: image/jpeg\r\nContent-Length: "
                     + str(len(data)).encode() + b"\r\n\r\n" + data + b"\r\n")
        i += 1
        time.sleep(1.0 / fps)


def serve(conn, counter=[0]):
    try:
        req = b""
        while b"\r\n\r\n" not in req:
            chunk = conn.recv(4096)
            if not chunk:
                return
            req += chunk
        head = req.split(b"\r\n\r\n")[0].split(b"\r\n")
        path = head[0].split(b" ")[1]
        headers = dict(h.split(b": ", 1) for h in head[1:] if b": " in h)
        if path == b"/stream":
            stream(conn)
        elif path == b"/stall":
            stream(conn, 2)
            time.sleep(3600)
        elif path == b"/secret":
            if headers.get(b"Authorization") == AUTH:
                stream(conn)
            else:
                conn.sendall(b"HTTP/1.0 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"cam\"\r\n"
                             b"Content-Length: 0\r\n\r\n")
        elif path == b"/snap.jpg":
            counter[0] += 1
            data = frames[counter[0] % len(frames)]
            conn.sendall(b"HTTP/1.0 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: "
                         + str(len(data)).encode() + b"\r\n\r\n" + data)
        elif path == b"/movie.ts" and os.path.exists(os.path.join(sys.argv[1], "movie.ts")):
            data = open(os.path.join(sys.argv[1], "movie.ts"), "rb").read()
            conn.sendall(b"HTTP/1.0 200 OK\r\nContent-Type: video/mp2t\r\n\r\n" + data)
            time.sleep(3600)  # a live camera's stream does not end
        else:
            conn.sendall(b"HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n")
    except OSError:
        pass
    finally:
        conn.close()


s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", int(sys.argv[3])))
s.listen(16)
print("PORT %d" % s.getsockname()[1], flush=True)
while True:
    c, _ = s.accept()
    threading.Thread(target=serve, args=(c,), daemon=True).start()
