#!/usr/bin/python3
"""Plays puzzle 1 of the shipped collection as a screen reader user would: the real game runs
under a virtual display with the accessibility bus, and the cells are found by their names and
pressed through their Press actions alone. Checks that the names follow every move and that the
completion notice can be read.

Usage: screen_reader_play.py BIN_DIR [--dump]   (--dump prints the main window's tree)
Exits 77 (skipped) only when no display server can start.
"""
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
# The longest any one awaited state may take on a loaded machine.
PATIENCE_SECONDS = 60
CELL_NAME = re.compile(r"^(\d+), row (\d+) column (\d+)(, locked)?(, giver)?$")


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


class Session:
    """The virtual display, the session bus and the game; each ended when the test ends."""

    def __init__(self, bin_dir, folder):
        self.processes = []
        self.display_pipe = None
        self.env = dict(os.environ)
        self.start_display()
        self.start_bus()
        self.start_game(bin_dir, folder)

    def spawn(self, args, **kwargs):
        process = subprocess.Popen(args, env=self.env, **kwargs)
        self.processes.append(process)
        return process

    def start_display(self):
        if shutil.which("Xvfb") is None:
            print("SKIP: Xvfb is not installed, so no display server can start")
            sys.exit(SKIPPED)
        read_end, write_end = os.pipe()
        # The server writes its number and then a line end; the pipe stays open until the
        # session ends, since a write to a closed one stops the server.
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                    "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                   stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.display_pipe = os.fdopen(read_end, "rb", buffering=0)
        number = b""
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([self.display_pipe], [], [], PATIENCE_SECONDS)
            chunk = self.display_pipe.read(16) if ready else b""
            if not chunk:
                break
            number += chunk
        number = number.decode().strip()
        if not number:
            print("SKIP: Xvfb could not start a display")
            self.end()
            sys.exit(SKIPPED)
        self.env["DISPLAY"] = ":" + number

    def start_bus(self):
        if shutil.which("dbus-daemon") is None:
            fail("dbus-daemon is missing: scripts/setup.sh installs it")
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        ready, _, _ = select.select([bus.stdout], [], [], PATIENCE_SECONDS)
        address = bus.stdout.readline().decode().strip() if ready else ""
        if not address:
            fail("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def start_game(self, bin_dir, folder):
        # The game keeps its configuration beside itself, so a copy of it in a folder of its
        # own starts on puzzle 1 of the shipped collection, whatever was played before.
        for name in ("kalder", "puzzles.kdr", "all.col", "kalder.htm"):
            shutil.copy2(os.path.join(bin_dir, name), folder)
        for name in ("home", "runtime"):
            os.makedirs(os.path.join(folder, name), mode=0o700)
        self.env.update(HOME=os.path.join(folder, "home"),
                        XDG_CONFIG_HOME=os.path.join(folder, "home", ".config"),
                        XDG_DATA_HOME=os.path.join(folder, "home", ".local", "share"),
                        XDG_RUNTIME_DIR=os.path.join(folder, "runtime"),
                        QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        os.environ.update(self.env)
        self.game = self.spawn([os.path.join(folder, "kalder")], cwd=folder)

    def end(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(PATIENCE_SECONDS)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        if self.display_pipe is not None:
            self.display_pipe.close()


def wait_for(what, probe):
    """Polls probe until it answers something true; fails after PATIENCE_SECONDS."""
    from gi.repository import GLib
    deadline = time.monotonic() + PATIENCE_SECONDS
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            answer = probe()
        except Exception:  # an object gone while it was read: try again
            answer = None
        if answer:
            return answer
        if time.monotonic() > deadline:
            fail("timed out waiting for " + what)
        time.sleep(0.05)


def fresh(accessible):
    accessible.clear_cache()
    return accessible


def descendants(accessible):
    for child in fresh(accessible):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def press(accessible):
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if "Press" not in names:
        fail("%r has no Press action, only %s" % (accessible.name, names))
    actions.doAction(names.index("Press"))


def dump(accessible, depth=0):
    print("%s%s %r" % ("  " * depth, accessible.getRoleName(), accessible.name))
    for child in fresh(accessible):
        if child is not None:
            dump(child, depth + 1)


class Puzzle:
    """Puzzle 1 of the collection and the names its cells should have as it is played."""

    def __init__(self, collection):
        with open(collection) as lines:
            _, size, cells, moves = lines.readline().strip().split(",")
        self.size = int(size)
        self.values = [0] + [int(c) for c in cells]
        self.locked = [False] * len(self.values)
        # Stored move k gives from cell p(k) to cell k, in cell order.
        self.moves = [(int(moves[i:i + 2]), i // 2 + 1) for i in range(0, len(moves), 2)]

    def name(self, cell, giver=False):
        row, column = (cell - 1) // self.size + 1, (cell - 1) % self.size + 1
        return "%d, row %d column %d%s%s" % (self.values[cell], row, column,
                                             ", locked" if self.locked[cell] else "",
                                             ", giver" if giver else "")

    def playing_order(self):
        """The stored moves in an order the rule allows: a giver shows 2 or more, a receiver
        has not received yet."""
        def search(values, locked, left):
            if not left:
                return []
            for giver, receiver in left:
                if values[giver] > 1 and not locked[receiver]:
                    after = list(values)
                    after[giver] -= 1
                    after[receiver] += 1
                    now_locked = list(locked)
                    now_locked[receiver] = True
                    rest = search(after, now_locked, [m for m in left if m != (giver, receiver)])
                    if rest is not None:
                        return [(giver, receiver)] + rest
            return None
        order = search(self.values, self.locked, self.moves)
        if order is None:
            fail("puzzle 1's stored solution cannot be played")
        return order

    def play(self, giver, receiver):
        self.values[giver] -= 1
        self.values[receiver] += 1
        self.locked[receiver] = True


def main():
    if len(sys.argv) < 2:
        fail(__doc__)
    bin_dir = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="kalder-a11y-") as folder:
        session = Session(bin_dir, folder)
        try:
            play(session, Puzzle(os.path.join(bin_dir, "puzzles.kdr")), "--dump" in sys.argv)
        finally:
            session.end()
    print("PASS: puzzle 1 solved through the accessibility bus")


def play(session, puzzle, dump_tree):
    import pyatspi

    def game():
        desktop = fresh(pyatspi.Registry.getDesktop(0))
        for app in desktop:
            if app is not None and app.get_process_id() == session.game.pid:
                return app
        if session.game.poll() is not None:
            fail("the game ended with status %d" % session.game.returncode)
        return None

    def window(role, text=""):
        app = game()
        for found in fresh(app) if app else []:
            if found is not None and found.getRole() == role and text in found.description \
                    and showing(found):
                return found
        return None

    def showing(accessible):
        return accessible.getState().contains(pyatspi.STATE_SHOWING)

    def main_window():
        return window(pyatspi.ROLE_FRAME)

    def read_and_close(what, text):
        """Waits for the message box saying `text`, reads it and presses its first button."""
        alert = wait_for(what, lambda: window(pyatspi.ROLE_ALERT, text))
        labels = [a.name for a in descendants(alert) if a.getRole() == pyatspi.ROLE_LABEL]
        if not any(text in label for label in labels):
            fail("the message box's text %r is not among its labels %s" % (text, labels))
        buttons = [a for a in descendants(alert)
                   if a.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(a)]
        press(buttons[0])
        wait_for(what + " closed", lambda: window(pyatspi.ROLE_ALERT, text) is None)

    def cells():
        found = {}
        for accessible in descendants(main_window()):
            match = CELL_NAME.match(accessible.name or "")
            if match and accessible.getRole() == pyatspi.ROLE_PUSH_BUTTON:
                row, column = int(match.group(2)), int(match.group(3))
                found[(row - 1) * puzzle.size + column] = accessible
        return found if len(found) == puzzle.size ** 2 else None

    def named(name, role):
        for accessible in descendants(main_window()):
            if accessible.name == name and accessible.getRole() == role:
                return accessible
        return None

    def names_read(expected):
        found = cells()
        return found and all(fresh(found[cell]).name == name for cell, name in expected.items())

    # A first start says that it makes a new configuration file.
    read_and_close("the first start's notice", "new file will be created")
    wait_for("the main window on the accessibility bus", main_window)
    if dump_tree:
        dump(main_window())
    board = wait_for("the board's cells, named", cells)
    for name in ("Previous puzzle, right-click for first puzzle", "Random puzzle",
                 "Next puzzle, right-click for last puzzle", "Reset Puzzle",
                 "Create New Puzzle, rightclick for options", "Undo last move"):
        wait_for("the push button " + name, lambda: named(name, pyatspi.ROLE_PUSH_BUTTON))
    number = wait_for("the puzzle number box", lambda: named("Puzzle number", pyatspi.ROLE_TEXT))
    if not number.queryText().getText(0, -1).startswith("P# 1 of "):
        fail("the puzzle number box reads %r" % number.queryText().getText(0, -1))
    wait_for("the grid size", lambda: named("Grid size %d" % puzzle.size, pyatspi.ROLE_LABEL))
    wait_for("the start position's names",
             lambda: names_read({k: puzzle.name(k) for k in range(1, puzzle.size ** 2 + 1)}))

    for giver, receiver in puzzle.playing_order():
        press(board[giver])
        wait_for("cell %d named as the giver" % giver,
                 lambda: names_read({giver: puzzle.name(giver, giver=True)}))
        press(board[receiver])
        puzzle.play(giver, receiver)
        wait_for("cells %d and %d named after the move" % (giver, receiver),
                 lambda: names_read({giver: puzzle.name(giver), receiver: puzzle.name(receiver)}))

    read_and_close("the completion notice", "Its all done!")
    wait_for("puzzle 2 after the notice",
             lambda: named("Puzzle number", pyatspi.ROLE_TEXT).queryText().getText(0, -1)
             .startswith("P# 2 of "))


if __name__ == "__main__":
    main()
