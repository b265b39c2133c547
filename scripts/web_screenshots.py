#!/usr/bin/python3
"""Draws the README's pictures of the game in a browser: a phone (360 x 740) in the xp and dark
schemes and a desktop (1920 x 1080) in dark, a few moves into puzzle 1 with a giver chosen.

Usage: scripts/web_screenshots.py [SITE_FOLDER [OUT_FOLDER]] (defaults build-web/site, docs)."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from page_session import Page, Site  # noqa: E402

SITE = sys.argv[1] if len(sys.argv) > 1 else "build-web/site"
OUT = sys.argv[2] if len(sys.argv) > 2 else "docs"
SHOTS = [("phone", 360, 740, True, "xp"), ("phone", 360, 740, True, "dark"),
         ("desktop", 1920, 1080, False, "dark")]


def choose_scheme(page, scheme):
    page.menu("Kalder", "Options")
    page.wait_for("dialog", "Kalder Options")
    page.press("option", scheme)
    page.wait_for("group", f"Color Scheme: {scheme}")
    page.press("button", "Apply changes")
    page.press("button", "Exit without applying changes")
    page.wait_gone("dialog", "Kalder Options")


def play_into(page, moves):
    """A few moves of a solution, then a giver chosen for the next."""
    page.focus(page.find("button", contains="row 1 column 1"))
    for n in range(moves + 1):
        page.key("h", "KeyH", "h")
        page.wait_for("button", contains=", giver")
        if n == moves:
            break
        locked = sum(name.endswith(", locked") for name in page.names("button"))
        page.key(" ", "Space", " ")
        page.wait(lambda: sum(name.endswith(", locked") for name in page.names("button")) > locked,
                  "no move made")


def main():
    site = Site(SITE)
    try:
        for label, width, height, mobile, scheme in SHOTS:
            page = Page(width, height, mobile)
            try:
                page.open(site.url)
                page.wait_for("button", "1, row 1 column 1")
                if scheme != "xp":
                    choose_scheme(page, scheme)
                play_into(page, 3)
                path = os.path.join(OUT, f"screenshot-web-{label}-{scheme}.png")
                page.driver.save_screenshot(path)
                print(path)
            finally:
                page.close()
    finally:
        site.stop()


if __name__ == "__main__":
    main()
