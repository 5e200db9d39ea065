# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Drive Qt programs under a real headless Wayland compositor (sway 1.7) for desktop tests.
#
# SwaySession starts sway (headless backend, pixman renderer: no GPU needed) as an unprivileged
# user (sway refuses root) with a private XDG_RUNTIME_DIR and config.  The headless seat has no
# pointer, so a tiny wire-protocol client (bottom of this file) adds a zwlr_virtual_pointer_v1;
# sway's own `seat seat0 cursor ...` commands then move it and click.  Windows come from
# `swaymsg -t get_tree`, screenshots from grim.
#
# Coordinates are sway layout coordinates (logical pixels; output pixels at scale 1).  A view's
# content top-left is tree rect.xy (the container, borders included) + window_rect.xy (content
# offset inside it) + half of what window_rect.wh exceeds geometry.wh by (sway centres a surface
# smaller than its container, e.g. after a refused resize); the content size is geometry.wh.
# Screenshots are in output pixels: pixel_at_logical() reads them at layout coordinates.
# The headless output draws the pointer into screenshots: move_pointer() away before looking.
#
# Debian packages: sway grim qt6-wayland.  As root, programs run as USER (created if missing);
# as another user, everything runs as that user.
import collections, ctypes, glob, json, os, pwd, re, shutil, signal, socket, struct
import subprocess, sys, tempfile, time

USER, OUTPUT, PYTHON = "orbitron-test", "HEADLESS-1", "/usr/bin/python3"
CONFIG = """xwayland disable
output {out} mode {w}x{h} position 0 0 scale 1
focus_on_window_activation focus
focus_follows_mouse no
mouse_warping none
default_border none
default_floating_border none
"""
# rect: (x, y, width, height) of the content in layout coordinates; node: the raw tree node.
View = collections.namedtuple("View", "app_id name pid focused visible floating rect node")


def wait_for(condition, what, timeout=20.0):
    """Poll condition() until it returns something truthy; return that, or raise naming `what`."""
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out after {timeout:g}s waiting for {what}")
        time.sleep(0.02)
    return value


class Screenshot:
    def __init__(self, ppm, scale=1.0):  # binary PPM (P6), as `grim -t ppm` writes it
        head = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        self.width, self.height, self.scale, self.data = int(head[1]), int(head[2]), scale, ppm[head.end():]

    def pixel(self, x, y):
        """(r, g, b) at output pixel x, y."""
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def pixel_at_logical(self, x, y):
        """(r, g, b) at layout coordinates x, y (output pixels are `scale` times as many)."""
        return self.pixel(int(x * self.scale), int(y * self.scale))


