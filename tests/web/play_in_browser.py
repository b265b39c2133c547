#!/usr/bin/python3
"""The game in a headless Chromium, played as a screen reader plays it: every control found by
its role and accessible name. Plays puzzle 1 to its end, finds a move kept over a reload, opens
every window, brings a collection in and takes one out, hands the game to a second tab, and
plays on with the server gone, installable; says so when the browser keeps no files; and starts
from a server that does not name its code as WebAssembly.

Usage: play_in_browser.py SITE_FOLDER. Exits 77 (skipped) when the site has not been built."""

import os
import sys
import unittest

SITE = sys.argv[1] if len(sys.argv) > 1 else ""
if not os.path.isfile(os.path.join(SITE, "kalder.js")):
    print(f"no web build in {SITE!r}: skipped")
    sys.exit(77)

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from page_session import Page, QuietHandler, Site  # noqa: E402

# Two 4 x 4 puzzles of the shipped collection, brought in as a collection of the player's own.
IMPORTED = ("00001,4,1221222232234444,02060203010503041309070814151612\r\n"
            "00002,4,1211321323333444,05010203060208040511150814101612\r\n")

KEPT_PLACE = """
const done = arguments[arguments.length - 1];
try {
    const open = indexedDB.open("/home/kalder");
    open.onsuccess = () => {
        const get = open.result.transaction("FILE_DATA").objectStore("FILE_DATA")
            .get("/home/kalder/kalder.kpl");
        get.onsuccess = () => done(Boolean(get.result));
        get.onerror = () => done(false);
    };
    open.onerror = () => done(false);
} catch (error) {
    done(false);
}
"""

OFFLINE_READY = """
const done = arguments[arguments.length - 1];
navigator.serviceWorker.ready.then(() => done(Boolean(navigator.serviceWorker.controller)));
"""

# The browser's storage full: every file written to it is refused.
REFUSING_STORAGE = """
IDBObjectStore.prototype.put = function () {
    throw new DOMException("The quota has been exceeded.", "QuotaExceededError");
};
"""

# The browser's storage unreadable: the kept files cannot be read back.
REFUSING_READS = """
IDBObjectStore.prototype.getAll = function () {
    throw new DOMException("The storage could not be read.", "UnknownError");
};
"""


def told(page, text):
    """Whether the game's message box says text."""
    return text in (page.find("alertdialog") or {}).get("description", {}).get("value", "")


