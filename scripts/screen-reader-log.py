#!/usr/bin/python3
"""Listens on the accessibility bus as a screen reader would and writes what
the game's notifications say, one line per event, until the round ends or
SECONDS pass: "<event>\t<role>\t<name>". Usage: screen-reader-log.py OUT SECONDS
"""
import sys
import threading
import time

import pyatspi

out = open(sys.argv[1], "w")
seconds = float(sys.argv[2])


def heard(event):
    try:
        role = event.source.getRoleName()
        name = event.source.name
    except Exception:  # the object went away before it was read
        role, name = "?", "?"
    out.write(f"{event.type}\t{event.detail1}\t{role}\t{name}\n")
    out.flush()
    if role == "notification" and name.startswith("Round ") and " over." in name:
        pyatspi.Registry.stop()


for kind in ("object:state-changed:showing", "object:property-change:accessible-name"):
    pyatspi.Registry.registerEventListener(heard, kind)


def stop_later():
    time.sleep(seconds)
    pyatspi.Registry.stop()


threading.Thread(target=stop_later, daemon=True).start()
pyatspi.Registry.start()
