"""Dutyloop under the real Orca, on a display and buses of its own.

Starts Xvfb with openbox, a session bus (dbus-launch), the accessibility bus and its registry,
Orca with the settings beside this file (Orca's defaults with speech off) writing its debug
log, and the program with Qt's accessibility on and today's date pinned by libfaketime. Keys go
in with xdotool; what Orca would have said comes back from the SPEECH OUTPUT lines of its log.

Where a part cannot be had, Unavailable says which.
"""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ORCA_PYTHON = "/usr/bin/python3"

# Orca writes its log through Python's buffered files; this starts it with the files whose names
# end in .out written a line at a time, so that each key's speech can be read as it comes.
ORCA_WRAPPER = r"""
import builtins, runpy, sys
_open = builtins.open
def _line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if isinstance(file, str) and file.endswith(".out") and "w" in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _line_buffered
sys.argv = ["orca"] + sys.argv[1:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""

# A line is SPEECH OUTPUT: 'the text' followed by the voice, a dictionary.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\S+)? ?\{'", re.S)


class Unavailable(Exception):
    """A part of the set-up that this machine does not have."""


def _find(folders, name):
    for folder in folders:
        path = os.path.join(folder, name)
        if os.access(path, os.X_OK):
            return path
    return None


def _libexec(name):
    return _find(("/usr/libexec", "/usr/lib/at-spi2-core", "/usr/lib/at-spi2"), name)


def _faketime_library():
    for folder in ("/usr/lib/x86_64-linux-gnu/faketime", "/usr/lib/aarch64-linux-gnu/faketime",
                   "/usr/lib/faketime", "/usr/lib64/faketime"):
        path = os.path.join(folder, "libfaketime.so.1")
        if os.path.exists(path):
            return path
    return None


def check_tools():
    """The tools the session needs: raises Unavailable naming the first one missing."""
    for tool, package in (("Xvfb", "xvfb"), ("openbox", "openbox"), ("dbus-launch", "dbus-x11"),
                          ("xdotool", "xdotool"), ("orca", "orca")):
        if not shutil.which(tool):
            raise Unavailable("%s (%s) is not installed" % (tool, package))
    for name in ("at-spi-bus-launcher", "at-spi2-registryd"):
        if not _libexec(name):
            raise Unavailable(name + " (at-spi2-core) is not installed")
    if not _faketime_library():
        raise Unavailable("libfaketime is not installed")
    # Orca runs on the system's Python, with pyatspi.
    found = subprocess.run([ORCA_PYTHON, "-c", "import pyatspi"], capture_output=True)
    if found.returncode != 0:
        raise Unavailable("pyatspi (python3-pyatspi), which Orca needs, is not installed")


def spoken(lines):
    """What was said, without Orca's echoes of the keys themselves: Orca says a key's name
    followed by its locking state, which leaves a space at the end."""
    return [line for line in lines if line.strip() and not line[-1].isspace()]


class Session:
    def __init__(self, program, today, settings_text, locale="en_US.UTF-8"):
        self.program = program
        self.today = today
        self.settings_text = settings_text
        self.locale = locale
        self.folder = tempfile.mkdtemp(prefix="dutyloop-orca-")
        self.log_path = os.path.join(self.folder, "orca-debug.out")
        self.children = []
        self.bus_pid = None
        self.env = dict(os.environ)
        self.read_to = 0
        self.app = None
        # The folder, with Orca's log and what the program wrote, is kept where a test failed.
        self.keep_files = False

    # --- starting and ending ---------------------------------------------------------------

    def __enter__(self):
        try:
            self._start_display()
            self._start_buses()
            self._start_orca()
            self._start_program()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _spawn(self, command, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        child = subprocess.Popen(command, env=kwargs.pop("env", self.env), **kwargs)
        self.children.append(child)
        return child

    def _start_display(self):
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        deadline = time.time() + 15
        while time.time() < deadline and not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        if not number.strip():
            raise Unavailable("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number.strip().decode()
        # Without a window manager the focus is not handed back to the window when a dialog
        # closes, which no desktop user ever meets.
        self._spawn(["openbox", "--sm-disable"])

    def _start_buses(self):
        out = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True,
                             timeout=15, env=self.env)
        for line in out.stdout.splitlines():
            if line.startswith("DBUS_") and "=" in line:
                key, value = line.split("=", 1)
                self.env[key] = value.rstrip(";").strip("'")
        if "DBUS_SESSION_BUS_ADDRESS" not in self.env or out.returncode != 0:
            raise Unavailable("no session bus could be started")
        self.bus_pid = int(self.env.get("DBUS_SESSION_BUS_PID", "0")) or None
        self._spawn([_libexec("at-spi-bus-launcher"), "--launch-immediately"])
        deadline = time.time() + 20
        while True:
            answer = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                capture_output=True, text=True, timeout=30, env=self.env)
            if answer.returncode == 0 and "unix:" in answer.stdout:
                break
            if time.time() > deadline:
                raise Unavailable("the accessibility bus did not start")
            time.sleep(0.2)
        self._spawn([_libexec("at-spi2-registryd")])

    def _start_orca(self):
        settings_folder = os.path.join(self.folder, "orca")
        os.makedirs(settings_folder)
        shutil.copy(os.path.join(HERE, "user-settings.conf"), settings_folder)
        env = dict(self.env, HOME=self.folder, XDG_CONFIG_HOME=self.folder,
                   XDG_DATA_HOME=self.folder, LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="")
        with open(os.path.join(self.folder, "orca.stdout"), "w") as output:
            self._spawn([ORCA_PYTHON, "-c", ORCA_WRAPPER, "-u", settings_folder,
                         "--debug-file=" + self.log_path], env=env, stdout=output,
                        stderr=subprocess.STDOUT)
        if not self._wait_for_log(r"ORCA: Startup complete", 40):
            raise Unavailable("Orca did not start")
        # Orca finishes its start before it listens to the bus's events.
        time.sleep(1.5)

    def _start_program(self):
        config = os.path.join(self.folder, "config")
        folder = os.path.join(config, "Halvorne", "Dutyloop")
        os.makedirs(folder)
        with open(os.path.join(folder, "dlTornvale.ini"), "w") as settings:
            settings.write(self.settings_text)
        # The documents folder is the home's, where files are proposed and saved.
        self.documents = os.path.join(self.folder, "Documents")
        os.makedirs(self.documents)
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", XDG_CONFIG_HOME=config, HOME=self.folder,
                   LANG=self.locale, LC_ALL=self.locale, LANGUAGE="",
                   LD_PRELOAD=_faketime_library(),
                   FAKETIME="@%s 09:00:00" % self.today.isoformat(),
                   FAKETIME_DONT_FAKE_MONOTONIC="1", FAKETIME_NO_CACHE="0")
        env.pop("QT_QPA_PLATFORM_PLUGIN_PATH", None)
        self.program_log = os.path.join(self.folder, "program.log")
        with open(self.program_log, "w") as output:
            self.app = self._spawn([self.program], env=env, stdout=output,
                                   stderr=subprocess.STDOUT)

    def close(self):
        for child in reversed(self.children):
            if child.poll() is None:
                child.terminate()
                try:
                    child.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    child.kill()
                    child.wait()
        self.children = []
        if self.bus_pid:
            try:
                os.kill(self.bus_pid, signal.SIGTERM)
            except OSError:
                pass
            self.bus_pid = None
        if self.keep_files:
            print("Orca's log and the program's files are in " + self.folder)
        else:
            shutil.rmtree(self.folder, ignore_errors=True)

    # --- reading what Orca said -------------------------------------------------------------

    def _log_text(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as log:
                return log.read()
        except FileNotFoundError:
            return ""

    def _wait_for_log(self, pattern, seconds):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if re.search(pattern, self._log_text()):
                return True
            time.sleep(0.2)
        return False

    def settle(self, quiet=1.0, longest=10.0):
        """Waits until Orca's log has stopped growing for `quiet` seconds; returns the lines
        Orca said since the last call."""
        start = time.time()
        size = -1
        still_since = time.time()
        while time.time() - start < longest:
            now = os.path.getsize(self.log_path) if os.path.exists(self.log_path) else 0
            if now != size:
                size = now
                still_since = time.time()
            elif time.time() - still_since >= quiet:
                break
            time.sleep(0.1)
        text = self._log_text()
        new, self.read_to = text[self.read_to:], len(text)
        # A text of several lines goes on in lines indented under the first.
        return [re.sub(r"\n\s+", "\n", m.group(1)) for m in SPEECH.finditer(new)]

    def program_output(self):
        with open(self.program_log, encoding="utf-8", errors="replace") as output:
            return output.read()

    # --- the program's window and the keys ---------------------------------------------------

    def wait_for_window(self, name="Dutyloop", seconds=40):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if self.app.poll() is not None:
                return None
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                                   capture_output=True, text=True, env=self.env)
            if found.stdout.split():
                return found.stdout.split()[0]
            time.sleep(0.2)
        return None

    def type_text(self, text, quiet=1.0):
        """Types `text` as a keyboard does, a character at a time, and returns what Orca said
        after it, echoes of the keys left out."""
        subprocess.run(["xdotool", "type", "--clearmodifiers", "--delay", "40", text],
                       env=self.env)
        return spoken(self.settle(quiet=quiet))

    def keys(self, *keys, quiet=1.0):
        """Presses each key in turn (xdotool names: "Down", "ctrl+Tab", "space") and returns
        what Orca said after the last, echoes of the keys left out."""
        for key in keys[:-1]:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=self.env)
            self.settle(quiet=0.5, longest=5)
        subprocess.run(["xdotool", "key", "--clearmodifiers", keys[-1]], env=self.env)
        return spoken(self.settle(quiet=quiet))
