"""drev lsp through pipes, message by message: framing (a message cut into pieces, two in one
write, a bad header), the protocol's errors (not JSON, not a request, an unknown method, a request
before initialize) after which the server goes on, positions on lines with non-ASCII captions in
UTF-16 and in UTF-8 columns, formatting as drev fmt lays out, and how the session ends."""

import json
import os
import select
import subprocess
import time
import unittest

import drevtest

# A window and a label whose captions take two bytes, three bytes and, for the face, four bytes
# and two UTF-16 code units a character; the label sticks out of its window.
CAPTIONS = ('uiWindow "Größe €" "Application" { Left 10 Top 10 Width 300 Height 100 }\n'
            'uiLabel "Λόγος 😀" "Größe €" { Left 290 Top 20 Width 30 Height 20 Style { Aspect 3 } }\n')

# Places to complete at, each marked by the text just before the cursor on its line.
PLACES = ('uiFontTable { Label "nofont.krf" }\n'
          'uiWindow "Main" "Application" { Left 10 Width 300 Height 200 }\n'
          'uiButton "Go" "Main" { Top 5 Style { Border t } Animation { } }\n')
SECTIONS = ["uiFontTable", "uiColorTable", "uiWindow", "uiBevel", "uiLabel", "uiButton"]
OFFERED = [  # line, text before the cursor, the labels offered (or some of them, for the fonts)
    (0, "", SECTIONS),
    (0, 'Label "nofont.krf" ', ["Text", "Title", "Small", "Mono"]),
    (0, 'Label "no', {"default.krf", "european.krf", "mono.krf"}),
    (2, 'uiButton "Go" "M', ["Application", "Main"]),
    (2, '"Main" { ', ["Left", "Width", "Height"]),
    (2, 'Border t', ["true", "false"]),
    (2, 'Animation { ', ["Type", "Wait", "Duration", "DoFade", "DoPath", "StartX", "StartY"]),
    (3, "", SECTIONS),
]


def frame(message):
    body = message if isinstance(message, bytes) else json.dumps(message).encode()
    return b"Content-Length: %d\r\n\r\n" % len(body) + body


