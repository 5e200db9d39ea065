# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Private headless desktops, each in a fresh temporary folder: an X server with the window manager
# openbox, or the Wayland compositor sway. Both click with the pointer, find windows by title, move
# them and take screenshots, in the same coordinates (logical pixels of the screen, which are device
# pixels at scale 1). The tests that work the launcher as a player does run on them, and so does
# the command that takes a window's picture for the documentation:
#   python3 tools/desktops/desktops.py x11|wayland SCALE TITLE OUT.png PROGRAM [ARGUMENT...]
# starts PROGRAM on such a desktop (Debian's sway, grim and qt6-wayland, or Xvfb, openbox, xdotool,
# x11-utils and imagemagick), waits for its window TITLE to stand still and saves its picture.
import contextlib, glob, json, os, pwd, re, shutil, socket, struct, subprocess, sys, tempfile, threading, time


class Failure(Exception):
    pass


# Polls `condition` until it returns something true, and returns that; fails after `timeout`.
def wait(condition, what, timeout=20):
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.03)
    return value


# The output of a short command, empty when it fails.
def output(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, **options).stdout.strip()


# A binary PPM picture of the whole screen, read at logical coordinates.
class Screenshot:
    def __init__(self, ppm, scale=1):
        head = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        self.width, self.scale, self.data = int(head[1]), scale, ppm[head.end():]

    def pixel(self, x, y):
        at = 3 * (int(y * self.scale) * self.width + int(x * self.scale))
        return tuple(self.data[at:at + 3])


# Programs started in process groups of their own, their output in NAME.out in the folder; `down`
# ends them, newest first, politely and then for good, and keeps the folder only when asked.
class Desktop:
    def __init__(self, prefix):
        self.procs, self.user = [], {}
        self.tmp = tempfile.mkdtemp(prefix=prefix)
        self.env = {"PATH": "/usr/bin:/bin", "LANG": "C.UTF-8", "HOME": self.tmp}

    def start(self, name, *command, **options):
        with open(os.path.join(self.tmp, name + ".out"), "w") as out:  # the program keeps its own copy
            options = {"env": self.env, "stdout": out, "stderr": out, "cwd": self.tmp, **self.user, **options}
            self.procs.append(subprocess.Popen(command, start_new_session=True, **options))
        return self.procs[-1]

    # The screen once the pointer is off the windows and nothing moves any more.
    def still(self):
        self.point_away()
        shots = [self.screenshot()]

        def unchanged():
            shots.append(self.screenshot())
            return shots[-2].data == shots[-1].data
        wait(unchanged, "the screen to stand still")
        return shots[-1]

    def down(self, keep=False):
        for proc in reversed(self.procs):
            for signal_number in (15, 9):
                with contextlib.suppress(ProcessLookupError, subprocess.TimeoutExpired):
                    os.killpg(proc.pid, signal_number)
                    proc.wait(5)
                    break
        if keep:
            print(f"logs kept in {self.tmp}")
        else:
            shutil.rmtree(self.tmp, ignore_errors=True)


