#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Works the launcher with the pointer on a real desktop, headless, and checks what the screen shows:
# on Wayland (sway) or on X11 (Xvfb with openbox). The colour picker lies exactly over the colour
# field, also after the window moved; a pick reaches the game; a second click on About brings the
# about window back to the front. On Wayland also: the window's app id, and the window whole and
# of fixed size at output scale 1 and 2.
#   python3 tests/desktop/desktop_test.py wayland|x11 [PATH/TO/KLEMNet]
import os, re, sys, time

from session import Failure, Sway, X11, wait

TITLE, ABOUT = "Orbitron Launcher v. 2.4.1", "Orbitron Launcher - About"
SIZE = (414, 390)
# Where a player clicks, from the top-left of the window's inside; the picker's swatches are 16
# pixels apart, the first over the field.
MULTIPLAYER, FIELD, RUN, ABOUT_ENTRY, MENU_TITLE = (332, 88), (328, 48), (184, 348), (72, 144), (72, 24)
# What a picker exactly over the field changes: all of its 65 x 241 pixels but the top row, its
# border, which the field's border had drawn already.
PICKER, DARK_BLUE = (0, 1, 65, 240), (0, 0, 192)


def changed_area(before, after, left, top, right, bottom):
    """The smallest rectangle (left, top, right, bottom) holding every pixel that differs."""
    xs, ys = zip(*[(x, y) for y in range(top, bottom) for x in range(left, right)
                   if before.pixel(x, y) != after.pixel(x, y)] or [(None, None)])
    return None if xs[0] is None else (min(xs), min(ys), max(xs) + 1, max(ys) + 1)


class Player:
    def __init__(self, desktop, launcher):
        self.desktop, self.record = desktop, os.path.join(desktop.tmp, "record")
        desktop.start("launcher", os.path.abspath(launcher), env=dict(desktop.env, KLEMWIN_RECORD=self.record))
        self.x, self.y, *_ = wait(lambda: desktop.window(TITLE), "the launcher's window")

    def click(self, spot, dx=0, dy=0):
        self.desktop.click(self.x + spot[0] + dx, self.y + spot[1] + dy)

    def still(self):
        """The screen once the pointer is off the window and nothing moves any more."""
        self.desktop.point_away()
        shots = [self.desktop.screenshot()]

        def unchanged():
            shots.append(self.desktop.screenshot())
            return shots[-2].data == shots[-1].data
        wait(unchanged, "the window to stand still")
        return shots[-1]

    def moved(self, title, x, y):
        """Moves a window and returns where its inside is now, once it is there."""
        before = self.desktop.window(title)
        self.desktop.move(title, x, y)
        return wait(lambda: (now := self.desktop.window(title)) and now[:2] != before[:2] and now, f"{title} to move")

    def edges(self):
        """The pixels along the window's right and bottom edges, which a window cut short lacks."""
        shot, width, height = self.still(), *SIZE
        return [shot.pixel(self.x + x, self.y + y) for x in range(width) for y in range(height)
                if x >= width - 12 or y >= height - 12]

    def picker_over_field(self):
        """Opens the picker; returns where its top-left and size lie against the field's corner."""
        before = self.still()
        self.click(FIELD, 30, 8)
        area = wait(lambda: changed_area(before, self.still(), self.x, self.y, self.x + SIZE[0], self.y + 300),
                    "the colour picker")
        return area[0] - self.x - FIELD[0], area[1] - self.y - FIELD[1], area[2] - area[0], area[3] - area[1]

    def game_words(self):
        line = wait(lambda: os.path.exists(self.record) and open(self.record).readline(), "the game's record")
        return " ".join(bytes.fromhex(w).decode() for w in re.search(r"words=:(\S*)", line)[1].split(":"))


def check(name, got, expected):
    print(f"  {name}: {got}")
    if got != expected:
        raise Failure(f"{name}: {got}, not {expected}")


def picker_and_about(desktop, launcher):
    player = Player(desktop, launcher)
    player.still()
    player.click(MULTIPLAYER)
    check("the picker against the field (dx, dy, width, height)", player.picker_over_field(), PICKER)
    player.click(FIELD, 30, 8 + 16 * 7)  # the eighth swatch, dark blue
    wait(lambda: player.still().pixel(player.x + FIELD[0] + 30, player.y + FIELD[1] + 8) == DARK_BLUE,
         "the field in the colour picked")
    player.x, player.y, *_ = player.moved(TITLE, 40, 30)
    check("after the window moved", player.picker_over_field(), PICKER)
    player.click(MENU_TITLE)  # closes the picker
    player.click(RUN)
    check("the game's colour", re.search(r"-color \d+", player.game_words())[0], "-color 8")

    player.click(ABOUT_ENTRY)
    wait(lambda: desktop.window(ABOUT), "the about window")
    about = player.moved(ABOUT, player.x + 150, player.y + 100)  # over the main window
    wait(lambda: desktop.window(ABOUT)[4], "the about window in front")
    looks = player.still()
    inside = lambda shot: [shot.pixel(about[0] + x, about[1] + y) for x in range(0, about[2], 5) for y in range(0, about[3], 5)]
    player.click(MENU_TITLE)
    wait(lambda: desktop.window(TITLE)[4] and inside(player.still()) != inside(looks), "the main window in front")
    player.click(ABOUT_ENTRY)
    wait(lambda: desktop.window(ABOUT)[4] and inside(player.still()) == inside(looks),
         "the about window in front after the second click")
    print("  the about window in front after the second click")


def wayland_window(desktop, launcher, looks={}):
    """The window at output scale 1 and 2: its app id and size, a resize refused, and at scale 2
    the look it has at scale 1."""
    player = Player(desktop, launcher)
    check("app id", desktop.app_id, "org.orbitron.KLEMNet")
    check("size", desktop.window(TITLE)[2:4], SIZE)
    looks[desktop.scale] = player.edges()
    desktop.command(f'[title="{re.escape(TITLE)}"] resize set 600 600')
    check("size after a resize", desktop.window(TITLE)[2:4], SIZE)
    if desktop.scale == 2:
        same = sum(a == b for a, b in zip(looks[1], looks[2])) / len(looks[1])
        print(f"  {same:.1%} of the pixels along the right and bottom edges as at scale 1")
        if same < 0.95:
            raise Failure("at scale 2 the window's edges do not look as at scale 1")


def main():
    kind = sys.argv[1] if len(sys.argv) > 1 else "wayland"
    launcher = sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(__file__), "../../build/KLEMNet")
    cases = [("picker and about", X11 if kind == "x11" else Sway, {}, picker_and_about)]
    if kind == "wayland":
        cases += [(f"window at scale {s}", Sway, {"scale": s}, wayland_window) for s in (1, 2)]
    failed, started = 0, time.monotonic()
    for name, desktop_kind, setup, case in cases:
        print(f"{kind}: {name}")
        desktop = desktop_kind(f"desktop-test-{kind}-")
        try:
            desktop.up(**setup)
            case(desktop, launcher)
        except Failure as failure:
            print(f"  FAILED: {failure}")
            failed += 1
        finally:
            desktop.down(keep=failed > 0)
    print(f"{len(cases) - failed} passed, {failed} failed in {time.monotonic() - started:.1f} s")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
