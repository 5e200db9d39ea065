#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the launcher under the screen reader Orca, with Orca's default settings, on a private X
# server, session bus and accessibility bus; works it as a player would and checks what Orca says,
# which is read from Orca's debug log ("SPEECH OUTPUT: '...'"). No speech server runs.
#   python3 tests/screenreader/orca_test.py [PATH/TO/KLEMNet]
import os, re, signal, subprocess, sys, threading, traceback, tty, warnings

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tools/desktops"))
from desktops import X11, Failure, output, wait  # noqa: E402

TITLE = "Orbitron Launcher v. 2.4.1"
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?(?:\{.*\}|None)?\s*$")
FOCUSED = re.compile(r"OBJECT EVENT: object:state-changed:focused \(1, \d+, \[(.*?) \| (.*)\]\)$")
# Orca 48 logs an event as "EVENT MANAGER: Dequeued TYPE for [role: 'name'] in APPLICATION
# (detail1, detail2, ...)", and its end as "^^^^^ FINISHED PRIORITY-...": read in Orca 43's words.
NEWER_EVENT = re.compile(r"EVENT MANAGER: Dequeued (\S+) for \[([^]:]*)(?:: '(.*?)')?\] in .*? \((-?\d+), (-?\d+),")
FOCUS = r"object:state-changed:focused \(1,"

# The player's way: (action, target, the Orca event whose handling ends the step, expected speech
# as a regular expression, for Tab steps a list of them, one per stop; None records what Orca says
# without judging it).
#   window: the window appears     tabs: Tab until the focus is on target (a name or a role)
#   press: the press action of the object named target     key: xdotool key     run: key, game starts
# What a press chose is announced (by Orca 43 as a "notification") once its slide or switch is over
# and the keys work again: a press step waits for that before the next key.
# Orca 43 (Debian 12) and 48 (Debian 13) differ in small words: "push button" or "button", a full
# stop after a name or none. Utterances are matched without their full stops.
BUTTON = r"(push )?button"
DESCRIBED = r" Click these arrows to change your character"
ARROWS = [r"Previous character " + BUTTON + DESCRIBED, r"Next character " + BUTTON + DESCRIBED]
RUN = r"RUN! " + BUTTON
STEPS = [
    ("window", TITLE, FOCUS, re.escape(TITLE)),
    ("tabs", "RUN!", None, ARROWS[1:] + [r"Load Game check box not checked Check this to load the game",
                                         r"Saved game slot .*editable combo box", RUN]),
    ("press", "Multiplayer", None, r"\bMultiplayer\b"),
    ("tabs", "RUN!", None, ARROWS + [r"Player Name text.* Type the nickname", r"Preferred Team .*editable combo box",
                                     r"Don't check server for files check box not checked Check this",
                                     r"Don't download files from server check box", RUN]),
    ("press", "Host", None, r"\bHost\b"),
    ("tabs", "RUN!", None, ARROWS + [r"Player Name text", r"Game Type .*combo box",
                                     r"Time Limit text", r"Max Players text.* Range is from 1 to 32",
                                     r"Initial Map text", RUN]),
    ("press", "WAD Files", None, r"\bWAD Files\b"),
    ("tabs", "RUN!", None, [r"Include Files.* This box displays",
                            r"Add " + BUTTON + r" Click this to add", r"Delete " + BUTTON,
                            r"Custom Skin Name text If you are using", RUN]),
    ("press", "Main Options", None, r"\bMain Options\b"),
    ("tabs", "RUN!", None, [r"Main Options panel OpenGL Mode check box not checked Check this",
                            r"Windowed Mode check box", r"Manual Resolution check box",
                            r"Resolution width text", r"Resolution height text", r"Alternate EXE check box",
                            r"Alternate EXE name text", r"Display High-resolution Timer check box",
                            r"Use Joystick check box", r"Use Analog Controls check box",
                            r"Split-Screen Mode check box", r"Demo panel Enable Demos check box",
                            r"Demo Play not selected radio button", r"Demo Name text", r"Sound .*combo box",
                            r"Manual Parameters text Type manual parameters", RUN]),
    ("tabs", "check box", None, None),
    ("key", "space", r"object:state-changed:checked", r"\bchecked\b"),
    ("press", "Network Options", None, r"Disable Special Rings check box not checked"),
    ("tabs", "RUN!", None, [r"Sudden Death check box", r"Automatically Sort Teams \(CTF\) check box",
                            r"Force Skin check box", r"Don't Advance Stage check box",
                            r"Don't Advertise Server check box checked", RUN]),
    ("press", "About", FOCUS, r"Orbitron Launcher - About dialog"),
    ("key", "Escape", FOCUS, re.escape(TITLE)),
    ("press", "Game", None, r"\bGame\b"),
    ("press", "Blue", FOCUS, r"Blue " + BUTTON),  # the colour field, named by its colour: the picker opens
    ("key", "Down", FOCUS, r"Dark Blue " + BUTTON),
    ("key", "Return", FOCUS, r"\bDark Blue\b"),  # the focus is back in the main window
    ("tabs", "Next character", None, None),
    ("key", "Return", None, r"WHIRL Comet's flightworthy"),
    ("tabs", "RUN!", None, None),
    ("run", "Return", None, r"-skin WHIRL -color 5 .* -name Whirl$"),
]