class PlayInBrowser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = Site(SITE)
        cls.page = Page()

    @classmethod
    def tearDownClass(cls):
        cls.page.close()
        cls.site.stop()

    def locked_cells(self):
        return sum(1 for name in self.page.names("button") if name.endswith(", locked"))

    def play_hint(self):
        """One move of a solution: H selects its giver and takes the cursor to its receiver,
        Space gives there."""
        page = self.page
        before = self.locked_cells()
        page.key("h", "KeyH", "h")
        page.wait(lambda: page.find("button", contains=", giver") and self.cursor_on_receiver(),
                  "the hint chose no move")
        page.key(" ", "Space", " ")
        page.wait(lambda: self.locked_cells() > before or self.done_message(), "no move made")

    def cursor_on_receiver(self):
        focused = [name for role, name, node in self.page.nodes()
                   if role == "button" and any(p["name"] == "focused" and p["value"]["value"]
                                               for p in node.get("properties", []))]
        return focused and ", giver" not in focused[0]

    def done_message(self):
        box = self.page.find("alertdialog")
        return box and "Its all done!" in box.get("description", {}).get("value", "")

    def test_the_whole_game(self):
        page = self.page
        page.open(self.site.url)
        page.wait_for("button", "1, row 1 column 1")

        with self.subTest("every control is named"):
            self.assertEqual(page.names("menuitem"), ["Kalder", "Puzzle"])
            self.assertNotIn("", page.names("button"))
            self.assertEqual(len([n for n in page.names("button") if ", row " in n]), 9)

        with self.subTest("puzzle 1 played to its end"):
            page.focus(page.find("button", "1, row 1 column 1"))
            for _ in range(9):
                self.play_hint()
                if self.done_message():
                    break
            page.wait(self.done_message, "no \"Its all done!\"")
            page.press("button", "Ok")
            page.wait_gone("alertdialog", "Kalder")

        with self.subTest("a move is kept over a reload"):
            page.focus(page.find("button", contains="row 1 column 1"))
            self.play_hint()
            page.wait(lambda: page.async_script(KEPT_PLACE), "the move was not stored")
            page.driver.refresh()
            page.wait(lambda: self.locked_cells() == 1, "the kept move is not back")

        with self.subTest("a start as if for the first time still finds the kept files"):
            page.script("localStorage.clear()")
            page.driver.refresh()
            page.wait(lambda: self.locked_cells() == 1, "the kept move is not back")
            page.driver.refresh()
            page.wait(lambda: self.locked_cells() == 1, "the kept move was written over")

        with self.subTest("files that cannot be read back are not written over"):
            refusing = page.cdp("Page.addScriptToEvaluateOnNewDocument", source=REFUSING_READS)
            page.driver.refresh()
            page.wait(lambda: told(page, "(The storage could not be read.)"), "not told")
            page.cdp("Page.removeScriptToEvaluateOnNewDocument", identifier=refusing["identifier"])
            page.driver.refresh()
            page.wait(lambda: self.locked_cells() == 1, "the kept move was written over")

        with self.subTest("the scores count the puzzle solved"):
            page.menu("Kalder", "Scores")
            page.wait_for("note", "Solved in total: 1")
            page.press("button", "Close")
            page.wait_gone("note", "Solved in total: 1")

        with self.subTest("Options previews and applies a scheme"):
            page.menu("Kalder", "Options")
            page.wait_for("dialog", "Kalder Options")
            page.press("option", "dark")
            page.wait_for("group", "Color Scheme: dark")
            page.press("button", "Apply changes")
            page.press("button", "Exit without applying changes")
            page.wait_gone("dialog", "Kalder Options")

        with self.subTest("About opens and closes"):
            page.menu("Kalder", "About")
            page.wait_for("dialog", "About Kalder")
            page.press("button", "OK")
            page.wait_gone("dialog", "About Kalder")

        with self.subTest("Help shows the help page and goes back from a place in it"):
            page.menu("Kalder", "Help")
            page.wait_for("dialog", "Kalder Help")
            page.wait_for("Iframe", "Help text")
            page.wait(lambda: page.script(
                "return document.querySelector('iframe').contentDocument.title") == "Kalder Help",
                "the help page is not shown")
            page.script("document.querySelector('iframe').contentDocument"
                        ".querySelector('a[href=\"#rules\"]').click()")
            page.press("button", "Back")
            page.press("button", "Exit")
            page.wait_gone("dialog", "Kalder Help")

        with self.subTest("a collection comes in by Import and goes out by Download"):
            source = os.path.join(page.downloads, "..", "mine.kdr")
            with open(source, "w", newline="") as file:
                file.write(IMPORTED)
            page.menu("Puzzle", "Load")
            page.wait_for("dialog", "Kalder")
            page.cdp("Page.setInterceptFileChooserDialog", enabled=True)
            page.press("button", "Import...")
            document = page.cdp("DOM.getDocument")["root"]["nodeId"]
            picker = page.cdp("DOM.querySelector", nodeId=document,
                              selector="input[type=file]")["nodeId"]
            page.cdp("DOM.setFileInputFiles", nodeId=picker, files=[os.path.abspath(source)])
            page.press("option", "mine.kdr")
            page.press("button", "Download")
            saved = os.path.join(page.downloads, "mine.kdr")
            page.wait(lambda: os.path.isfile(saved) and open(saved, newline="").read() == IMPORTED,
                      "the collection was not downloaded")
            page.press("button", "Open")
            page.wait_for("button", contains="row 4 column 4")

        with self.subTest("a second tab asks, and takes the game over"):
            first = page.driver.current_window_handle
            page.driver.switch_to.new_window("tab")
            page.open(self.site.url)
            page.press("button", "Play here")
            page.wait_for("button", contains="row 4 column 4")
            page.driver.switch_to.window(first)
            page.wait_for("alertdialog", contains="now playing in another tab")
            page.driver.switch_to.window(page.driver.window_handles[-1])
            page.driver.close()
            page.driver.switch_to.window(first)

        with self.subTest("installable, and a second visit plays with the server gone"):
            page.wait(lambda: page.async_script(OFFLINE_READY), "the site was not kept")
            self.assertEqual(page.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])
            self.site.stop()
            page.driver.refresh()
            page.wait_for("button", contains="row 4 column 4")
            page.focus(page.find("button", contains="row 1 column 1"))
            before = self.locked_cells()
            self.play_hint()
            self.assertGreater(self.locked_cells(), before)

    def test_storage_that_refuses_is_told(self):
        page = Page()
        try:
            page.cdp("Page.addScriptToEvaluateOnNewDocument", source=REFUSING_STORAGE)
            page.open(self.site.url)
            page.wait(lambda: told(page, "did not keep Kalder's files (The quota has been exceeded.)"),
                      "the refusal was not told")
        finally:
            page.close()

    def test_code_a_server_does_not_name_as_webassembly(self):
        class Misnaming(QuietHandler):
            extensions_map = {**QuietHandler.extensions_map, ".wasm": "application/octet-stream"}

        site, page = Site(SITE, Misnaming), Page()
        try:
            page.open(site.url)
            page.wait_for("button", "1, row 1 column 1")
        finally:
            page.close()
            site.stop()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