# Xvfb, with openbox managing the windows.
class X11(Desktop):
    def up(self, scale=1):
        read, write = os.pipe()
        # -noreset: the server would reset whenever its last client leaves, and refuse the next one.
        self.start("xvfb", "Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", "-noreset", pass_fds=[write])
        os.close(write)
        self.env["DISPLAY"] = ":" + os.read(read, 64).decode().strip()
        self.start("openbox", "openbox", "--sm-disable")
        wait(lambda: "window id" in self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), "openbox")

    def x(self, *command):
        return output(*command, env=self.env)

    # (x, y, width, height) of the window's inside on the screen, whether it is in front of the
    # others and whether it has the focus; None while there is no such window.
    def window(self, title):
        found = self.x("xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$").split()
        place = re.findall(r"(?:Absolute upper-left [XY]|Width|Height): +(-?\d+)", self.x("xwininfo", "-id", *found[:1]))
        if len(place) < 4:
            return None
        stacked = self.x("xprop", "-root", "-notype", "_NET_CLIENT_LIST_STACKING").split()
        return (*map(int, place), stacked[-1] == hex(int(found[0])), self.x("xdotool", "getactivewindow") == found[0])

    def click(self, x, y):
        self.x("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")

    def point_away(self):
        if not self.x("xdotool", "getmouselocation").startswith("x:0 y:0 "):  # else --sync would wait
            self.x("xdotool", "mousemove", "--sync", "0", "0")

    def move(self, title, x, y):
        self.x("xdotool", "search", "--name", f"^{re.escape(title)}$", "windowmove", str(x), str(y))

    def screenshot(self):
        return Screenshot(subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                                         capture_output=True, check=True).stdout)

    # Saves the area (x, y, width, height) of the screen as a PNG file.
    def save(self, area, png):
        subprocess.run(["import", "-window", "root", "-crop", "{2}x{3}+{0}+{1}".format(*area), "+repage", png],
                       env=self.env, check=True)


