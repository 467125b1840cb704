#!/usr/bin/env python3
"""The test world's file server: the vendor's download server on 127.0.0.1.

  file_server.py --root DIR [--port-file FILE] [--log FILE] [--parent-pid PID]

Serves DIR (the generated tree: URL path = path below DIR) with plain HTTP GET
and HEAD, a Content-Length on every answer, on 127.0.0.1 and a free port. The
address "http://127.0.0.1:<port>" is printed and written to --port-file. It
stops by itself when its parent process (or --parent-pid) ends, or when its
standard input reaches its end while --stdin-watch is given.

In text files (.txt) "{{ZEPHRION_FILE_SERVER}}" becomes the server's own
address, so list files can name archives on this server. A request with
"Range: bytes=N-" (and no fault) gets the rest of the file from byte N (206).

Faults, per path, for the tests (one request each):
  /_fault?path=/zephrion/x.exe&kind=status&code=404    answer with that status
  /_fault?path=...&kind=redirect[&code=302][&to=URL]    a redirect (301, 302, 303...)
  /_fault?path=...&kind=auth                            401 with a Basic challenge; a
                                                        request with credentials gets the file
  /_fault?path=...&kind=no-length                       the file without Content-Length
  /_fault?path=...&kind=truncate&bytes=N                Content-Length of the whole file,
                                                        only N bytes, then the connection closes
  /_fault?path=...&kind=slow&delay_ms=M[&chunk=N]       the body in N-byte pieces, M ms apart
  /_fault?path=...&count=K                              (with any kind) only for K requests
  /_fault/clear[?path=...]                              removes one or all faults
  /_requests                                            the request lines seen so far
The fault table can also be given as a file (--faults FILE, lines of
"path<TAB>query string" as above) that is read again when it changes.
"""

import argparse
import http.server
import os
import re
import socketserver
import sys
import threading
import time
import urllib.parse

BASE_PLACEHOLDER = b"{{ZEPHRION_FILE_SERVER}}"
# A slow body must still end: a test that forgets it does not hang the run.
MAX_SLOW_SECONDS = 120


