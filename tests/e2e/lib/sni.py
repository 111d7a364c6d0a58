#!/usr/bin/env python3
"""StatusNotifierItem on the session bus, for the end-to-end journeys.

  sni.py watch                 a StatusNotifierWatcher with a host, as a desktop
                               panel runs it; prints "registered SERVICE" per item
  sni.py item [SECONDS]        waits for a registered item; prints its service
  sni.py tooltip SERVICE       the item's tooltip title and text, on one line
  sni.py activate SERVICE      Activate(0, 0), as a click on the icon
  sni.py labels SERVICE        the labels of the item's menu, one a line
  sni.py click SERVICE LABEL   sends "clicked" to the menu entry with that label
"""
import sys
import time

import dbus
import dbus.service

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"


INTROSPECTION = """<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg direction="out" type="s"/></method>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get"><arg direction="in" type="s"/><arg direction="in" type="s"/><arg direction="out" type="v"/></method>
    <method name="GetAll"><arg direction="in" type="s"/><arg direction="out" type="a{sv}"/></method>
  </interface>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg direction="in" name="service" type="s"/></method>
    <method name="RegisterStatusNotifierHost"><arg direction="in" name="service" type="s"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  </interface>
</node>
"""


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        self.items = []
        self.bus = bus
        super().__init__(dbus.service.BusName(WATCHER, bus), "/StatusNotifierWatcher")

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # Items give a bus name or an object path on their own connection.
        name = service if not service.startswith("/") else sender
        if name not in self.items:
            self.items.append(name)
        print("registered " + name, flush=True)
        self.StatusNotifierItemRegistered(name)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    def _props(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }

    # Programs read the properties through their introspected description,
    # which dbus-python does not give for properties: it is written out.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self._props()[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self._props()


def watch():
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    keep = Watcher(bus)  # noqa: F841 (kept alive by the loop)
    print("watching", flush=True)
    GLib.MainLoop().run()


def watcher_items(bus):
    obj = bus.get_object(WATCHER, "/StatusNotifierWatcher")
    return [str(s) for s in obj.Get(WATCHER, "RegisteredStatusNotifierItems", dbus_interface=dbus.PROPERTIES_IFACE)]


def item_object(bus, service):
    return bus.get_object(service, "/StatusNotifierItem")


def menu_object(bus, service):
    path = item_object(bus, service).Get(ITEM, "Menu", dbus_interface=dbus.PROPERTIES_IFACE)
    return bus.get_object(service, path)


def entries(layout):
    _id, props, children = layout
    if "label" in props:
        yield int(_id), str(props["label"])
    for child in children:
        yield from entries(child)


def layout(bus, service):
    menu = menu_object(bus, service)
    # The menu is filled as it opens, as a panel announces.
    menu.AboutToShow(dbus.Int32(0), dbus_interface=MENU)
    _revision, root = menu.GetLayout(dbus.Int32(0), dbus.Int32(-1), dbus.Array([], signature="s"), dbus_interface=MENU)
    return menu, list(entries(root))


def main(argv):
    command = argv[1] if len(argv) > 1 else ""
    if command == "watch":
        watch()
        return 0
    bus = dbus.SessionBus()
    if command == "item":
        deadline = time.monotonic() + float(argv[2] if len(argv) > 2 else 20)
        while time.monotonic() < deadline:
            try:
                items = watcher_items(bus)
            except dbus.DBusException:
                items = []
            if items:
                print(items[-1])
                return 0
            time.sleep(0.1)
        return 1
    service = argv[2]
    if command == "tooltip":
        tip = item_object(bus, service).Get(ITEM, "ToolTip", dbus_interface=dbus.PROPERTIES_IFACE)
        print(" ".join(str(part) for part in (tip[2], tip[3]) if part).replace("\n", " "))
    elif command == "activate":
        item_object(bus, service).Activate(dbus.Int32(0), dbus.Int32(0), dbus_interface=ITEM)
    elif command == "labels":
        for _id, label in layout(bus, service)[1]:
            print(label)
    elif command == "click":
        menu, found = layout(bus, service)
        ids = [i for i, label in found if label.replace("&", "") == argv[3].replace("&", "")]
        if not ids:
            print("no menu entry " + argv[3], file=sys.stderr)
            return 1
        menu.Event(dbus.Int32(ids[0]), "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0), dbus_interface=MENU)
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
