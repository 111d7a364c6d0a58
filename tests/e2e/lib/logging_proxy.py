#!/usr/bin/env python3
"""A proxy that passes every HTTP request on to one server and keeps what it
passed, so a journey can see the requests a program really sent: their
method, path, headers and body, byte for byte. One JSON object a line.

    logging_proxy.py PORT UPSTREAM_HOST:PORT LOG_FILE
"""
import base64
import http.client
import http.server
import json
import sys
import threading

port, upstream, log_path = int(sys.argv[1]), sys.argv[2], sys.argv[3]
lock = threading.Lock()
# Headers that belong to one connection, not to the request or reply.
HOP = {'connection', 'keep-alive', 'transfer-encoding', 'te', 'trailer', 'upgrade', 'proxy-connection'}


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def handle_any(self):
        length = int(self.headers.get('Content-Length') or 0)
        body = self.rfile.read(length) if length else b''
        with lock, open(log_path, 'a') as log:
            log.write(json.dumps({'method': self.command, 'path': self.path,
                                  'headers': [[k, v] for k, v in self.headers.items()],
                                  'body': base64.b64encode(body).decode()}) + '\n')
        conn = http.client.HTTPConnection(upstream, timeout=30)
        headers = {k: v for k, v in self.headers.items() if k.lower() not in HOP}
        conn.request(self.command, self.path, body=body, headers=headers)
        reply = conn.getresponse()
        data = reply.read()
        self.send_response_only(reply.status, reply.reason)
        for k, v in reply.getheaders():
            if k.lower() not in HOP and k.lower() != 'content-length':
                self.send_header(k, v)
        self.send_header('Content-Length', str(len(data)))
        self.end_headers()
        self.wfile.write(data)
        conn.close()

    def __getattr__(self, name):
        if name.startswith('do_'):
            return self.handle_any
        raise AttributeError(name)

    def log_message(self, *args):
        pass


http.server.ThreadingHTTPServer(('127.0.0.1', port), Handler).serve_forever()
