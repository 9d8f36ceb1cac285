"""A private X server for window tests: Xvfb on a display number it picks itself, screenshots
read from xwd dumps, and mouse and keyboard input through xdotool. A test that cannot start Xvfb
fails."""

import ctypes
import ctypes.util
import os
import select
import shutil
import signal
import struct
import subprocess
import time
import zlib


class XServer:
    """Starts Xvfb in the constructor (extra_args such as ("-extension", "GLX") go to Xvfb);
    stop() kills it by process id."""

    def __init__(self, width=1024, height=768, extra_args=()):
        if shutil.which("Xvfb") is None or shutil.which("xdotool") is None or shutil.which("xwd") is None:
            raise RuntimeError("Xvfb, xdotool and xwd are needed (scripts/setup.sh installs them)")
        # Xvfb picks the display number itself and reports it once it listens: two servers
        # started at the same moment (tests run in parallel) can never take the same number.
        # Without -noreset the server resets when the readiness probe disconnects.
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (width, height),
             "-nolisten", "tcp", "-noreset"] + list(extra_args),
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            self.number = self._read_display_number(read_end, time.time() + 20)
        finally:
            os.close(read_end)
        self.display = ":%d" % self.number
        deadline = time.time() + 20
        while time.time() < deadline:
            if self.proc.poll() is not None:
                raise RuntimeError("Xvfb exited at start (status %d)" % self.proc.returncode)
            if self._probe():
                return
            time.sleep(0.1)
        self.stop()
        raise RuntimeError("Xvfb did not become ready on " + self.display)

    def _read_display_number(self, read_end, deadline):
        text = b""
        while not text.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.time()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                self.stop()
                raise RuntimeError("Xvfb did not report a display number (status %s)" % self.proc.poll())
            text += chunk
        return int(text)

    def env(self):
        """The environment of a program that opens windows here. GLUT and Mesa keep the X
        connection, the GL's buffers and the X input extension's state until the process ends, so
        a sanitizer build's leak check at exit would report them; it is off for such programs (the
        unit and command tests keep it)."""
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS", ""), "detect_leaks=0"]))
        return env

    def _probe(self):
        return subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env(),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def stop(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()

    def xdotool(self, *args):
        return subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env(),
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=30)

    def wait_window(self, title, timeout=30):
        """The id of the first window whose name is exactly title, or None after the timeout."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            result = self.xdotool("search", "--name", "^%s$" % title)
            ids = result.stdout.decode().split()
            if result.returncode == 0 and ids:
                return ids[0]
            time.sleep(0.2)
        return None

    def wait_window_gone(self, title, timeout=10):
        """True once no window has the name title, False if one still has it after the timeout."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            result = self.xdotool("search", "--name", "^%s$" % title)
            if not result.stdout.split():
                return True
            time.sleep(0.1)
        return False

    def close_window(self, window):
        """Asks the window to close as a window manager's close button does: a WM_PROTOCOLS client
        message carrying WM_DELETE_WINDOW, sent to the window itself (Xvfb runs no window manager)."""
        send_delete_window(self.display, int(window))

    def resize_window(self, window, width, height):
        self.xdotool("windowsize", "--sync", window, width, height)

    def move_mouse(self, x, y):
        self.xdotool("mousemove", "--sync", x, y)

    def click(self, button=1):
        self.xdotool("click", button)

    def mouse_down(self, button=1):
        self.xdotool("mousedown", button)

    def mouse_up(self, button=1):
        self.xdotool("mouseup", button)

    def key(self, *keys):
        self.xdotool("key", *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", 50, text)

    def screenshot(self):
        dump = subprocess.run(["xwd", "-root", "-silent"], env=self.env(),
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=30)
        if dump.returncode != 0:
            raise RuntimeError("xwd failed: " + dump.stderr.decode())
        return Image.from_xwd(dump.stdout)


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    # Xlib's XEvent is a union padded to 24 longs.
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


def send_delete_window(display_name, window):
    xlib = ctypes.CDLL(ctypes.util.find_library("X11"))
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    connection = xlib.XOpenDisplay(display_name.encode())
    if not connection:
        raise RuntimeError("cannot open display " + display_name)
    try:
        event = _Event()
        event.client.type = 33  # ClientMessage
        event.client.window = window
        event.client.message_type = xlib.XInternAtom(connection, b"WM_PROTOCOLS", 0)
        event.client.format = 32
        event.client.data[0] = xlib.XInternAtom(connection, b"WM_DELETE_WINDOW", 0)
        event.client.data[1] = 0  # CurrentTime
        if not xlib.XSendEvent(connection, window, 0, 0, ctypes.byref(event)):
            raise RuntimeError("XSendEvent failed")
        xlib.XFlush(connection)
    finally:
        xlib.XCloseDisplay(connection)


class Image:
    """An RGB picture: pixel(x, y) gives (r, g, b); save_png writes it for people to look at."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    @staticmethod
    def from_xwd(data):
        header = struct.unpack(">25I", data[:100])
        header_size, depth, width, height = header[0], header[3], header[4], header[5]
        byte_order, bits_per_pixel, line_bytes = header[7], header[11], header[12]
        masks = header[14:17]
        colors = header[19]
        if depth != 24 or bits_per_pixel not in (24, 32):
            raise RuntimeError("unexpected xwd format: depth %d, %d bits per pixel" % (depth, bits_per_pixel))
        pixels = data[header_size + colors * 12:]
        step = bits_per_pixel // 8
        shifts = [(mask & -mask).bit_length() - 1 for mask in masks]
        order = "little" if byte_order == 0 else "big"
        rgb = bytearray(width * height * 3)
        for y in range(height):
            row = pixels[y * line_bytes:y * line_bytes + width * step]
            for x in range(width):
                value = int.from_bytes(row[x * step:(x + 1) * step], order)
                i = (y * width + x) * 3
                rgb[i] = (value & masks[0]) >> shifts[0]
                rgb[i + 1] = (value & masks[1]) >> shifts[1]
                rgb[i + 2] = (value & masks[2]) >> shifts[2]
        return Image(width, height, bytes(rgb))

    @staticmethod
    def from_png(path):
        """Reads an 8-bit RGB PNG without interlacing, as drev render writes them."""
        with open(path, "rb") as f:
            data = f.read()
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            raise RuntimeError(path + " is not a PNG file")
        position, header, compressed = 8, None, b""
        while position < len(data):
            length, kind = struct.unpack(">I4s", data[position:position + 8])
            body = data[position + 8:position + 8 + length]
            position += 12 + length
            if kind == b"IHDR":
                header = struct.unpack(">IIBBBBB", body)
            elif kind == b"IDAT":
                compressed += body
        width, height, depth, colour, _, _, interlace = header
        if depth != 8 or colour != 2 or interlace != 0:
            raise RuntimeError("%s is not an 8-bit RGB PNG without interlacing" % path)
        raw = zlib.decompress(compressed)
        stride = width * 3
        rgb = bytearray(stride * height)
        previous = bytearray(stride)
        for y in range(height):
            start = y * (stride + 1)
            kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
            for i in range(stride):
                left = row[i - 3] if i >= 3 else 0
                up = previous[i]
                corner = previous[i - 3] if i >= 3 else 0
                if kind == 1:
                    row[i] = (row[i] + left) & 255
                elif kind == 2:
                    row[i] = (row[i] + up) & 255
                elif kind == 3:
                    row[i] = (row[i] + (left + up) // 2) & 255
                elif kind == 4:
                    estimate = left + up - corner
                    pa, pb, pc = abs(estimate - left), abs(estimate - up), abs(estimate - corner)
                    row[i] = (row[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
            rgb[y * stride:(y + 1) * stride] = row
            previous = row
        return Image(width, height, bytes(rgb))

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def crop(self, x, y, width, height):
        rows = [self.rgb[((y + r) * self.width + x) * 3:((y + r) * self.width + x + width) * 3] for r in range(height)]
        return Image(width, height, b"".join(rows))

    def region_differs(self, other, x, y, width, height, tolerance=8):
        """True when some pixel of the rectangle differs by more than tolerance in a channel."""
        for row in range(y, y + height):
            for col in range(x, x + width):
                a, b = self.pixel(col, row), other.pixel(col, row)
                if max(abs(a[k] - b[k]) for k in range(3)) > tolerance:
                    return True
        return False

    def rows_are_plain(self, x, y, width, height, tolerance=8):
        """True when each row of the rectangle is one colour (a gradient may run down it): no
        text or mark lies on it."""
        for row in range(y, y + height):
            first = self.pixel(x, row)
            for col in range(x, x + width):
                if max(abs(first[k] - self.pixel(col, row)[k]) for k in range(3)) > tolerance:
                    return False
        return True

    def count(self, predicate, x, y, width, height):
        return sum(1 for row in range(y, y + height) for col in range(x, x + width)
                   if predicate(self.pixel(col, row)))

    def save_png(self, path):
        raw = b"".join(b"\x00" + self.rgb[r * self.width * 3:(r + 1) * self.width * 3] for r in range(self.height))

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xffffffff)

        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
        with open(path, "wb") as f:
            f.write(png)


def close(a, b, tolerance=12):
    return all(abs(a[i] - b[i]) <= tolerance for i in range(3))