class Server:
    def __init__(self, work):
        self.proc = subprocess.Popen([drevtest.DREV, "lsp"], cwd=work.path, stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.pending = b""

    def write(self, data):
        self.proc.stdin.write(data)
        self.proc.stdin.flush()

    def send(self, method, params=None, id=None):
        message = {"jsonrpc": "2.0", "method": method, "params": params or {}}
        if id is not None:
            message["id"] = id
        self.write(frame(message))

    def receive(self, timeout=10):
        deadline = time.monotonic() + timeout
        while True:
            header, found, rest = self.pending.partition(b"\r\n\r\n")
            length = int(header.split(b":")[1]) if found else 0
            if found and len(rest) >= length:
                self.pending = rest[length:]
                return json.loads(rest[:length])
            ready, _, _ = select.select([self.proc.stdout], [], [], max(0, deadline - time.monotonic()))
            chunk = os.read(self.proc.stdout.fileno(), 65536) if ready else b""
            if not chunk:
                raise AssertionError("no message from the server; it has sent %r" % self.pending)
            self.pending += chunk

    def request(self, method, params=None, id=1):
        self.send(method, params, id)
        return self.receive()

    def initialize(self, capabilities=None):
        return self.request("initialize", {"capabilities": capabilities or {}})["result"]

    def open(self, uri, text):
        self.send("textDocument/didOpen", {"textDocument": {"uri": uri, "languageId": "drevui", "version": 1,
                                                            "text": text}})
        return self.receive()["params"]["diagnostics"]

    def at(self, method, uri, line, character):
        return self.request(method, {"textDocument": {"uri": uri}, "position": {"line": line, "character": character}})

    def end(self, *, shut_down):
        """Ends the session with shutdown and exit, or by closing the input; returns the exit
        status and the answer to shutdown."""
        answer = self.request("shutdown", id=99) if shut_down else None
        if shut_down:
            self.send("exit")
        self.close()
        return self.proc.returncode, answer

    def close(self):
        if not self.proc.stdin.closed:
            self.proc.stdin.close()
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        self.proc.stdout.close()
        self.proc.stderr.close()


def span(line, start, end):
    return {"start": {"line": line, "character": start}, "end": {"line": line, "character": end}}


def units(text, encoding="utf-16-le"):
    """The column after text: UTF-16 code units, or bytes for UTF-8."""
    return len(text.encode(encoding)) // (2 if encoding == "utf-16-le" else 1)


class LspProtocolTest(unittest.TestCase):
    def setUp(self):
        self.work = drevtest.WorkDir("scripts.ui", "european.krf")
        self.addCleanup(self.work.remove)
        self.server = self.start()

    def start(self):
        server = Server(self.work)
        self.addCleanup(server.close)
        return server

    def test_framing_errors_and_the_end_of_a_session(self):
        server = self.server
        self.assertEqual(server.request("textDocument/hover", {}, id=1)["error"]["code"], -32002)
        # One message written a few bytes at a time, then two in a single write.
        for start in range(0, len(frame({"jsonrpc": "2.0", "id": 2, "method": "initialize", "params": {}})), 7):
            server.write(frame({"jsonrpc": "2.0", "id": 2, "method": "initialize", "params": {}})[start:start + 7])
            time.sleep(0.01)
        self.assertEqual(server.receive()["result"]["capabilities"]["positionEncoding"], "utf-16")
        server.write(frame({"jsonrpc": "2.0", "id": 3, "method": "shutdown!"}) +
                     frame({"jsonrpc": "2.0", "id": "four", "method": "textDocument/documentSymbol",
                            "params": {"textDocument": {"uri": "file:///nowhere.ui"}}}))
        self.assertEqual(server.receive()["error"], {"code": -32601, "message": "unknown method: shutdown!"})
        self.assertEqual(server.receive()["error"]["code"], -32602)
        # A header without a length, a body that is no JSON, JSON that is no request: each is
        # answered, and the next message is read as if nothing had happened.
        server.write(b"Content-Type: text/plain\r\n\r\n{}" + frame(b"{not json") + frame([1, 2]) +
                     frame({"jsonrpc": "2.0", "method": "no/such/notification"}) +
                     frame({"jsonrpc": "2.0", "id": 5, "method": "textDocument/hover", "params": {}}))
        self.assertEqual([server.receive()["error"]["code"] for _ in range(4)], [-32700, -32700, -32600, -32602])
        # After a bad header, the next message is found with its field name in lower case too.
        hover = frame({"jsonrpc": "2.0", "id": 6, "method": "textDocument/hover", "params": {}})
        server.write(b"Content-Type: text/plain\r\n\r\n{}" + hover.replace(b"Content-Length", b"content-length"))
        self.assertEqual([server.receive()["error"]["code"] for _ in range(2)], [-32700, -32602])
        self.assertEqual(server.end(shut_down=True), (0, {"jsonrpc": "2.0", "id": 99, "result": None}))
        # Without a shutdown first, the end of input ends the session with status 1.
        other = self.start()
        other.initialize()
        self.assertEqual(other.end(shut_down=False), (1, None))

    def test_positions_on_lines_with_non_ascii_captions(self):
        server = self.server
        server.initialize()
        uri = "file://" + self.work.file("captions.ui")
        window, label = CAPTIONS.splitlines()
        # The label is pulled back into its window: the warning stands at the label's header.
        self.assertEqual(server.open(uri, CAPTIONS),
                         [{"range": span(1, 0, units('uiLabel "Λόγος 😀" "Größe €"')), "severity": 2, "source": "drev",
                           "message": "Left of [Λόγος 😀] places it outside of parent [Größe €]. Left forced by [-20]."}])
        aspect = units(label[:label.index("Aspect")])
        hover = server.at("textDocument/hover", uri, 1, aspect + 2)["result"]
        self.assertEqual(hover["range"], span(1, aspect, aspect + 6))
        self.assertTrue(hover["contents"]["value"].startswith("**Aspect** (Style)"))
        self.assertEqual(server.at("textDocument/definition", uri, 1, units(label[:label.index('"Größe')]) + 3)["result"],
                         {"uri": uri, "range": span(0, 0, units('uiWindow "Größe €" "Application"'))})
        # Formatting gives drev fmt's layout of the same text.
        self.work.write("captions.ui", CAPTIONS, encoding="utf-8")
        self.assertEqual(drevtest.run_command(["fmt", "captions.ui"], self.work.path), (0, "", ""))
        with open(self.work.file("captions.ui"), encoding="utf-8") as f:
            formatted = f.read()
        edits = server.request("textDocument/formatting", {"textDocument": {"uri": uri}, "options": {}})["result"]
        self.assertEqual(edits, [{"range": {"start": {"line": 0, "character": 0}, "end": {"line": 2, "character": 0}},
                                  "newText": formatted}])

        # A client that takes UTF-8 gets byte columns, here in scripts.ui with Greek captions.
        utf8 = self.start()
        self.assertEqual(utf8.initialize({"general": {"positionEncodings": ["utf-8", "utf-16"]}})["capabilities"]
                         ["positionEncoding"], "utf-8")
        scripts = "file://" + self.work.file("scripts.ui")
        with open(self.work.file("scripts.ui"), encoding="utf-8") as f:
            lines = f.read().splitlines()
        self.assertEqual(utf8.open(scripts, "\n".join(lines) + "\n"), [])
        line = lines.index('uiLabel "Καλημέρα" "Ελληνικά" {')
        window = lines.index('uiWindow "Ελληνικά" "Application" {')
        self.assertEqual(utf8.at("textDocument/definition", scripts, line, units('uiLabel "Καλημέρα" "Ελ', "utf-8"))
                         ["result"]["range"], span(window, 0, units('uiWindow "Ελληνικά" "Application"', "utf-8")))
        self.assertEqual(utf8.end(shut_down=True)[0], 0)

    def test_what_each_place_offers_and_a_document_s_life(self):
        server = self.server
        server.initialize()
        uri = "file://" + self.work.file("places.ui")
        lines = PLACES.splitlines()
        diagnostics = server.open(uri, PLACES)
        self.assertEqual([(d["range"], d["message"]) for d in diagnostics if d["severity"] == 2][0],
                         (span(0, 14, 32), "Wrong KORU font file [nofont.krf]"))
        for line, before, labels in OFFERED:
            with self.subTest(line=line, before=before):
                column = lines[line].index(before) + len(before) if before else 0
                items = server.at("textDocument/completion", uri, line, column)["result"]["items"]
                offered = [item["label"] for item in items]
                if isinstance(labels, set):
                    self.assertLessEqual(labels, set(offered))
                else:
                    self.assertEqual(offered, labels)
        self.assertEqual(server.at("textDocument/definition", uri, 0, 24)["result"], None)
        # An edit of a range: the font table names european.krf, found beside the file.
        server.send("textDocument/didChange", {"textDocument": {"uri": uri, "version": 2}, "contentChanges": [
            {"range": span(0, 21, 27), "text": "european"}]})
        self.assertNotIn("nofont", json.dumps(server.receive()))
        self.assertEqual(server.at("textDocument/definition", uri, 0, 24)["result"]["uri"],
                         "file://" + self.work.file("european.krf"))
        server.send("textDocument/didClose", {"textDocument": {"uri": uri}})
        self.assertEqual(server.receive()["params"], {"uri": uri, "diagnostics": []})
        self.assertEqual(server.request("shutdown", id=7)["result"], None)
        self.assertEqual(server.request("textDocument/hover", {}, id=8)["error"]["code"], -32600)


if __name__ == "__main__":
    drevtest.main()
