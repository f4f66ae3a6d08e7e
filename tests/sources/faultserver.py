#!/usr/bin/env python3
"""A small calendar server of the tests' own, for what a real server does not do on request:
wrong answers, slow answers, broken answers. Serves http, or https with --cert and --key.

Usage: faultserver.py PORT [--cert FILE --key FILE] [--other-port PORT]
Every request is listed at /requests (JSON), so a test can see what the program asked.
"""
import base64
import json
import socketserver
import ssl
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

CALENDAR = (b"BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//tests//fault server//EN\r\n"
            b"X-WR-CALNAME:School\r\n"
            b"BEGIN:VEVENT\r\nUID:term-start@tests\r\nDTSTAMP:20260101T000000Z\r\n"
            b"DTSTART;VALUE=DATE:20270906\r\nSUMMARY:Term starts\r\nEND:VEVENT\r\n"
            b"BEGIN:VEVENT\r\nUID:sports-day@tests\r\nDTSTAMP:20260101T000000Z\r\n"
            b"DTSTART;VALUE=DATE:20270618\r\nSUMMARY:Sports day\r\nEND:VEVENT\r\n"
            b"END:VCALENDAR\r\n")
ETAG = b'"school-v1"'
LAST_MODIFIED = b"Thu, 03 Dec 2026 10:00:00 GMT"
USER, PASSWORD = "anna", "s3cret-pw"
COLLECTION = (b'<?xml version="1.0"?><multistatus xmlns="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav">'
              b'<response><href>/dav/broken/</href><propstat><prop><resourcetype><collection/><C:calendar/>'
              b'</resourcetype><displayname>Broken</displayname></prop><status>HTTP/1.1 200 OK</status>'
              b'</propstat></response></multistatus>')
BROKEN = (b'<?xml version="1.0"?><multistatus xmlns="DAV:"><response><href>/dav/broken/a.ics</href>'
          b'<propstat><prop><C:calendar-data xmlns:C="urn:ietf:params:xml:ns:caldav">BEGIN:VCALENDAR'
          b'</propstat></response>')

requests = []
lock = threading.Lock()
other_port = 0


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, status, body=b"", kind=b"text/calendar", headers=()):
        self.send_response(status)
        self.send_header("Content-Type", kind.decode())
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def note(self):
        with lock:
            requests.append({"method": self.command, "path": self.path,
                             "ifNoneMatch": self.headers.get("If-None-Match", ""),
                             "authorization": bool(self.headers.get("Authorization"))})

    def do_PROPFIND(self):
        self.note()
        self.read_body()
        if self.path == "/dav/broken/":
            return self.answer(207, COLLECTION, b"application/xml")
        self.answer(404, b"no such collection", b"text/plain")

    def do_REPORT(self):
        self.note()
        self.read_body()
        if self.path == "/dav/broken/":
            return self.answer(207, BROKEN, b"application/xml")
        self.answer(404, b"no such collection", b"text/plain")

    def read_body(self):
        length = int(self.headers.get("Content-Length", "0"))
        if length:
            self.rfile.read(length)

    def do_GET(self):
        self.note()
        path = self.path
        if path == "/requests":
            with lock:
                body = json.dumps(requests).encode()
            return self.answer(200, body, b"application/json")
        if path == "/school.ics":
            if self.headers.get("If-None-Match", "").encode() == ETAG:
                self.send_response(304)
                self.send_header("ETag", ETAG.decode())
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            return self.answer(200, CALENDAR, headers=[("ETag", ETAG.decode()), ("Last-Modified", LAST_MODIFIED.decode())])
        if path == "/page.html":
            return self.answer(200, b"<!DOCTYPE html><html><body>Log in to see the calendar</body></html>", b"text/html")
        if path == "/gone.ics":
            return self.answer(404, b"not here", b"text/plain")
        if path == "/private.ics":
            expected = "Basic " + base64.b64encode(f"{USER}:{PASSWORD}".encode()).decode()
            if self.headers.get("Authorization") != expected:
                return self.answer(401, b"who are you?", b"text/plain", [("WWW-Authenticate", 'Basic realm="calendars"')])
            return self.answer(200, CALENDAR)
        if path.startswith("/hops/"):
            left = int(path[len("/hops/"):])
            target = "/school.ics" if left == 0 else f"/hops/{left - 1}"
            return self.answer(302, b"", b"text/plain", [("Location", target)])
        if path == "/to-http":
            return self.answer(302, b"", b"text/plain", [("Location", f"http://127.0.0.1:{other_port}/school.ics")])
        if path == "/truncated.ics":
            self.send_response(200)
            self.send_header("Content-Type", "text/calendar")
            self.send_header("Content-Length", str(len(CALENDAR)))
            self.end_headers()
            self.wfile.write(CALENDAR[:40])
            self.wfile.flush()
            self.close_connection = True
            return
        if path == "/huge.ics":
            self.send_response(200)
            self.send_header("Content-Type", "text/calendar")
            self.send_header("Content-Length", str(17 * 1024 * 1024))
            self.end_headers()
            try:
                self.wfile.write(CALENDAR[:40])
            except OSError:
                pass
            self.close_connection = True
            return
        if path == "/trickle.ics":
            # One byte at a time, never quite silent long enough for a transfer timeout.
            self.send_response(200)
            self.send_header("Content-Type", "text/calendar")
            self.send_header("Content-Length", str(len(CALENDAR)))
            self.end_headers()
            try:
                for i in range(len(CALENDAR)):
                    self.wfile.write(CALENDAR[i:i + 1])
                    self.wfile.flush()
                    time.sleep(0.1)
            except OSError:
                pass
            self.close_connection = True
            return
        if path == "/silent.ics":
            time.sleep(5)
            self.close_connection = True
            return
        self.answer(404, b"not here", b"text/plain")


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    global other_port
    port = int(sys.argv[1])
    args = sys.argv[2:]
    cert = args[args.index("--cert") + 1] if "--cert" in args else None
    key = args[args.index("--key") + 1] if "--key" in args else None
    if "--other-port" in args:
        other_port = int(args[args.index("--other-port") + 1])
    server = Server(("127.0.0.1", port), Handler)
    if cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(cert, key)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    print("ready", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