# A line of Orca's log, with an event as Orca 43 writes it.
def in_orca43_words(line):
    if event := NEWER_EVENT.search(line):
        kind, role, name, detail1, detail2 = event.groups()
        return f"OBJECT EVENT: {kind} ({detail1}, {detail2}, [{role} | {name or ''}])"
    return line.replace("^^^^^ FINISHED PRIORITY", "^^^^^ PROCESS OBJECT EVENT")


# The private desktop: X server, window manager, buses, Orca and the launcher, with a fresh
# temporary folder as their home, so that Orca starts with its default settings.
class Session(X11):

    def __init__(self, launcher):
        super().__init__("orca-test-")
        self.launcher, self.lines, self.orca, self.game = launcher, [], None, None
        self.record = os.path.join(self.tmp, "record")
        # SPEECHD_CMD: Orca would start speech-dispatcher, which hangs it where there is no sound.
        self.env["SPEECHD_CMD"] = "/bin/false"
        for name in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
            self.env[name] = os.path.join(self.tmp, name.lower())
            os.mkdir(self.env[name], 0o700)

    # Starts everything in order, each part once the one before it is ready.
    def up(self):
        super().up()
        bus = self.start("dbus", "dbus-daemon", "--session", "--nofork", "--print-address=1",
                         stdout=subprocess.PIPE, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        os.environ.update(self.env)  # for AT-SPI in this process
        self.start("atspi", "/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
        names = ("dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                 "org.freedesktop.DBus.ListNames")
        wait(lambda: "org.a11y.Bus" in output(*names), "the accessibility bus")
        # Orca will not start while another Orca of this user runs anywhere on this machine (and
        # --replace would end that one): a second run of this test waits for the first.
        wait(lambda: not output("pgrep", "-u", str(os.getuid()), "-x", "orca"), "other Orcas to end", 600)
        # Orca's log goes to a terminal, which Python writes line by line; a file it writes in
        # blocks, and the last lines would come only much later.
        self.master, self.slave = os.openpty()
        tty.setraw(self.slave)
        threading.Thread(target=self.read_log, daemon=True).start()
        self.orca = self.start("orca", "orca", "--debug-file", os.ttyname(self.slave))
        self.wait_said("Screen reader on", 0)
        self.game = self.start("launcher", os.path.abspath(self.launcher),
                               env=dict(self.env, KLEMWIN_RECORD=self.record))

    # Collects Orca's log line by line, in memory and in orca.log for a look later.
    def read_log(self):
        pending = b""
        with open(os.path.join(self.tmp, "orca.log"), "wb") as copy:
            while True:
                try:
                    chunk = os.read(self.master, 65536)
                except OSError:  # the terminal is closed
                    return
                copy.write(chunk)
                *lines, pending = (pending + chunk).split(b"\n")
                self.lines.extend(in_orca43_words(line.decode(errors="replace")) for line in lines)

    # What Orca said after line `mark` of its log.
    def said_since(self, mark):
        return [m.group(1) for m in map(SPOKEN.search, self.lines[mark:]) if m]

    # `wait` that fails at once when Orca or the launcher ends, and tells what Orca said last.
    def wait(self, condition, what):
        def check():
            for name, proc in (("Orca", self.orca), ("the launcher", self.game)):
                if proc and proc.poll() is not None:
                    raise Failure(f"{name} ended (exit {proc.returncode}) while waiting for {what}")
            return condition()
        try:
            return wait(check, what)
        except Failure as failure:
            with open(os.path.join(self.tmp, "orca.out")) as out:  # what Orca printed, if anything
                orca_out = out.read()[-300:]
            raise Failure(f"{failure}; Orca said last: {self.said_since(0)[-4:]} {orca_out}") from None

    # Waits until what Orca said after log line `mark`, its utterances joined by blanks, matches
    # `pattern` (the way each Tab stop is matched); returns the match.
    def wait_said(self, pattern, mark):
        said = lambda: re.search(pattern, spoken(self.said_since(mark)))
        return self.wait(said, f"Orca to say /{pattern}/")

    # Waits until Orca has finished handling an `event` after log line `mark`, so that all it
    # says about it is in the log; returns the number of the event's first line.
    def handled(self, event, mark):
        start = self.wait(lambda: self.first("OBJECT EVENT: " + event, mark), f"Orca to handle /{event}/")
        self.wait(lambda: self.first(r"\^\^\^\^\^ PROCESS OBJECT EVENT", start), f"Orca to finish /{event}/")
        return start

    # The number of the first line of Orca's log after line `after` that matches `pattern`, or None.
    def first(self, pattern, after):
        return next((i for i in range(after, len(self.lines)) if re.search(pattern, self.lines[i])), None)

    # Types keys into the launcher, once one of its windows is the active one.
    def keys(self, *names):
        self.wait(lambda: output("xdotool", "getactivewindow", "getwindowpid") == str(self.game.pid),
                  "a launcher window to be active")
        subprocess.run(["xdotool", "key", *names], check=True)

    # Presses Tab; returns the object that got the focus as (role, name), and what Orca said.
    def tab(self):
        mark = len(self.lines)
        self.keys("Tab")
        return FOCUSED.search(self.lines[self.handled(FOCUS, mark)]).groups(), self.said_since(mark)

    # The words the stand-in game received, from its record, once it has written one.
    def words(self):
        line = self.wait(lambda: os.path.exists(self.record) and open(self.record).readline(),
                         "the stand-in game's record")
        return [bytes.fromhex(word).decode() for word in re.search(r"words=:(\S*)", line)[1].split(":")]


# Utterances as one text to match, without their full stops.
def spoken(utterances):
    return " ".join(u.strip().removesuffix(".") for u in utterances)


# Does the press action of the launcher's object named, or labelled, `name` (the colour field is
# named after its colour), as a screen reader user can with any object: for the labels worked with
# the pointer, the only way without a mouse. Reads AT-SPI live: this process runs no event loop
# that would keep AT-SPI's cache up to date.
def press(name):
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
    warnings.filterwarnings("ignore", "Atspi.Action.get_action_name is deprecated")

    def named():
        desktop = Atspi.get_desktop(0)
        apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
        todo, found = [app for app in apps if app and app.get_name() == "KLEMNet"], []
        for app in todo:
            app.set_cache_mask(Atspi.Cache.NONE)
        while todo:
            node = todo.pop()
            labels = [relation.get_target(i).get_name() for relation in node.get_relation_set()
                      if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY
                      for i in range(relation.get_n_targets())]
            found += [node] if name in [node.get_name(), *labels] else []
            children = [node.get_child_at_index(i) for i in range(node.get_child_count())]
            todo += [c for c in children if c and c.get_state_set().contains(Atspi.StateType.SHOWING)]
        return found

    nodes = wait(named, f"a showing object named or labelled {name!r}", 10)
    for node in nodes:
        actions = [Atspi.Action.get_action_name(node, i) for i in range(node.get_n_actions())]
        if "Press" in actions:
            return Atspi.Action.do_action(node, actions.index("Press"))
    roles = [node.get_role_name() for node in nodes]
    raise Failure(f"no object named or labelled {name!r} has a press action: {roles}")


# Does one step of STEPS and prints what Orca said: one line per Tab stop, or one for the step.
def step(session, action, target, until, expect):
    mark, stops = len(session.lines), []
    while action == "tabs" and (not stops or target not in stops[-1][0]):
        if len(stops) == 40:
            raise Failure(f"{target} not reached in 40 Tab stops")
        stops.append(session.tab())
        print(f"  [{' | '.join(stops[-1][0])}]: {stops[-1][1]}")
    if stops:
        silent = [" | ".join(focused) for focused, said in stops if all(u.strip() == "tab" for u in said)]
        if silent:  # nothing but the echo of the Tab key: a player would not know where the focus is
            raise Failure(f"Orca said nothing at {silent}")
        if expect and len(expect) != len(stops):
            raise Failure(f"{len(stops)} Tab stops, {len(expect)} expected")
        for (focused, said), pattern in zip(stops, expect or []):
            if not re.search(pattern, spoken(said)):
                raise Failure(f"at [{' | '.join(focused)}] Orca said {' '.join(said)!r}, not /{pattern}/")
        return
    if action == "press":
        press(target)
    elif action in ("key", "run"):
        session.keys(target)
    if action == "run":
        words = " ".join(session.words())
        print(f"  the game got: {words}")
        if expect and not re.search(expect, words):
            raise Failure(f"the game got {words!r}, not /{expect}/")
        return
    if until:
        session.handled(until.replace("TARGET", re.escape(target)), mark)
    if expect:
        session.wait_said(expect, mark)
    print(f"  said: {session.said_since(mark)}")


# Runs STEPS under Orca; ends with the count of steps passed and failed, the line CI reads.
def main():
    here = os.path.dirname(os.path.abspath(__file__))
    # Ended from outside (a time limit), it still ends what it started, in its `finally`.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("ended from outside"))
    session = Session(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "../../build/KLEMNet"))
    passed = failed = 0
    try:
        session.up()
        for number, (action, target, until, expect) in enumerate(STEPS, 1):
            print(f"{number}. {action} {target}")
            try:
                step(session, action, target, until, expect)
                passed += 1
            except Exception as failure:  # a Failure, or a fault of this test itself, shown in full
                print(f"  FAILED: {failure}" if isinstance(failure, Failure) else traceback.format_exc())
                failed += 1
    except (Failure, OSError) as failure:
        print(f"FAILED to set up: {failure}")
        failed += 1
    finally:
        session.down(keep=failed > 0)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
