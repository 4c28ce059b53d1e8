#!/usr/bin/python3
"""Asks the session's thumbnail service (org.freedesktop.thumbnails.Thumbnailer1) for the
thumbnails of some files and waits for it to finish: thumbnail_queue.py FLAVOR URI MIME-TYPE...

Prints "ready URI" and "error URI: MESSAGE" lines as the service answers; exits 0 when it
finished, 1 when it did not within 30 seconds. The signals are subscribed to before Queue is
sent and handled only inside the main loop, after Queue has returned its handle: no answer is
missed."""
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

SERVICE = "org.freedesktop.thumbnails.Thumbnailer1"
PATH = "/org/freedesktop/thumbnails/Thumbnailer1"
TIMEOUT_SECONDS = 30


def main():
    flavor, pairs = sys.argv[1], sys.argv[2:]
    uris, types = pairs[0::2], pairs[1::2]
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    loop = GLib.MainLoop()
    state = {"handle": None, "finished": False}

    def on_signal(_bus, _sender, _path, _interface, signal, parameters):
        values = parameters.unpack()
        if values[0] != state["handle"]:
            return
        if signal == "Ready":
            for uri in values[1]:
                print("ready", uri)
        elif signal == "Error":
            for uri in values[1]:
                print(f"error {uri}: {values[3]}")
        elif signal == "Finished":
            state["finished"] = True
            loop.quit()

    def give_up():
        loop.quit()
        return False

    # The sender is the service's well-known name: whichever process takes it when activated.
    bus.signal_subscribe(SERVICE, SERVICE, None, PATH, None, Gio.DBusSignalFlags.NONE, on_signal)
    reply = bus.call_sync(SERVICE, PATH, SERVICE, "Queue",
                          GLib.Variant("(asasssu)", (uris, types, flavor, "default", 0)),
                          GLib.VariantType("(u)"), Gio.DBusCallFlags.NONE,
                          TIMEOUT_SECONDS * 1000, None)
    state["handle"] = reply.unpack()[0]
    GLib.timeout_add_seconds(TIMEOUT_SECONDS, give_up)
    loop.run()
    if not state["finished"]:
        print(f"the service did not finish within {TIMEOUT_SECONDS} s", file=sys.stderr)
    return 0 if state["finished"] else 1


if __name__ == "__main__":
    sys.exit(main())
