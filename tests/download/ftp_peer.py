#!/usr/bin/python3
"""FTP server on loopback for the download tests, on Debian's pyftpdlib.

Prints "PORT <n>" once it listens and serves until killed or until --lifetime seconds pass.
Faults a normal server does not make are switched on by options: a listing that lies about a
size, a listing entry that is no plain file name, a throttled data connection.
"""
import argparse
import os
import re
import sys
import tempfile
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def self_signed_certificate(directory):
    from OpenSSL import crypto
    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = "127.0.0.1"
    cert.set_serial_number(1)
    cert.gmtime_adj_notBefore(0)
    cert.gmtime_adj_notAfter(24 * 3600)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.sign(key, "sha256")
    path = os.path.join(directory, "peer.pem")
    with open(path, "wb") as f:
        f.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
        f.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
    return path


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user")
    parser.add_argument("--password")
    parser.add_argument("--anonymous", action="store_true")
    parser.add_argument("--tls", action="store_true", help="explicit TLS, required on both connections")
    parser.add_argument("--throttle", type=int, default=0, help="bytes per second sent on data connections")
    parser.add_argument("--lie-size", action="append", default=[], help="NAME=SIZE shown in the listing")
    parser.add_argument("--extra-entry", action="append", default=[], help="a name listed in the root only")
    parser.add_argument("--lifetime", type=float, default=120)
    args = parser.parse_args()

    lies = {name.encode(): size.encode() for name, size in (e.split("=", 1) for e in args.lie_size)}
    extras = [e.encode() for e in args.extra_entry]

    class PeerFS(AbstractedFS):
        def format_list(self, basedir, listing, ignore_err=True):
            for line in super().format_list(basedir, listing, ignore_err):
                name = line.rstrip(b"\r\n").rsplit(b" ", 1)[-1]
                if name in lies:
                    line = re.sub(rb"^((?:\S+\s+){4})\d+", lambda m: m.group(1) + lies[name], line)
                yield line
            if os.path.realpath(basedir) == os.path.realpath(self.root):
                for name in extras:
                    yield b"-rw-r--r--   1 owner    group          10 Dec 01 10:00 " + name + b"\r\n"

    authorizer = DummyAuthorizer()
    if args.user:
        authorizer.add_user(args.user, args.password, args.root, perm="elr")
    if args.anonymous:
        authorizer.add_anonymous(args.root, perm="elr")

    if args.tls:
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler
        handler = TLS_FTPHandler
        handler.certfile = self_signed_certificate(tempfile.mkdtemp(prefix="ftppeer"))
        handler.tls_control_required = True
        handler.tls_data_required = True
        class PeerTlsDtp(TLS_DTPHandler):
            # curl starts the data connection's handshake as soon as it is open, before LIST or
            # RETR; pyftpdlib would take that early byte for a hang-up and close the connection.
            def readable(self):
                return True if self._ssl_accepting else super().readable()

        handler.dtp_handler = PeerTlsDtp
    else:
        handler = FTPHandler
    handler.authorizer = authorizer
    handler.abstracted_fs = PeerFS
    handler.passive_ports = None
    if args.throttle:
        dtp = ThrottledDTPHandler
        dtp.write_limit = args.throttle
        handler.dtp_handler = dtp

    server = FTPServer(("127.0.0.1", 0), handler)
    print("PORT %d" % server.address[1], flush=True)
    threading.Timer(args.lifetime, lambda: os._exit(0)).start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    sys.exit(main())