class SwaySession:
    def __init__(self, width=1024, height=768, user=USER):
        self.width, self.height, self.user, self.scale = width, height, user, 1.0
        self.procs, self.killed, self.dir, self.pointer, self.sway, self._as = [], set(), None, None, None, {}

    def __enter__(self):
        try:
            return self.start()
        except BaseException:
            self.stop()
            raise

    def __exit__(self, *exc):
        self.stop()

    def start(self):
        pw = pwd.getpwuid(os.geteuid())
        if pw.pw_uid == 0:
            if subprocess.run(["id", self.user], capture_output=True).returncode:
                subprocess.run(["useradd", "--system", "--shell", "/usr/sbin/nologin", self.user], check=True)
            pw = pwd.getpwnam(self.user)
            self._as = dict(user=pw.pw_uid, group=pw.pw_gid, extra_groups=[])
        self.uid = pw.pw_uid
        ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER: orphans come to us, and get reaped
        self.dir = tempfile.mkdtemp(prefix="orbitron-wl.")
        self.runtime = os.path.join(self.dir, "run")
        os.mkdir(self.runtime, 0o700)
        for path in (self.dir, self.runtime):
            os.chown(path, pw.pw_uid, pw.pw_gid)
        with open(os.path.join(self.dir, "sway.conf"), "w") as config:
            config.write(CONFIG.format(out=OUTPUT, w=self.width, h=self.height))
        self.env = dict(PATH="/usr/bin:/bin", HOME=self.dir, XDG_RUNTIME_DIR=self.runtime, LANG="C.UTF-8")
        self.sway = self._spawn(["sway", "-c", config.name], "sway", dict(
            WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman"))
        self.sock = wait_for(lambda: self._ready(self.sway, self.runtime + "/sway-ipc.*.sock"),
                             "sway's IPC socket to answer")
        display = wait_for(lambda: glob.glob(self.runtime + "/wayland-[0-9]"), "sway's Wayland socket")[0]
        self.env["WAYLAND_DISPLAY"] = os.path.basename(display)
        with open(__file__) as source:  # passed with -c: the test user may not be able to read our tree
            self.pointer = self._spawn([PYTHON, "-c", source.read(), "pointer", display], "pointer")
        wait_for(lambda: self._ready(self.pointer) and any(
            i["type"] == "pointer" for i in self.msg("-t", "get_inputs")), "the virtual pointer device")
        return self

    def _spawn(self, argv, name, env_extra=None, cwd=None):
        with open(os.path.join(self.dir, name + ".log"), "ab") as log:
            proc = subprocess.Popen(argv, env={**self.env, **(env_extra or {})}, cwd=cwd or self.dir,
                                    stdin=subprocess.DEVNULL, stdout=log, stderr=log, **self._as)
        proc.log_path = log.name
        return proc

    def _ready(self, proc, ipc_glob=None):
        if proc.poll() is not None:
            with open(proc.log_path, errors="replace") as log:
                raise RuntimeError(f"{proc.args[0]} exited with {proc.returncode}:\n{log.read()[-3000:]}")
        answering = [sock for sock in glob.glob(ipc_glob or "") if not subprocess.run(
            ["swaymsg", "-s", sock, "-t", "get_version"], capture_output=True).returncode]
        return answering[0] if answering else ipc_glob is None

    def msg(self, *args):
        """swaymsg ARGS with raw JSON output; returns the parsed reply."""
        out = subprocess.run(["swaymsg", "-s", self.sock, "-r", *args], capture_output=True, text=True)
        return json.loads(out.stdout)

    def command(self, *commands):
        """Run sway commands one by one; raise if any fails."""
        for cmd in commands:
            for result in self.msg("--", cmd):
                if not result.get("success"):
                    raise RuntimeError(f"sway command {cmd!r} failed: {result.get('error')}")

    def launch(self, program, args=(), env_extra=None, cwd=None):
        """Start program as the test user on this display; its output goes to popen.log_path."""
        env = {"QT_QPA_PLATFORM": "wayland", **(env_extra or {})}
        self.procs.append(self._spawn([program, *args], os.path.basename(program), env, cwd))
        return self.procs[-1]

    def windows(self):
        """All views in tree order: floating ones last, bottom-most first."""
        views, todo = [], [(self.msg("-t", "get_tree"), False)]
        while todo:
            node, floating = todo.pop(0)
            if node.get("pid"):
                r, w, g = node["rect"], node["window_rect"], node["geometry"]
                x = r["x"] + w["x"] + max(0, (w["width"] - g["width"]) // 2)
                y = r["y"] + w["y"] + max(0, (w["height"] - g["height"]) // 2)
                views.append(View(node.get("app_id"), node.get("name"), node["pid"], node["focused"],
                                  node.get("visible", False), floating, (x, y, g["width"], g["height"]), node))
            todo += [(n, floating) for n in node["nodes"]] + [(n, True) for n in node["floating_nodes"]]
        return views

    def wait_window(self, predicate, what, timeout=20.0):
        """Wait until some view satisfies predicate(view); return it."""
        return wait_for(lambda: next(filter(predicate, self.windows()), None), what, timeout)

    def move_pointer(self, x, y):
        self.command(f"seat seat0 cursor set {x} {y}")

    def click(self, x, y, button="button1"):
        self.move_pointer(x, y)
        self.command(f"seat seat0 cursor press {button}", f"seat seat0 cursor release {button}")

    def move_window(self, criteria, x, y):
        """criteria in sway's syntax, e.g. 'app_id="KLEMNet"'."""
        self.command(f"[{criteria}] move position {x} {y}")

    def set_scale(self, scale):
        self.command(f"output {OUTPUT} scale {scale}")
        self.scale = float(scale)

    def screenshot(self, png_path=None):
        """Grab the whole output; png_path also saves a PNG for a human to look at."""
        def grim(kind):
            return subprocess.run(["grim", "-t", kind, "-"], env=self.env, capture_output=True,
                                  check=True, **self._as).stdout
        if png_path:
            with open(png_path, "wb") as png:
                png.write(grim("png"))
        return Screenshot(grim("ppm"), self.scale)

    def wait_stable(self, what="the screen to stop changing", timeout=20.0):
        """Wait until two screenshots in a row are the same (e.g. an animation ended); return it."""
        shots = [self.screenshot()]

        def unchanged():
            shots[:] = [shots[-1], self.screenshot()]
            return shots[0].data == shots[1].data
        wait_for(unchanged, what, timeout)
        return shots[1]

    def stop(self):
        """Terminate all started here and what it left behind; remove the runtime dir."""
        for proc in filter(None, [*self.procs, self.pointer, self.sway]):
            proc.terminate()
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        if self.dir:
            wait_for(lambda: not self._leftovers(), "leftover processes to go")
            shutil.rmtree(self.dir, ignore_errors=True)

    def _leftovers(self):
        # Kill what still runs with our runtime dir in its environment; reap our zombie orphans.
        left, marker = False, f"XDG_RUNTIME_DIR={self.runtime}\0".encode()
        for pid in map(int, filter(str.isdigit, os.listdir("/proc"))):
            try:
                with open(f"/proc/{pid}/stat") as stat:
                    state, ppid = stat.read().rsplit(")", 1)[1].split()[:2]
                if state == "Z" and int(ppid) == os.getpid() and os.stat(f"/proc/{pid}").st_uid == self.uid:
                    os.waitpid(pid, 0)
                elif state != "Z":
                    left |= pid in self.killed  # still dying
                    with open(f"/proc/{pid}/environ", "rb") as environ:
                        if marker in environ.read():
                            os.kill(pid, signal.SIGKILL)
                            self.killed.add(pid)
                            left = True
            except OSError:
                pass
        return left


def _pointer_client(path):
    """Wayland wire protocol: put a zwlr_virtual_pointer_v1 on wl_seat, keep it until killed."""
    conn, buf, names = socket.socket(socket.AF_UNIX), b"", {}
    conn.connect(path)

    def send(obj, opcode, *args):  # args: uint, or str (length with NUL, padded to 4 bytes)
        body = b"".join(struct.pack("=I", a) if isinstance(a, int) else struct.pack("=I", len(a) + 1)
                        + a.encode().ljust((len(a) + 4) // 4 * 4, b"\0") for a in args)
        conn.sendall(struct.pack("=II", obj, (8 + len(body)) << 16 | opcode) + body)

    def roundtrip(callback):  # wl_display.sync; read events until the callback is done
        nonlocal buf
        send(1, 0, callback)
        while data := conn.recv(4096):
            buf += data
            while len(buf) >= 8 and len(buf) >= struct.unpack_from("=II", buf)[1] >> 16:
                obj, word = struct.unpack_from("=II", buf)
                body, buf, event = buf[8:word >> 16], buf[word >> 16:], (obj, word & 0xFFFF)
                if event == (1, 0):
                    sys.exit(f"wl_display.error {body!r}")
                if event == (2, 0):  # wl_registry.global(uint name, string interface, uint version)
                    name, size = struct.unpack_from("=II", body)
                    names[body[8:7 + size].decode()] = name
                if obj == callback:
                    return
        sys.exit("the compositor closed the connection")

    send(1, 1, 2)  # wl_display.get_registry -> wl_registry 2
    roundtrip(3)
    for new_id, interface in ((4, "wl_seat"), (5, "zwlr_virtual_pointer_manager_v1")):
        send(2, 0, names[interface], interface, 1, new_id)  # wl_registry.bind
    send(5, 0, 4, 6)  # create_virtual_pointer(seat 4) -> 6
    roundtrip(7)
    while conn.recv(4096):
        pass


if __name__ == "__main__" and sys.argv[1:2] == ["pointer"]:
    _pointer_client(sys.argv[2])
