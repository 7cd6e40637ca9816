#!/usr/bin/python3
# Prints "ready", then EVENT|ROLE|NAME|DESCRIPTION for each event a screen reader speaks from
# (a document adds its length and object-replacement characters); Debian's python3-pyatspi.
import pyatspi


def heard(event, kind):
    if not event.detail1 and kind != "activated":
        return
    try:
        source = event.source
        source.clearCache()  # Qt's change events do not bring the new texts along
        line = [kind, source.getRoleName(), source.name, source.description]
        if line[1] == "document frame":
            text = source.queryText().getText(0, -1)
            line += [str(len(text)), str(text.count("\ufffc"))]
    except Exception:  # gone meanwhile
        return
    print("|".join(line).replace("\n", " "), flush=True)


for event_type, kind in (("object:state-changed:focused", "focused"),
                         ("object:state-changed:showing", "showing"),
                         ("window:activate", "activated")):
    pyatspi.Registry.registerEventListener(lambda e, k=kind: heard(e, k), event_type)
print("ready", flush=True)
pyatspi.Registry.start()
