#!/usr/bin/python3
"""Benchmarks of the game in a browser (never a test: nothing here fails on timing).

- bytes: every file a first visit loads, gzipped at level 9 as a server would send them: what
  the page asks for before it plays, and the whole site its worker keeps for offline play
  (goal: at most 250 KB);
- interactive: from navigation to the board on the page, ready for the player, on a first
  visit (fresh profile) and a second one (the worker's copy), served from 127.0.0.1
  (goal: 300 ms);
- move: from the key that makes a move to the board showing it, against one frame (16.7 ms);
- the floor: the same first visit to a page that does nothing but what the game must before it
  may write the player's files (hold the tab lock, read a database back): a browser's first
  start of its storage, which the game's board no longer waits for on a first visit.

Usage: bench/web_page_bench.py [SITE_FOLDER] [RUNS]   (defaults build-web/site, 5)"""

import gzip
import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from page_session import Page, Site  # noqa: E402

SITE = sys.argv[1] if len(sys.argv) > 1 else "build-web/site"
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 5
GOAL_BYTES = 250 * 1024
GOAL_INTERACTIVE_MS = 300
FRAME_MS = 1000 / 60

# Records when the first cell of the board is on the page, in ms since navigation began.
WATCH_BOARD = """
new MutationObserver((changes, observer) => {
    if (!document.querySelector("[aria-label$='row 1 column 1']")) return;
    window.kalderInteractive = performance.now();
    observer.disconnect();
}).observe(document, { childList: true, subtree: true });
"""

# Records, per move, the ms from the key to the cell's name saying it is locked.
WATCH_MOVES = """
window.kalderMoves = [];
let pressed = 0;
document.addEventListener("keydown", (event) => {
    if (event.key === " ") pressed = performance.now();
}, true);
new MutationObserver((changes) => {
    const locked = changes.some((c) => c.target.getAttribute("aria-label").endsWith(", locked"));
    if (pressed && locked) {
        window.kalderMoves.push(performance.now() - pressed);
        pressed = 0;
    }
}).observe(document.getElementById("game"), { attributes: true, attributeFilter: ["aria-label"],
                                              subtree: true });
"""


# A cell named as the game's first cell once the lock is held and an empty database read.
FLOOR_PAGE = """<!DOCTYPE html><html><head><meta charset="utf-8"><title>floor</title><script>
navigator.locks.request("floor", { ifAvailable: true }, () => new Promise(() => {
    const open = indexedDB.open("floor");
    open.onupgradeneeded = () => open.result.createObjectStore("files");
    open.onsuccess = () => {
        const transaction = open.result.transaction("files");
        transaction.objectStore("files").getAll();
        transaction.oncomplete = () => {
            const cell = document.createElement("button");
            cell.setAttribute("aria-label", "1, row 1 column 1");
            document.body.append(cell);
        };
    };
}));
</script></head><body></body></html>"""


def gzipped(path):
    with open(path, "rb") as file:
        return len(gzip.compress(file.read(), compresslevel=9))


def site_bytes():
    total = 0
    for folder, _, names in os.walk(SITE):
        total += sum(gzipped(os.path.join(folder, name)) for name in names)
    return total


def page_bytes(page):
    """The files the page itself asked for on its first visit, gzipped."""
    names = page.script("return performance.getEntriesByType('resource')"
                        ".map((entry) => new URL(entry.name).pathname)")
    names = set(names) | {"/index.html"}
    return sum(gzipped(os.path.join(SITE, name.lstrip("/"))) for name in names
               if os.path.isfile(os.path.join(SITE, name.lstrip("/"))))


def interactive(page):
    page.wait(lambda: page.script("return window.kalderInteractive"), "the board never came")
    return page.script("return window.kalderInteractive")


def first_visit(page, url):
    page.cdp("Page.addScriptToEvaluateOnNewDocument", source=WATCH_BOARD)
    page.open(url)
    return interactive(page)


def floor_visits():
    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "index.html"), "w") as file:
            file.write(FLOOR_PAGE)
        site = Site(folder)
        times = []
        try:
            for _ in range(RUNS):
                page = Page()
                try:
                    times.append(first_visit(page, site.url))
                finally:
                    page.close()
        finally:
            site.stop()
        return times


def main():
    floor = floor_visits()
    site = Site(SITE)
    first, second, moves = [], [], []
    requested = 0
    try:
        for run in range(RUNS):
            page = Page()
            try:
                first.append(first_visit(page, site.url))
                if run == 0:
                    requested = page_bytes(page)
                page.wait(lambda: page.async_script(
                    "navigator.serviceWorker.ready.then(() => arguments[0](true))"),
                    "no worker")
                page.driver.refresh()
                second.append(interactive(page))
                page.script(WATCH_MOVES)
                page.focus(page.find("button", contains="row 1 column 1"))
                for _ in range(8):
                    page.key("h", "KeyH", "h")
                    page.wait_for("button", contains=", giver")
                    count = len(page.script("return window.kalderMoves"))
                    page.key(" ", "Space", " ")
                    page.wait(lambda: len(page.script("return window.kalderMoves")) > count,
                              "no move shown")
                moves += page.script("return window.kalderMoves")
            finally:
                page.close()
    finally:
        site.stop()
    whole = site_bytes()
    print(f"first visit, the page's own requests: {requested / 1024:.1f} KB gzipped")
    print(f"first visit, the whole site its worker keeps: {whole / 1024:.1f} KB gzipped "
          f"(goal {GOAL_BYTES // 1024} KB: {'met' if whole <= GOAL_BYTES else 'missed'})")
    for label, times in (("first visit", first), ("second visit", second),
                         ("first visit to the floor page", floor)):
        print(f"board interactive, {label}: median {statistics.median(times):.0f} ms, "
              f"worst {max(times):.0f} ms over {len(times)} (goal {GOAL_INTERACTIVE_MS} ms)")
    print(f"move shown after its key: median {statistics.median(moves):.1f} ms, "
          f"worst {max(moves):.1f} ms over {len(moves)} moves (a frame is {FRAME_MS:.1f} ms)")


if __name__ == "__main__":
    main()
