#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Works the launcher with the pointer on a real desktop, headless, and checks what the screen shows:
# on Wayland (sway) or on X11 (Xvfb with openbox). The colour picker lies exactly over the colour
# field, also after the window moved; a pick reaches the game; a click elsewhere closes the picker
# and does what it hits; a second click on About brings the about window back to the front. On Wayland also the window's app id, and the window whole and of
# fixed size at output scale 1 and 2.
#   python3 tests/desktop/desktop_test.py wayland|x11 [PATH/TO/KLEMNet]
# With x11, a KLEMNet.exe runs through Wine (in WINEPREFIX, if set).
import os, re, sys, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tools/desktops"))
from desktops import Failure, Sway, X11, wait  # noqa: E402

TITLE, ABOUT, SIZE = "Orbitron Launcher v. 2.4.1", "Orbitron Launcher - About", (414, 390)
# Where a player clicks, from the top-left of the window's inside; the picker's swatches are 16
# pixels apart, the first over the field.
MULTIPLAYER, SINGLE_PLAYER, FIELD = (332, 88), (220, 88), (328, 48)
RUN, ABOUT_ENTRY, MENU_TITLE = (184, 348), (72, 144), (72, 24)
# What a picker exactly over the field changes: all of its 65 x 241 pixels but the top row, its
# border, which the field's border had drawn already.
PICKER = (0, 1, 65, 240)
DARK_BLUE, YELLOW, GREEN = (0, 0, 192), (200, 176, 68), (0, 255, 0)  # swatches 8 and 15; a mode chosen


class Player:
    def __init__(self, desktop, launcher):
        self.desktop, self.record = desktop, os.path.join(desktop.tmp, "record")
        env, command = dict(desktop.env, KLEMWIN_RECORD=self.record), [os.path.abspath(launcher)]
        if launcher.endswith(".exe"):  # the Windows launcher, through Wine, which reads / as Z:\
            env.update({k: v for k, v in os.environ.items() if k.startswith("WINE")})
            env["KLEMWIN_RECORD"], command = "Z:" + self.record.replace("/", "\\"), ["wine", *command]
        desktop.start("launcher", *command, env=env)
        self.still()

    def click(self, spot, dx=0, dy=0):
        self.desktop.click(self.x + spot[0] + dx, self.y + spot[1] + dy)

    # The screen once the pointer is off the window and nothing moves any more; where the window is.
    def still(self):
        shot = self.desktop.still()
        self.x, self.y = wait(lambda: self.desktop.window(TITLE), "the launcher's window")[:2]
        return shot

    # The words the stand-in game received, from its record ("words=:HEX:HEX..."), once it has one.
    def game_words(self):
        line = wait(lambda: os.path.exists(self.record) and open(self.record).readline(), "the game's record")
        return " ".join(bytes.fromhex(w).decode() for w in re.search(r"words=:(\S*)", line)[1].split(":"))

    # Moves a window; returns where its inside is, once it has moved. The move is asked for again
    # until it is done: a program that has just shown a window may still put it back in its place.
    def moved(self, title, x, y):
        before = wait(lambda: self.desktop.window(title), title)

        def there():
            self.desktop.move(title, x, y)
            return (now := self.desktop.window(title)) and now[:2] != before[:2] and now
        return wait(there, f"{title} to move")

    # The pixels along the window's right and bottom edges, which a window cut short lacks.
    def edges(self):
        shot, width, height = self.still(), *SIZE
        return [shot.pixel(self.x + x, self.y + y) for x in range(width) for y in range(height)
                if x >= width - 12 or y >= height - 12]

    # Opens the picker; returns the rectangle of the pixels that changed (left, top, width, height),
    # from the field's top-left corner.
    def picker_over_field(self):
        before = self.still()

        def changed():
            after = self.still()
            return [(x, y) for y in range(self.y, self.y + 300) for x in range(self.x, self.x + SIZE[0])
                    if before.pixel(x, y) != after.pixel(x, y)]
        self.click(FIELD, 30, 8)
        xs, ys = zip(*wait(changed, "the colour picker"))
        return min(xs) - self.x - FIELD[0], min(ys) - self.y - FIELD[1], max(xs) + 1 - min(xs), max(ys) + 1 - min(ys)


