#!/usr/bin/python3
"""Another CalDAV client beside Dutyloop, for the publishing tests: Debian's python3-caldav.

caldav_client.py URL USER PASSWORD list
    one line for each event of the calendar, sorted: "DTSTART<TAB>SUMMARY<TAB>CREW<TAB>UID",
    CREW being the X-DUTYLOOP-CREW property or "-"
caldav_client.py URL USER PASSWORD make
    makes the calendar (MKCALENDAR)
caldav_client.py URL USER PASSWORD add ICS
    puts the event ICS (a whole VCALENDAR) into the calendar, as a phone would
caldav_client.py URL USER PASSWORD retitle UID SUMMARY
    changes the summary of the event UID, as a user editing it on a phone would
caldav_client.py URL USER PASSWORD strip UID
    saves the event UID in place without its X-DUTYLOOP-CREW and CATEGORIES, as a phone's
    calendar that keeps no property it does not know would
caldav_client.py URL USER PASSWORD hrefs
    one line for each event of the calendar, sorted: "UID<TAB>PATH"
"""
import sys

import caldav


def calendar(url, user, password):
    # The tests' server over HTTPS has a certificate of its own making.
    client = caldav.DAVClient(url=url, username=user, password=password,
                              ssl_verify_cert=not url.startswith("https:"))
    return client, caldav.Calendar(client=client, url=url)


def main(url, user, password, action, *rest):
    client, cal = calendar(url, user, password)
    if action == "make":
        client.mkcalendar(url)
    elif action == "add":
        cal.save_event(rest[0])
    elif action == "retitle":
        event = cal.event_by_uid(rest[0])
        event.icalendar_component["SUMMARY"] = rest[1]
        event.save()
    elif action == "strip":
        event = cal.event_by_uid(rest[0])
        for name in ("X-DUTYLOOP-CREW", "CATEGORIES"):
            del event.icalendar_component[name]
        event.save()
    elif action == "hrefs":
        print("\n".join(sorted("%s\t%s" % (event.icalendar_component.get("UID"), event.url.path)
                               for event in cal.events())))
    elif action == "list":
        lines = []
        for event in cal.events():
            for component in event.icalendar_instance.walk("VEVENT"):
                start = component.get("DTSTART").dt
                lines.append("%s\t%s\t%s\t%s" % (start.isoformat(), component.get("SUMMARY"),
                                                 component.get("X-DUTYLOOP-CREW", "-"),
                                                 component.get("UID")))
        print("\n".join(sorted(lines)))
    else:
        raise SystemExit("unknown action " + action)


if __name__ == "__main__":
    main(*sys.argv[1:])
