#!/usr/bin/env python3
"""The test world's file server: files, faults, and its own end.

  file_server_test.py SERVER_SCRIPT
"""

import http.client
import os
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.parse

SERVER = None  # set from the command line


def wait_for_file(path, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if os.path.exists(path) and os.path.getsize(path) > 0:
            with open(path, encoding="utf-8") as handle:
                return handle.read().strip()
        time.sleep(0.05)
    raise AssertionError(f"{path} did not appear")


def port_is_open(port):
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=1)
    try:
        connection.request("GET", "/_requests")
        connection.getresponse().read()
        return True
    except OSError:
        return False
    finally:
        connection.close()


class FileServerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        root = os.path.join(cls.folder.name, "root")
        cls.files = {
            "/zephrion/files/ZephrionPreRequisites/vc2005sp1 - redist_x86.exe": os.urandom(5000),
            "/zephrion/files/_Installers3rdParty/Advantech/DAQNavi_SDK&Drivers_3.1.4.0.exe": b"amp" * 100,
            "/zephrion/RTSupervisor/RTSupervisor_1.0.0.1(3587).zip": b"zip" * 50,
            "/zephrion/files/big.bin": os.urandom(200 * 1024),
        }
        for path, data in cls.files.items():
            full = os.path.join(root, path.lstrip("/"))
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "wb") as handle:
                handle.write(data)
        with open(os.path.join(root, "zephrion", "files", "list.txt"), "wb") as handle:
            handle.write(b"URL={{ZEPHRION_FILE_SERVER}}/zephrion/files/big.bin\n")
        port_file = os.path.join(cls.folder.name, "address")
        cls.log = os.path.join(cls.folder.name, "requests.log")
        cls.process = subprocess.Popen(
            [sys.executable, SERVER, "--root", root, "--port-file", port_file, "--log", cls.log],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
        cls.base = wait_for_file(port_file)
        cls.port = urllib.parse.urlsplit(cls.base).port

    @classmethod
    def tearDownClass(cls):
        cls.process.terminate()
        cls.process.wait(10)
        cls.folder.cleanup()

    def setUp(self):
        self.get("/_fault/clear")

    def get(self, path, headers=None):
        """(status, headers, body); a body cut short comes back as far as it arrived."""
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=20)
        try:
            # Control requests carry an encoded query already; file paths are escaped as WinINet does.
            target = path if path.startswith("/_") else urllib.parse.quote(path, safe="/&()")
            connection.request("GET", target, headers=headers or {})
            response = connection.getresponse()
            try:
                body = response.read()
            except http.client.IncompleteRead as cut:
                body = cut.partial
            return response.status, dict(response.getheaders()), body
        finally:
            connection.close()

    def fault(self, path, **params):
        query = urllib.parse.urlencode(dict(path=path, **params))
        status, _, _ = self.get("/_fault?" + query)
        self.assertEqual(200, status)

    def test_files_are_served_with_their_bytes_and_length(self):
        for path, data in self.files.items():
            with self.subTest(path=path):
                status, headers, body = self.get(path)
                self.assertEqual(200, status)
                self.assertEqual(str(len(data)), headers.get("Content-Length"))
                self.assertEqual(data, body)

    def test_missing_files_and_paths_outside_the_root_are_404(self):
        for path in ["/zephrion/files/none.exe", "/zephrion/../../etc/passwd", "/zephrion/files"]:
            with self.subTest(path=path):
                self.assertEqual(404, self.get(path)[0])

    def test_list_files_name_the_server_itself(self):
        status, headers, body = self.get("/zephrion/files/list.txt")
        expected = f"URL={self.base}/zephrion/files/big.bin\n".encode()
        self.assertEqual((200, expected, str(len(expected))), (status, body, headers["Content-Length"]))

    def test_status_faults(self):
        path = "/zephrion/files/big.bin"
        for code in [404, 500, 403]:
            with self.subTest(code=code):
                self.fault(path, kind="status", code=code)
                self.assertEqual(code, self.get(path)[0])
        self.get("/_fault/clear?" + urllib.parse.urlencode({"path": path}))
        self.assertEqual(200, self.get(path)[0])

    def test_redirects_are_answered_not_followed(self):
        path = "/zephrion/files/big.bin"
        for code in [301, 302, 303]:
            with self.subTest(code=code):
                self.fault(path, kind="redirect", code=code, to="http://127.0.0.1:1/elsewhere")
                status, headers, _ = self.get(path)
                self.assertEqual((code, "http://127.0.0.1:1/elsewhere"), (status, headers.get("Location")))

    def test_401_until_credentials_are_sent(self):
        path = "/zephrion/RTSupervisor/RTSupervisor_1.0.0.1(3587).zip"
        self.fault(path, kind="auth")
        status, headers, _ = self.get(path)
        self.assertEqual(401, status)
        self.assertIn("Basic", headers.get("WWW-Authenticate", ""))
        status, _, body = self.get(path, {"Authorization": "Basic dXNlcjpwYXNz"})
        self.assertEqual((200, self.files[path]), (status, body))

    def test_body_without_length_ends_with_the_connection(self):
        path = "/zephrion/files/big.bin"
        self.fault(path, kind="no-length")
        status, headers, body = self.get(path)
        self.assertEqual(200, status)
        self.assertNotIn("Content-Length", headers)
        self.assertEqual(self.files[path], body)

    def test_body_cut_short_keeps_the_full_length_header(self):
        path = "/zephrion/files/big.bin"
        self.fault(path, kind="truncate", bytes=1000)
        status, headers, body = self.get(path)
        self.assertEqual((200, str(len(self.files[path]))), (status, headers["Content-Length"]))
        self.assertEqual(self.files[path][:1000], body)

    def test_slow_body_arrives_whole_but_late(self):
        path = "/zephrion/files/ZephrionPreRequisites/vc2005sp1 - redist_x86.exe"
        self.fault(path, kind="slow", delay_ms=100, chunk=1000)
        started = time.monotonic()
        status, _, body = self.get(path)
        self.assertEqual((200, self.files[path]), (status, body))
        self.assertGreaterEqual(time.monotonic() - started, 0.4)

    def test_a_counted_fault_ends_after_its_requests(self):
        path = "/zephrion/files/_Installers3rdParty/Advantech/DAQNavi_SDK&Drivers_3.1.4.0.exe"
        self.fault(path, kind="status", code=500, count=2)
        self.assertEqual([500, 500, 200], [self.get(path)[0] for _ in range(3)])

    def test_fault_table_file(self):
        table = os.path.join(self.folder.name, "faults.tsv")
        with open(table, "w", encoding="utf-8") as handle:
            handle.write("/zephrion/files/big.bin\tkind=status&code=503\n")
        port_file = os.path.join(self.folder.name, "address2")
        process = subprocess.Popen(
            [sys.executable, SERVER, "--root", os.path.join(self.folder.name, "root"),
             "--port-file", port_file, "--faults", table], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
        try:
            port = urllib.parse.urlsplit(wait_for_file(port_file)).port
            connection = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
            connection.request("GET", "/zephrion/files/big.bin")
            self.assertEqual(503, connection.getresponse().status)
            connection.close()
        finally:
            process.terminate()
            process.wait(10)

    def test_request_lines_are_kept(self):
        self.get("/zephrion/files/ZephrionPreRequisites/vc2005sp1 - redist_x86.exe")
        _, _, body = self.get("/_requests")
        self.assertIn(b"GET /zephrion/files/ZephrionPreRequisites/vc2005sp1%20-%20redist_x86.exe HTTP/1.1", body)
        with open(self.log, encoding="utf-8") as handle:
            self.assertIn("vc2005sp1%20-%20redist_x86.exe", handle.read())

    def test_server_stops_when_its_parent_ends(self):
        port_file = os.path.join(self.folder.name, "orphan-address")
        parent = subprocess.Popen(
            [sys.executable, "-c",
             "import subprocess, sys, time\n"
             f"subprocess.Popen([sys.executable, {SERVER!r}, '--root', {self.folder.name!r}, "
             f"'--port-file', {port_file!r}], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)\n"
             "time.sleep(1.5)\n"])
        port = urllib.parse.urlsplit(wait_for_file(port_file)).port
        self.assertTrue(port_is_open(port))
        parent.wait(10)
        deadline = time.monotonic() + 5
        while port_is_open(port) and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertFalse(port_is_open(port))


if __name__ == "__main__":
    SERVER = sys.argv.pop(1)
    unittest.main(verbosity=1)