def check(name, got, expected):
    print(f"  {name}: {got}")
    if got != expected:
        raise Failure(f"{name}: {got}, not {expected}")


def picker_and_about(desktop, player, wine):
    player.click(MULTIPLAYER)
    check("the picker against the field", player.picker_over_field(), PICKER)
    player.click(FIELD, 30, 8 + 16 * 7)  # the eighth swatch, dark blue
    wait(lambda: player.still().pixel(player.x + FIELD[0] + 30, player.y + FIELD[1] + 8) == DARK_BLUE,
         "the field in the colour picked")
    player.moved(TITLE, 40, 30)
    check("after the window moved", player.picker_over_field(), PICKER)
    # A click on Single Player closes the picker and chooses single player.
    player.click(SINGLE_PLAYER)
    wait(lambda: (shot := player.still()).pixel(player.x + SINGLE_PLAYER[0], player.y + SINGLE_PLAYER[1]) == GREEN
         and shot.pixel(player.x + FIELD[0] + 30, player.y + FIELD[1] + 8 + 16 * 14) != YELLOW,
         "the picker closed, and Single Player chosen")
    player.click(RUN)
    check("the game got", player.game_words(), "klemwin -skin COMET -color 8")

    player.click(ABOUT_ENTRY)
    about = player.moved(ABOUT, player.x + 150, player.y + 100)  # over the main window
    wait(lambda: desktop.window(ABOUT)[4:] == (True, True), "the about window in front, with the focus")
    inside = lambda shot: [shot.pixel(about[0] + x, about[1] + y) for x in range(0, about[2], 5) for y in range(0, about[3], 5)]
    looks = inside(player.still())
    player.click(MENU_TITLE)
    wait(lambda: desktop.window(TITLE)[4:] == (True, True) and inside(player.still()) != looks, "the main window in front")
    player.click(ABOUT_ENTRY)
    wait(lambda: desktop.window(ABOUT)[4] and inside(player.still()) == looks, "the about window in front again")
    focused = desktop.window(ABOUT)[5]
    if not wine:  # through Wine the about window comes forward, but openbox leaves the focus where it is
        focused = wait(lambda: desktop.window(ABOUT)[5], "the focus in the about window")
    print(f"  the about window in front after the second click, {'with' if focused else 'without'} the focus")


# On Wayland: the app id, the size, a resize refused, and at scale 2 the edges seen at scale 1.
def wayland_window(desktop, player, edges):
    check("app id", desktop.app_id, "org.orbitron.KLEMNet")
    check("size", desktop.window(TITLE)[2:4], SIZE)
    edges.append(player.edges())
    if desktop.scale == 2:
        desktop.command(f'[title="{re.escape(TITLE)}"] resize set 600 600')
        check("size after a resize", desktop.window(TITLE)[2:4], SIZE)
        same = sum(a == b for a, b in zip(*edges)) / len(edges[0])
        print(f"  {same:.1%} of the pixels along the right and bottom edges as at scale 1")
        if same < 0.95:
            raise Failure("at scale 2 the window's edges do not look as at scale 1")


def main():
    kind = sys.argv[1] if len(sys.argv) > 1 else "wayland"
    launcher = sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(__file__), "../../build/KLEMNet")
    failed, started, edges = 0, time.monotonic(), []
    for scale in (1, 2) if kind == "wayland" else (1,):
        print(f"{kind} at scale {scale}")
        desktop = Sway("desktop-test-") if kind == "wayland" else X11("desktop-test-")
        try:
            desktop.up(scale)
            player = Player(desktop, launcher)
            if kind == "wayland":
                wayland_window(desktop, player, edges)
            if scale == 1:
                picker_and_about(desktop, player, launcher.endswith(".exe"))
        except Failure as failure:
            print(f"  FAILED: {failure}")
            failed += 1
        finally:
            desktop.down(keep=failed > 0)
    print(f"{'FAILED' if failed else 'passed'} in {time.monotonic() - started:.1f} s")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
