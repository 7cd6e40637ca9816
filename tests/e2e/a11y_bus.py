#!/usr/bin/python3
# The game as a screen reader takes it, over the accessibility bus (AT-SPI), with Debian's
# python3-pyatspi (hence Debian's own python3).
#   a11y_bus.py listen      prints "ready", then a line for each event a screen reader speaks
#                           from: EVENT|ROLE|NAME|DESCRIPTION, where EVENT is focused (the focus
#                           moved there), showing (it appeared: Orca speaks a notification as it
#                           does) or activated (a window)
#   a11y_bus.py show ROLE   prints each object of the game with that role:
#                           NAME|DESCRIPTION|CHARACTERS|OBJECT_REPLACEMENT_CHARACTERS
import sys

import pyatspi


def heard(event, kind):
    if not event.detail1 and kind != "activated":
        return
    try:
        source = event.source
        source.clearCache()  # Qt's change events do not bring the new texts along
        line = f"{kind}|{source.getRoleName()}|{source.name}|{source.description}"
    except Exception:  # gone meanwhile
        return
    print(line.replace("\n", " "), flush=True)


def listen():
    for event_type, kind in (("object:state-changed:focused", "focused"),
                             ("object:state-changed:showing", "showing"),
                             ("window:activate", "activated")):
        pyatspi.Registry.registerEventListener(lambda e, k=kind: heard(e, k), event_type)
    print("ready", flush=True)
    pyatspi.Registry.start()


def show(role, node):
    if node.getRoleName() == role:
        facts = ["", ""]
        try:
            text = node.queryText()
            whole = text.getText(0, text.characterCount)
            facts = [str(len(whole)), str(whole.count("\ufffc"))]
        except NotImplementedError:
            pass
        print("|".join([node.name, node.description] + facts).replace("\n", " "))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            show(role, child)


if sys.argv[1] == "listen":
    listen()
else:
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "zupel":
            show(sys.argv[2], app)
