"""The built page served on 127.0.0.1 and opened in a headless Chromium, read as a screen reader
reads it: through the accessibility tree, by role and name."""

import functools
import http.server
import os
import shutil
import socket
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync"]
WAIT = int(os.environ.get("KALDER_WAIT", "20"))


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript"}

    def log_message(self, *args):
        pass


class Site:
    """The site's folder served on a free port of 127.0.0.1 until stopped."""

    def __init__(self, folder, handler_class=None):
        handler = functools.partial(handler_class or QuietHandler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class Page:
    """One Chromium with a fresh profile; downloads land in self.downloads."""

    def __init__(self, width=1280, height=900, mobile=False):
        self.profile = tempfile.mkdtemp(prefix="kalder-chromium-")
        self.downloads = os.path.join(self.profile, "downloads")
        os.makedirs(self.downloads)
        options = webdriver.ChromeOptions()
        options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        options.add_argument(f"--user-data-dir={self.profile}")
        options.add_argument(f"--window-size={width},{height}")
        service = Service(shutil.which("chromedriver") or "/usr/bin/chromedriver")
        self.driver = webdriver.Chrome(options=options, service=service)
        self.cdp("Page.enable")
        self.cdp("Accessibility.enable")
        self.cdp("Browser.setDownloadBehavior", behavior="allow", downloadPath=self.downloads)
        # The viewport exactly as asked, a phone's at twice the pixels with touch.
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=2 if mobile else 1, mobile=mobile)
        if mobile:
            self.cdp("Emulation.setTouchEmulationEnabled", enabled=True)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def wait(self, condition, message, timeout=WAIT):
        return WebDriverWait(self.driver, timeout).until(lambda _: condition(), message)

    def open(self, url):
        self.driver.get(url)

    # ---- The accessibility tree

    def nodes(self):
        """Every node of the page's tree that is not ignored, as (role, name, node)."""
        tree = self.cdp("Accessibility.getFullAXTree")["nodes"]
        found = []
        for node in tree:
            if node.get("ignored"):
                continue
            role = node.get("role", {}).get("value", "")
            name = node.get("name", {}).get("value", "")
            found.append((role, name, node))
        return found

    def find(self, role, name=None, contains=None):
        for node_role, node_name, node in self.nodes():
            if node_role != role:
                continue
            if name is not None and node_name != name:
                continue
            if contains is not None and contains not in node_name:
                continue
            return node
        return None

    def names(self, role):
        return [name for node_role, name, _ in self.nodes() if node_role == role]

    def wait_for(self, role, name=None, contains=None, timeout=WAIT):
        return self.wait(lambda: self.find(role, name, contains),
                         f"no {role} named {name or contains!r}", timeout)

    def wait_gone(self, role, name):
        self.wait(lambda: not self.find(role, name), f"{role} {name!r} still there")

    def centre(self, node):
        box = self.cdp("DOM.getBoxModel", backendNodeId=node["backendDOMNodeId"])["model"]
        quad = box["content"] if box["width"] else box["border"]
        return (sum(quad[0::2]) / 4, sum(quad[1::2]) / 4)

    def click_node(self, node, button="left"):
        self.cdp("DOM.scrollIntoViewIfNeeded", backendNodeId=node["backendDOMNodeId"])
        x, y = self.centre(node)
        buttons = {"left": 1, "right": 2}[button]
        for kind in ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                     buttons=buttons if kind == "mousePressed" else 0, clickCount=1)

    def press(self, role, name=None, contains=None, button="left"):
        self.click_node(self.wait_for(role, name, contains), button)

    def focus(self, node):
        self.cdp("DOM.focus", backendNodeId=node["backendDOMNodeId"])

    def key(self, key, code=None, text=None, modifiers=0):
        """A key pressed and released where the focus is."""
        down = {"type": "keyDown", "key": key, "code": code or key, "modifiers": modifiers}
        if text:
            down.update(type="keyDown", text=text)
        self.cdp("Input.dispatchKeyEvent", **down)
        self.cdp("Input.dispatchKeyEvent", type="keyUp", key=key, code=code or key,
                 modifiers=modifiers)

    def menu(self, menu, entry):
        self.press("menuitem", menu)
        self.press("menuitem", entry)

    def script(self, source, *args):
        return self.driver.execute_script(source, *args)

    def async_script(self, source, *args):
        return self.driver.execute_async_script(source, *args)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def elapsed_since(start):
    return time.perf_counter() - start
