# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Private headless desktops for the tests that work the launcher as a player does, each in a fresh
# temporary folder: an X server with the window manager openbox, or the Wayland compositor sway.
# Both click with the pointer, list their windows, move them and take screenshots, in the same
# coordinates (logical pixels of the screen, which are device pixels at scale 1).
import contextlib, glob, json, os, pwd, re, shutil, socket, struct, subprocess, tempfile, threading, time


class Failure(Exception):
    pass


def wait(condition, what, timeout=20):
    """Polls `condition` until it returns something true, and returns that; fails after `timeout`."""
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.03)
    return value


def output(*command, **options):
    """The output of a short command, empty when it fails."""
    return subprocess.run(command, capture_output=True, text=True, **options).stdout.strip()


class Screenshot:
    """A binary PPM picture of the whole screen, read at logical coordinates."""

    def __init__(self, ppm, scale=1):
        head = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        self.width, self.scale, self.data = int(head[1]), scale, ppm[head.end():]

    def pixel(self, x, y):
        at = 3 * (int(y * self.scale) * self.width + int(x * self.scale))
        return tuple(self.data[at:at + 3])


class Desktop:
    """Programs started in process groups of their own, their output in NAME.out in the folder."""

    def __init__(self, prefix):
        self.procs, self.user = [], {}
        self.tmp = tempfile.mkdtemp(prefix=prefix)
        self.env = {"PATH": "/usr/bin:/bin", "LANG": "C.UTF-8", "HOME": self.tmp}

    def start(self, name, *command, **options):
        out = open(os.path.join(self.tmp, name + ".out"), "w")
        options = {"env": self.env, "stdout": out, "stderr": out, "cwd": self.tmp, **self.user, **options}
        self.procs.append(subprocess.Popen(command, start_new_session=True, **options))
        return self.procs[-1]

    def down(self, keep=False):
        """Ends every program started here, newest first, politely and then for good; keeps the
        folder with the logs when `keep`."""
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


class X11(Desktop):
    """Xvfb, with openbox managing the windows."""

    def up(self, size="1280x1024"):
        read, write = os.pipe()
        # -noreset: the server would reset whenever its last client leaves, and refuse the next one.
        self.start("xvfb", "Xvfb", "-displayfd", str(write), "-screen", "0", size + "x24",
                   "-nolisten", "tcp", "-noreset", pass_fds=[write])
        os.close(write)
        self.env["DISPLAY"] = ":" + os.read(read, 64).decode().strip()
        self.start("openbox", "openbox", "--sm-disable")
        wait(lambda: "window id" in self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), "openbox")

    def x(self, *command):
        return output(*command, env=self.env)

    def window(self, title):
        """(x, y, width, height) of the window's inside on the screen, and whether it is active and
        in front of the others."""
        found = self.x("xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$").split()
        if not found:
            return None
        numbers = [int(n) for n in re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)",
                                              self.x("xwininfo", "-id", found[0]))]
        stacked = self.x("xprop", "-root", "-notype", "_NET_CLIENT_LIST_STACKING").split()
        on_top = int(stacked[-1], 16) == int(found[0]) if stacked[-1].startswith("0x") else False
        active = self.x("xdotool", "getactivewindow") == found[0]
        return (*numbers, active and on_top)

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


class Sway(Desktop):
    """sway on its headless backend, run as an unprivileged user (it refuses to run as root), with
    a virtual pointer driven by sway's own cursor commands. A window that asks to be activated
    is focused and, as most desktops do, brought to the front."""

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
                            stdout=subprocess.PIPE, text=True, **{"user": None, "group": None, "extra_groups": None})
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

    def windows(self):
        """The windows, the one in front last."""
        found, todo = [], [self.msg("-t", "get_tree")]
        while todo:
            node = todo.pop(0)
            found += [node] if node.get("pid") else []
            todo += node["nodes"] + node["floating_nodes"]
        return found

    def window(self, title):
        """As X11.window; the window's app id is in `app_id`."""
        views = self.windows()
        for node in (n for n in views if n["name"] == title):
            inside, at, self.app_id = node["geometry"], node["window_rect"], node["app_id"]
            return (node["rect"]["x"] + at["x"], node["rect"]["y"] + at["y"], inside["width"], inside["height"],
                    node["focused"] and node is views[-1])
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


def virtual_pointer(display):
    """Connects to the Wayland display and adds a virtual pointer to its seat, which lasts as long
    as the connection returned: the headless seat has no pointer of its own, and a program gets
    no pointer events without one. Speaks the wire protocol: a message is the object id, its size
    and opcode, then its arguments (numbers, and strings with their length, padded to 4 bytes)."""
    conn, names = socket.socket(socket.AF_UNIX), {}
    conn.connect(display)

    def send(target, opcode, *args):
        body = b"".join(struct.pack("=I", a) if isinstance(a, int) else
                        struct.pack("=I", len(a) + 1) + a.encode().ljust(len(a) // 4 * 4 + 4, b"\0") for a in args)
        conn.sendall(struct.pack("=II", target, (8 + len(body)) << 16 | opcode) + body)

    def roundtrip(callback):  # wl_display.sync, then the events until its callback is done
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
    send(1, 0, 3)
    roundtrip(3)
    for new_id, interface in ((4, "wl_seat"), (5, "zwlr_virtual_pointer_manager_v1")):
        send(2, 0, names[interface], interface, 1, new_id)  # wl_registry.bind
    send(5, 0, 4, 6)  # zwlr_virtual_pointer_manager_v1.create_virtual_pointer(seat) -> object 6
    send(1, 0, 7)
    roundtrip(7)
    return conn
