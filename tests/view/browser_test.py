#!/usr/bin/env python3
"""Opens the index.html of an imported example design in headless Chromium.

Checks that the page loads without a console error, an uncaught exception or a failed load,
that every drawing it shows loads, that every link inside the page leads to an element of it,
and that a screenshot of a sheet's drawing is not blank.

Usage: browser_test.py VIEW_DEMO_IMPORT EXAMPLES_DIR
Exit codes: 0 passed, 1 failed, 77 skipped (no chromium).
The browser is driven through its DevTools protocol over a pipe (fds 3 and 4).
"""
import base64
import json
import os
import select
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

SKIP = 77
TIMEOUT = 60.0  # seconds for the whole browser session


class Browser:
    def __init__(self, executable, profile):
        commands_read, self.commands = os.pipe()
        self.replies, replies_write = os.pipe()

        def child_fds():
            # Copies first: a pipe end may already sit on fd 3 or 4, and dup2 onto itself would
            # leave it close-on-exec.
            read_copy, write_copy = os.dup(commands_read), os.dup(replies_write)
            os.dup2(read_copy, 3)
            os.dup2(write_copy, 4)

        self.process = subprocess.Popen(
            [executable, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--user-data-dir=" + profile, "--remote-debugging-pipe",
             "--window-size=1280,1000", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=child_fds, close_fds=False)
        os.close(commands_read)
        os.close(replies_write)
        self.buffer = b""
        self.next_id = 0
        self.events = []
        self.deadline = time.monotonic() + TIMEOUT

    def close(self):
        self.process.kill()
        self.process.wait()
        os.close(self.commands)
        os.close(self.replies)

    def _receive(self, wait):
        while b"\0" not in self.buffer:
            remaining = min(wait, self.deadline - time.monotonic())
            if remaining <= 0:
                return None
            ready, _, _ = select.select([self.replies], [], [], remaining)
            if not ready:
                return None
            chunk = os.read(self.replies, 65536)
            if not chunk:
                raise RuntimeError("the browser closed its pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        while True:
            reply = self._receive(TIMEOUT)
            if reply is None:
                raise RuntimeError("no answer to " + method)
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError(method + ": " + json.dumps(reply["error"]))
                return reply["result"]
            self.events.append(reply)

    def pump(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            event = self._receive(end - time.monotonic())
            if event is not None:
                self.events.append(event)

    def wait_for(self, method, seconds=TIMEOUT):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if any(e.get("method") == method for e in self.events):
                return True
            event = self._receive(end - time.monotonic())
            if event is not None:
                self.events.append(event)
        return False


def png_ink(png):
    """The share of pixels of an 8-bit RGB or RGBA PNG that are not near white."""
    assert png[:8] == b"\x89PNG\r\n\x1a\n"
    position, data = 8, b""
    while position < len(png):
        length, kind = struct.unpack(">I4s", png[position:position + 8])
        body = png[position + 8:position + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
        elif kind == b"IDAT":
            data += body
        position += 12 + length
    assert depth == 8 and colour in (2, 6), "unexpected PNG format"
    channels = 4 if colour == 6 else 3
    raw = zlib.decompress(data)
    stride = width * channels
    previous = bytearray(stride)
    ink = 0
    for row in range(height):
        start = row * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[i] = (line[i] + predictor) & 0xFF
        for x in range(width):
            pixel = line[x * channels:x * channels + 3]
            if min(pixel) < 200:
                ink += 1
        previous = line
    return ink / float(width * height)


def errors_of(events):
    errors = []
    for event in events:
        method, params = event.get("method"), event.get("params", {})
        if method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
            errors.append("console: " + json.dumps(params.get("args")))
        elif method == "Runtime.exceptionThrown":
            errors.append("exception: " + json.dumps(params.get("exceptionDetails")))
        elif method == "Log.entryAdded" and params.get("entry", {}).get("level") == "error":
            errors.append("log: " + params["entry"].get("text", ""))
        elif method == "Network.loadingFailed":
            errors.append("load failed: " + params.get("errorText", ""))
    return errors


def evaluate(browser, session, expression):
    result = browser.call("Runtime.evaluate",
                          {"expression": expression, "returnByValue": True}, session)
    return result["result"].get("value")


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 1
    importer, examples = sys.argv[1], sys.argv[2]
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    if not chromium:
        print("chromium is not installed: skipped")
        return SKIP

    failures = []
    passed = []

    def check(condition, what):
        (passed if condition else failures).append(what)
        print(("ok     " if condition else "FAILED ") + what)

    with tempfile.TemporaryDirectory(prefix="view-browser-") as folder:
        workspace = os.path.join(folder, "design")
        subprocess.run([importer, os.path.join(examples, "demo.sch"), workspace], check=True,
                       env=dict(os.environ, ZORVAN_DIALOGS="batch"),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        page = os.path.join(workspace, "index.html")
        browser = Browser(chromium, os.path.join(folder, "profile"))
        try:
            target = browser.call("Target.createTarget", {"url": "about:blank"})["targetId"]
            session = browser.call("Target.attachToTarget",
                                   {"targetId": target, "flatten": True})["sessionId"]
            for domain in ("Runtime", "Log", "Page", "Network"):
                browser.call(domain + ".enable", {}, session)
            browser.call("Page.navigate", {"url": "file://" + page}, session)
            check(browser.wait_for("Page.loadEventFired"), "the page loads")
            browser.pump(0.5)
            errors = errors_of(browser.events)
            check(not errors, "no console error or failed load" +
                  ("" if not errors else ": " + "; ".join(errors)))

            images = evaluate(browser, session, """JSON.stringify(Array.from(document.images)
                .map(i => ({src: i.getAttribute('src'), ok: i.complete && i.naturalWidth > 0})))""")
            images = json.loads(images)
            check(len(images) > 4, "the page shows %d drawings" % len(images))
            broken = [image["src"] for image in images if not image["ok"]]
            check(not broken, "every drawing loads" + ("" if not broken else ": " + str(broken)))

            dangling = evaluate(browser, session, """JSON.stringify(Array.from(
                document.querySelectorAll('a[href^="#"]')).map(a => a.getAttribute('href'))
                .filter(h => !document.getElementById(h.slice(1))))""")
            check(json.loads(dangling) == [], "every link inside the page has its target: " +
                  dangling)
            sheet_links = evaluate(browser, session,
                                   "document.querySelectorAll('a.sheet-link').length")
            check(sheet_links == 2, "the project sheet leads to its two sheets")

            clip = json.loads(evaluate(browser, session, """(() => {
                const image = document.querySelector('img[src="Input.svg"]');
                image.scrollIntoView();
                const r = image.getBoundingClientRect();
                return JSON.stringify({x: r.left + window.scrollX, y: r.top + window.scrollY,
                                       width: r.width, height: r.height, scale: 1});
            })()"""))
            shot = browser.call("Page.captureScreenshot",
                                {"format": "png", "clip": clip, "captureBeyondViewport": True},
                                session)
            png = base64.b64decode(shot["data"])
            ink = png_ink(png)
            check(ink > 0.002, "the screenshot of sheet Input is not blank (%.2f%% ink)" %
                  (100 * ink))
        finally:
            browser.close()

    print("%d passed, %d failed" % (len(passed), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
