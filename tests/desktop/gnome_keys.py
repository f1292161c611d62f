#!/usr/bin/env python3
"""Types keys into a headless GNOME Shell and reads its state, one command a line on stdin.

Keys go through mutter's remote-desktop session, which only the connection that made it may use,
so one process lives for the whole test. Commands, each answered by one line:
  keys super+a    press the keys in order, release them in reverse
  overview        'true' or 'false'
  close-overview  closes the overview
  focus           the focused window's app id, size and full-screen state, 'APP_ID WxH true'
  permission      GNOME's stored answer about the game's shortcuts ('GRANTED', 'DENIED', 'none')
  dialogs         how many of the shell's modal dialogs are up (needs --unsafe-mode)
"""
import sys
import time

import dbus

KEYSYMS = {
    "super": 0xFFEB, "alt": 0xFFE9, "ctrl": 0xFFE3, "shift": 0xFFE1, "tab": 0xFF09,
    "escape": 0xFF1B, "space": 0x20, "return": 0xFF0D, "f2": 0xFFBF, "f4": 0xFFC1,
    "f5": 0xFFC2, "a": 0x61, "t": 0x74,
}
APP_ID = "org.wobbleton.playboard.desktop"  # GNOME keeps answers under the entry's file name
bus = dbus.SessionBus()
# GNOME lets only its portal's bus name list the windows.
bus.request_name("org.freedesktop.impl.portal.desktop.gnome")
desktop = bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop")
# A shell still busy with its start may answer late: wait for it rather than fail.
session_path = dbus.Interface(desktop, "org.gnome.Mutter.RemoteDesktop").CreateSession(timeout=90)
session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", session_path),
                         "org.gnome.Mutter.RemoteDesktop.Session")
session.Start()
shell = bus.get_object("org.gnome.Shell", "/org/gnome/Shell")
shell_props = dbus.Interface(shell, "org.freedesktop.DBus.Properties")


def keys(names):
    syms = [KEYSYMS[name] for name in names.lower().split("+")]
    for sym in syms:
        session.NotifyKeyboardKeysym(dbus.UInt32(sym), True)
        time.sleep(0.05)
    for sym in reversed(syms):
        session.NotifyKeyboardKeysym(dbus.UInt32(sym), False)
        time.sleep(0.05)
    return "ok"


def focus():
    introspect = dbus.Interface(bus.get_object("org.gnome.Shell", "/org/gnome/Shell/Introspect"),
                                "org.gnome.Shell.Introspect")
    for window in introspect.GetWindows().values():
        if window.get("has-focus"):
            full = shell.Eval("global.display.focus_window?.is_fullscreen()",
                              dbus_interface="org.gnome.Shell")[1]
            return "%s %dx%d %s" % (window.get("app-id", "?"), window.get("width", 0),
                                    window.get("height", 0), full)
    return "none"


def permission():
    store = dbus.Interface(
        bus.get_object("org.freedesktop.impl.portal.PermissionStore",
                       "/org/freedesktop/impl/portal/PermissionStore"),
        "org.freedesktop.impl.portal.PermissionStore")
    try:
        table, _ = store.Lookup("gnome", "shortcuts-inhibitor")
    except dbus.DBusException:
        return "none"
    return str(table[APP_ID][0]) if APP_ID in table else "none"


def answer(line):
    command, _, argument = line.strip().partition(" ")
    if command == "keys":
        return keys(argument)
    if command == "overview":
        return str(bool(shell_props.Get("org.gnome.Shell", "OverviewActive"))).lower()
    if command == "close-overview":
        shell_props.Set("org.gnome.Shell", "OverviewActive", False)
        return "ok"
    if command == "focus":
        return focus()
    if command == "permission":
        return permission()
    if command == "dialogs":
        return str(shell.Eval("Main.modalCount", dbus_interface="org.gnome.Shell")[1])
    return "unknown command"


# The seat has a keyboard only after its first key: a harmless Shift before the game starts.
keys("shift")
print("ready", flush=True)
for request in sys.stdin:
    try:
        print(answer(request), flush=True)
    except dbus.DBusException as error:
        print("error " + error.get_dbus_name(), flush=True)
