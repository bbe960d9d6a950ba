#!/usr/bin/python3
"""An RTSP camera on loopback for the network camera tests.

usage: rtsp_server.py PORT [SENT]
GStreamer's RTSP server serves a moving ball as H.264 (320 x 240, 15 frames per second) at
"/live". PORT 0 takes a free port. Prints "PORT <n>" once it listens. With SENT, every access
unit handed to the payloader is appended to that file (NAL units with four-byte lengths), so a test can
compare what was recorded with what was sent.
"""
import socket, sys

import gi

gi.require_version("Gst", "1.0")
gi.require_version("GstRtspServer", "1.0")
from gi.repository import GLib, Gst, GstRtspServer

Gst.init(None)
port = int(sys.argv[1])
if port == 0:
    probe = socket.socket()
    probe.bind(("127.0.0.1", 0))
    port = probe.getsockname()[1]
    probe.close()

server = GstRtspServer.RTSPServer()
server.set_address("127.0.0.1")
server.set_service(str(port))
factory = GstRtspServer.RTSPMediaFactory()
factory.set_launch(
    "( videotestsrc pattern=ball is-live=true ! video/x-raw,width=320,height=240,framerate=15/1"
    " ! x264enc tune=zerolatency speed-preset=ultrafast key-int-max=15"
    " ! video/x-h264,stream-format=avc,alignment=au"
    " ! rtph264pay name=pay0 pt=96 config-interval=1 )")
factory.set_shared(True)

if len(sys.argv) > 2:
    sent = open(sys.argv[2], "wb")

    def keep(pad, info):
        buf = info.get_buffer()
        ok, mapped = buf.map(Gst.MapFlags.READ)
        if ok:
            sent.write(mapped.data)
            sent.flush()
            buf.unmap(mapped)
        return Gst.PadProbeReturn.OK

    def configured(_factory, media):
        pad = media.get_element().get_by_name("pay0").get_static_pad("sink")
        pad.add_probe(Gst.PadProbeType.BUFFER, keep)

    factory.connect("media-configure", configured)
server.get_mount_points().add_factory("/live", factory)
if server.attach(None) == 0:
    sys.exit("rtsp_server: cannot listen on port %d" % port)
print("PORT %d" % port, flush=True)
GLib.MainLoop().run()
