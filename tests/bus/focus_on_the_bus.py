#!/usr/bin/python3
"""The month view on the real accessibility bus, as a screen reader hears it.

Starts a display (Xvfb), a session bus (dbus-launch) and the accessibility bus
(at-spi-bus-launcher) of its own, then the program with Qt's accessibility always on, and
listens with pyatspi while an arrow key is pressed: the focus must go to the item of the month
table that holds the next day, named with its date. Where any of these cannot be had, the test
is skipped (exit 77) and says what was missing.

Usage: focus_on_the_bus.py <path of the dutyloop program>
"""

import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(why):
    print("SKIP: " + why)
    sys.exit(SKIP)


def find_bus_launcher():
    for folder in ("/usr/libexec", "/usr/lib/at-spi2-core", "/usr/lib/at-spi2"):
        path = os.path.join(folder, "at-spi-bus-launcher")
        if os.access(path, os.X_OK):
            return path
    return None


def start_display(children):
    """An X display of our own; its number, or None. It must not reset when its last client
    goes (the accessibility bus launcher connects and goes), or the program could come in the
    middle of the reset and find no display."""
    read_end, write_end = os.pipe()
    display = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    children.append(display)
    os.close(write_end)
    number = b""
    deadline = time.time() + 10
    while time.time() < deadline and not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    return number.strip().decode() or None


def start_session_bus():
    """A session bus of our own: its environment."""
    out = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True,
                         timeout=10)
    if out.returncode != 0:
        return None
    env = {}
    for line in out.stdout.splitlines():
        if "=" in line and line.startswith("DBUS_"):
            key, value = line.split("=", 1)
            env[key] = value.rstrip(";").strip("'")
    return env


def wait_for_accessibility_bus():
    """Whether the accessibility bus answers: a program that asks for it before would wait."""
    if not shutil.which("dbus-send"):
        time.sleep(2)
        return True
    deadline = time.time() + 20
    while time.time() < deadline:
        answer = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True, text=True, timeout=30)
        if answer.returncode == 0 and "unix:" in answer.stdout:
            return True
        time.sleep(0.2)
    return False


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: focus_on_the_bus.py <program>")
    program = sys.argv[1]
    for tool in ("Xvfb", "dbus-launch", "xdotool"):
        if not shutil.which(tool):
            skip(tool + " is not installed")
    launcher = find_bus_launcher()
    if not launcher:
        skip("at-spi-bus-launcher (at-spi2-core) is not installed")

    children = []
    bus_pid = None
    try:
        display = start_display(children)
        if not display:
            skip("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + display
        bus = start_session_bus()
        if not bus or "DBUS_SESSION_BUS_ADDRESS" not in bus:
            skip("no session bus could be started")
        os.environ.update(bus)
        bus_pid = int(bus.get("DBUS_SESSION_BUS_PID", "0")) or None
        children.append(subprocess.Popen([launcher, "--launch-immediately"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        if not wait_for_accessibility_bus():
            skip("the accessibility bus did not start")
        try:
            import pyatspi  # connects to the buses set up above
            from gi.repository import GLib
        except ImportError:
            skip("pyatspi (python3-pyatspi) is not available to " + sys.executable)
        return listen(program, pyatspi, GLib, children)
    finally:
        for child in reversed(children):
            child.terminate()
            try:
                child.wait(timeout=5)
            except subprocess.TimeoutExpired:
                child.kill()
        if bus_pid:
            try:
                os.kill(bus_pid, 15)
            except OSError:
                pass


def listen(program, pyatspi, GLib, children):
    config = tempfile.mkdtemp()
    folder = os.path.join(config, "Halvorne", "Dutyloop")
    os.makedirs(folder)
    with open(os.path.join(folder, "dlTornvale.ini"), "w") as settings:
        settings.write("[Config]\nWorkAssign=5 TFS\n")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_CONFIG_HOME=config, LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="")
    app_log = open(os.path.join(config, "program.log"), "w+")
    app = subprocess.Popen([program], env=env, stdout=app_log, stderr=subprocess.STDOUT)
    children.append(app)

    heard = []

    def on_focus(event):
        try:
            if event.detail1 and event.source.getRole() == pyatspi.ROLE_LIST_ITEM:
                heard.append(event.source.name)
        except Exception:  # an object gone before it was read
            pass

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")

    window = None
    deadline = time.time() + 40
    while time.time() < deadline and not window:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Dutyloop"],
                               capture_output=True, text=True)
        window = found.stdout.split()[0] if found.stdout.split() else None
        if not window:
            time.sleep(0.2)
    if not window:
        app_log.seek(0)
        print("FAIL: the program's window did not show (exit status %s); it said:\n%s"
              % (app.poll(), app_log.read()[-2000:]))
        return 1
    time.sleep(1.5)
    subprocess.run(["xdotool", "windowfocus", "--sync", window])
    time.sleep(0.5)
    heard.clear()
    # The day after today, as the program sees today.
    tomorrow = datetime.date.today() + datetime.timedelta(days=1)
    subprocess.run(["xdotool", "key", "Right"])

    weekday = tomorrow.strftime("%A")

    def naming_tomorrow():
        return [name for name in heard
                if weekday in name and str(tomorrow.year) in name and str(tomorrow.day) in name]

    give_up = time.time() + 8

    def check():
        if naming_tomorrow() or time.time() > give_up:
            pyatspi.Registry.stop()
            return False
        return True

    GLib.timeout_add(100, check)
    pyatspi.Registry.start()

    wanted = naming_tomorrow()
    if wanted:
        print("heard the focus on: " + wanted[-1])
        return 0
    print("FAIL: no focus on a cell naming %s; heard %r" % (tomorrow.isoformat(), heard))
    return 1


if __name__ == "__main__":
    sys.exit(main())