# sway on its headless backend, run as an unprivileged user (it refuses to run as root), with a
# virtual pointer that sway's own cursor commands drive. A window that asks to be activated is
# focused and, as most desktops do, brought to the front: sway itself leaves it where it is stacked.
class Sway(Desktop):
    CONFIG = ("xwayland disable\noutput HEADLESS-1 mode {width}x{height} scale {scale}\n"
              "focus_on_window_activation focus\nfocus_follows_mouse no\ndefault_border none\n"
              "default_floating_border none\n")

    def up(self, scale=1):
        self.scale, account = scale, pwd.getpwuid(os.getuid())
        if account.pw_uid == 0:
            if subprocess.run(["id", "orbitron-test"], capture_output=True).returncode:
                subprocess.run(["useradd", "--system", "--shell", "/usr/sbin/nologin", "orbitron-test"], check=True)
            account = pwd.getpwnam("orbitron-test")
            self.user = {"user": account.pw_uid, "group": account.pw_gid, "extra_groups": []}
        runtime = os.path.join(self.tmp, "run")
        os.mkdir(runtime, 0o700)
        for path in (self.tmp, runtime):
            os.chown(path, account.pw_uid, account.pw_gid)
        with open(os.path.join(self.tmp, "sway.conf"), "w") as config:
            config.write(self.CONFIG.format(width=1024 * scale, height=768 * scale, scale=scale))
        self.env["XDG_RUNTIME_DIR"] = runtime
        sway = self.start("sway", "sway", "-c", config.name, env=dict(
            self.env, WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman"))

        def answering():
            if sway.poll() is not None:
                raise Failure(f"sway ended (exit {sway.returncode}); see {self.tmp}/sway.out")
            return [s for s in glob.glob(runtime + "/sway-ipc.*.sock") if output("swaymsg", "-s", s, "-t", "get_version")]
        self.ipc = wait(answering, "sway to answer")[0]
        self.env["WAYLAND_DISPLAY"] = wait(lambda: glob.glob(runtime + "/wayland-[0-9]"), "sway's display")[0]
        self.pointer = virtual_pointer(self.env["WAYLAND_DISPLAY"])
        wait(lambda: any(i["type"] == "pointer" for i in self.msg("-t", "get_inputs")), "the virtual pointer")
        events = self.start("events", "swaymsg", "-s", self.ipc, "-m", "-r", "-t", "subscribe", '["window"]',
                            stdout=subprocess.PIPE, text=True, user=None, group=None, extra_groups=None)
        threading.Thread(target=self.bring_focused_to_front, args=(events.stdout,), daemon=True).start()

    def bring_focused_to_front(self, events):
        with contextlib.suppress(Failure, ValueError, OSError):  # sway ended
            for event in map(json.loads, events):
                if event["change"] == "focus" and self.windows()[-1]["id"] != event["container"]["id"]:
                    self.command(f"[con_id={event['container']['id']}] focus")  # which raises it

    def msg(self, *args):
        return json.loads(output("swaymsg", "-s", self.ipc, "-r", *args))

    def command(self, command):
        if not all(result["success"] for result in self.msg("--", command)):
            raise Failure(f"sway refused: {command}")

    # The windows of the tree, the one in front last.
    def windows(self):
        found, todo = [], [self.msg("-t", "get_tree")]
        while todo:
            node = todo.pop(0)
            found += [node] if node.get("pid") else []
            todo += node["nodes"] + node["floating_nodes"]
        return found

    # As X11.window; the window's app id is left in `app_id`.
    def window(self, title):
        views = self.windows()
        for node in (n for n in views if n["name"] == title):
            inside, at, self.app_id = node["geometry"], node["window_rect"], node["app_id"]
            return (node["rect"]["x"] + at["x"], node["rect"]["y"] + at["y"], inside["width"], inside["height"],
                    node is views[-1], node["focused"])
        return None

    def click(self, x, y):
        for command in (f"set {x} {y}", "press button1", "release button1"):
            self.command("seat seat0 cursor " + command)

    def point_away(self):
        self.command("seat seat0 cursor set 0 0")

    def move(self, title, x, y):
        self.command(f'[title="^{re.escape(title)}$"] move position {x} {y}')

    def screenshot(self):
        return Screenshot(subprocess.run(["grim", "-t", "ppm", "-"], env=self.env, capture_output=True,
                                         check=True).stdout, self.scale)

    def save(self, area, png):  # as X11.save; at scale 2 the picture has twice the pixels each way
        subprocess.run(["grim", "-g", "{},{} {}x{}".format(*area), png], env=self.env, check=True)


# Connects to the Wayland display and adds a virtual pointer to its seat, which lasts as long as
# the connection returned: the headless seat has no pointer of its own, and a program gets no
# pointer events without one. Speaks the wire protocol: a message is the object id, its size and
# opcode, then its arguments (numbers, and strings with their length, padded to 4 bytes).
def virtual_pointer(display):
    conn, names = socket.socket(socket.AF_UNIX), {}
    conn.connect(display)

    def send(target, opcode, *args):
        body = b"".join(struct.pack("=I", a) if isinstance(a, int) else
                        struct.pack("=I", len(a) + 1) + a.encode().ljust(len(a) // 4 * 4 + 4, b"\0") for a in args)
        conn.sendall(struct.pack("=II", target, (8 + len(body)) << 16 | opcode) + body)

    def roundtrip(callback):  # wl_display.sync, then the events until its callback is done
        send(1, 0, callback)
        received = b""
        while True:
            received += conn.recv(65536) or b""
            while len(received) >= 8 and len(received) >= struct.unpack_from("=II", received)[1] >> 16:
                target, size_opcode = struct.unpack_from("=II", received)
                body, received = received[8:size_opcode >> 16], received[size_opcode >> 16:]
                if (target, size_opcode & 0xFFFF) == (2, 0):  # wl_registry.global(name, interface, version)
                    names[body[8:7 + struct.unpack_from("=I", body, 4)[0]].decode()] = struct.unpack_from("=I", body)[0]
                elif target == callback:
                    return

    send(1, 1, 2)  # wl_display.get_registry: the registry is object 2
    roundtrip(3)
    for new_id, interface in ((4, "wl_seat"), (5, "zwlr_virtual_pointer_manager_v1")):
        send(2, 0, names[interface], interface, 1, new_id)  # wl_registry.bind
    send(5, 0, 4, 6)  # zwlr_virtual_pointer_manager_v1.create_virtual_pointer(seat) -> object 6
    roundtrip(7)
    return conn


def main(kind, scale, title, png, *program):
    desktop = (X11 if kind == "x11" else Sway)("desktop-")
    try:
        desktop.up(int(scale))
        desktop.start("program", *program)
        wait(lambda: desktop.window(title), f"the window {title}")
        desktop.still()
        desktop.save(desktop.window(title)[:4], os.path.abspath(png))
    finally:
        desktop.down()


if __name__ == "__main__":
    main(*sys.argv[1:])
