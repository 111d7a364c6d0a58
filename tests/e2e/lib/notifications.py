#!/usr/bin/env python3
"""A desktop notification server (org.freedesktop.Notifications) for
journeys on displays where no real one can show (a headless compositor
without layer-shell). It answers as a server does and writes one line per
request: "notify SUMMARY | BODY" and "closed ID". A journey presses a
notification's button with InvokeAction(KEY) of the interface
org.kestrelmark.JourneyNotifications (the newest notification's action).
"""
import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"


class Server(dbus.service.Object):
    def __init__(self, bus):
        self.next_id = 0
        super().__init__(dbus.service.BusName(NAME, bus), "/org/freedesktop/Notifications")

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.next_id += 1
        print("notify %s | %s" % (summary, body.replace("\n", " ")), flush=True)
        return dbus.UInt32(replaces or self.next_id)

    @dbus.service.method(NAME, in_signature="u")
    def CloseNotification(self, nid):
        print("closed %d" % nid, flush=True)
        self.NotificationClosed(nid, dbus.UInt32(3))

    @dbus.service.method(NAME, out_signature="as")
    def GetCapabilities(self):
        return ["body", "actions"]

    @dbus.service.method(NAME, out_signature="ssss")
    def GetServerInformation(self):
        return ("journey-notifications", "kestrelmark tests", "1", "1.2")

    @dbus.service.signal(NAME, signature="uu")
    def NotificationClosed(self, nid, reason):
        pass

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, nid, key):
        pass

    @dbus.service.method("org.kestrelmark.JourneyNotifications", in_signature="s")
    def InvokeAction(self, key):
        print("invoked %s" % key, flush=True)
        self.ActionInvoked(dbus.UInt32(self.next_id), key)


DBusGMainLoop(set_as_default=True)
keep = Server(dbus.SessionBus())
print("serving", flush=True)
GLib.MainLoop().run()