class Faults:
    def __init__(self, table_file=None):
        self.lock = threading.Lock()
        self.by_path = {}
        self.table_file = table_file
        self.table_mtime = None

    def set(self, path, params):
        with self.lock:
            self.by_path[path] = dict(params)

    def clear(self, path=None):
        with self.lock:
            if path is None:
                self.by_path.clear()
            else:
                self.by_path.pop(path, None)

    def _reload_table(self):
        if not self.table_file:
            return
        try:
            mtime = os.path.getmtime(self.table_file)
        except OSError:
            return
        if mtime == self.table_mtime:
            return
        self.table_mtime = mtime
        with open(self.table_file, encoding="utf-8") as handle:
            for line in handle:
                line = line.strip()
                if line and not line.startswith("#") and "\t" in line:
                    path, query = line.split("\t", 1)
                    self.by_path[path] = dict(urllib.parse.parse_qsl(query))

    def take(self, path):
        """The fault for a request of `path`, counting it down."""
        with self.lock:
            self._reload_table()
            fault = self.by_path.get(path)
            if fault is None:
                return None
            if "count" in fault:
                remaining = int(fault["count"])
                if remaining <= 1:
                    del self.by_path[path]
                else:
                    fault["count"] = str(remaining - 1)
            return dict(fault)


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "ZephrionTestWorld/1.0"

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass

    def _record(self):
        with self.server.log_lock:
            self.server.requests.append(self.requestline)
            if self.server.log_file:
                with open(self.server.log_file, "a", encoding="utf-8") as handle:
                    handle.write(f"{time.strftime('%H:%M:%S')} {self.requestline}\n")

    def do_HEAD(self):
        self._answer(send_body=False)

    def do_GET(self):
        self._answer(send_body=True)

    def _plain(self, code, text, extra_headers=()):
        body = text.encode("utf-8")
        self.send_response(code)
        for name, value in extra_headers:
            self.send_header(name, value)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def _answer(self, send_body):
        self._record()
        parsed = urllib.parse.urlsplit(self.path)
        # WinINet may send blanks escaped; '&' and parentheses are part of file names.
        path = urllib.parse.unquote(parsed.path)
        query = dict(urllib.parse.parse_qsl(parsed.query))
        if path == "/_fault":
            if "path" not in query or "kind" not in query:
                return self._plain(400, "path and kind are needed\n")
            target = query.pop("path")
            self.server.faults.set(target, query)
            return self._plain(200, f"fault set for {target}\n")
        if path == "/_fault/clear":
            self.server.faults.clear(query.get("path"))
            return self._plain(200, "cleared\n")
        if path == "/_requests":
            with self.server.log_lock:
                return self._plain(200, "".join(line + "\n" for line in self.server.requests))

        fault = self.server.faults.take(path)
        if fault and fault.get("kind") == "status":
            return self._plain(int(fault.get("code", "500")), f"fault: status {fault.get('code')}\n")
        if fault and fault.get("kind") == "redirect":
            target = fault.get("to", self.server.base + path + ".moved")
            return self._plain(int(fault.get("code", "302")), "moved\n", [("Location", target)])
        if fault and fault.get("kind") == "auth" and "Authorization" not in self.headers:
            return self._plain(401, "authorization needed\n",
                               [("WWW-Authenticate", 'Basic realm="Zephrion test world"')])

        data = self._file_bytes(path)
        if data is None:
            return self._plain(404, "not found\n")
        kind = fault.get("kind") if fault else None
        first = self._range_start(len(data)) if kind is None else None
        if first is not None:
            # The rest of a body, as a client resuming an interrupted read asks.
            self.send_response(206)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Range", f"bytes {first}-{len(data) - 1}/{len(data)}")
            self.send_header("Content-Length", str(len(data) - first))
            self.end_headers()
            if send_body:
                self.wfile.write(data[first:])
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        if kind == "no-length":
            # Without a length the body ends when the connection closes.
            self.send_header("Connection", "close")
            self.close_connection = True
        else:
            self.send_header("Content-Length", str(len(data)))
        if kind == "truncate":
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        if not send_body:
            return
        if kind == "truncate":
            self.wfile.write(data[:int(fault.get("bytes", len(data) // 2))])
            self.wfile.flush()
            return
        if kind == "slow":
            delay = int(fault.get("delay_ms", "200")) / 1000.0
            chunk = max(1, int(fault.get("chunk", "1024")))
            deadline = time.monotonic() + MAX_SLOW_SECONDS
            for start in range(0, len(data), chunk):
                if time.monotonic() > deadline:
                    self.close_connection = True
                    return
                self.wfile.write(data[start:start + chunk])
                self.wfile.flush()
                time.sleep(delay)
            return
        self.wfile.write(data)

    def _range_start(self, size):
        """The first byte of a "Range: bytes=N-" request inside the file, else None."""
        match = re.fullmatch(r"bytes=(\d+)-", self.headers.get("Range", "").strip())
        if not match or int(match.group(1)) >= size:
            return None
        return int(match.group(1))

    def _file_bytes(self, path):
        root = self.server.root
        full = os.path.realpath(os.path.join(root, path.lstrip("/")))
        if not full.startswith(root + os.sep) or not os.path.isfile(full):
            return None
        with open(full, "rb") as handle:
            data = handle.read()
        if full.lower().endswith(".txt"):
            data = data.replace(BASE_PLACEHOLDER, self.server.base.encode())
        return data


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = False


def watch_parent(server, parent_pid, is_own_parent, watch_stdin):
    """Shuts the server down once the process that started it has ended."""
    def parent_alive():
        # An orphan is handed to another parent: the pid alone could be reused.
        if is_own_parent and os.getppid() != parent_pid:
            return False
        try:
            os.kill(parent_pid, 0)
        except ProcessLookupError:
            return False
        except PermissionError:
            pass
        return True

    def poll():
        while parent_alive():
            time.sleep(0.5)
        server.shutdown()

    threading.Thread(target=poll, daemon=True).start()
    if watch_stdin:
        def read_stdin():
            while sys.stdin.buffer.read(4096):
                pass
            server.shutdown()
        threading.Thread(target=read_stdin, daemon=True).start()


def main():
    parser = argparse.ArgumentParser(description="The test world's file server")
    parser.add_argument("--root", required=True)
    parser.add_argument("--port", type=int, default=0, help="0 = a free port")
    parser.add_argument("--port-file")
    parser.add_argument("--log")
    parser.add_argument("--faults")
    parser.add_argument("--parent-pid", type=int, default=0)
    parser.add_argument("--stdin-watch", action="store_true")
    args = parser.parse_args()

    server = Server(("127.0.0.1", args.port), Handler)
    server.root = os.path.realpath(args.root)
    server.base = f"http://127.0.0.1:{server.server_address[1]}"
    server.faults = Faults(args.faults)
    server.requests = []
    server.log_lock = threading.Lock()
    server.log_file = args.log
    watch_parent(server, args.parent_pid or os.getppid(), not args.parent_pid, args.stdin_watch)
    if args.port_file:
        temp = args.port_file + ".tmp"
        with open(temp, "w", encoding="utf-8") as handle:
            handle.write(server.base + "\n")
        os.replace(temp, args.port_file)
    try:
        print(server.base, flush=True)
    except OSError:
        pass
    try:
        server.serve_forever(poll_interval=0.2)
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
