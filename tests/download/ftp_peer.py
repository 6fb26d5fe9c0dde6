#!/usr/bin/python3
"""pyftpdlib on loopback for the download tests. Prints "PORT <n>", serves until killed or
--lifetime ends. Options switch on faults: a listed size that lies, a listed name that is no
plain file name, a throttled data connection; --tls requires explicit TLS (self-signed)."""
import argparse, os, re, tempfile, threading
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

p = argparse.ArgumentParser()
p.add_argument("--root", required=True)
p.add_argument("--user", nargs=2, metavar=("NAME", "PASSWORD"))
p.add_argument("--anonymous", action="store_true")
p.add_argument("--tls", action="store_true")
p.add_argument("--throttle", type=int, default=0, help="bytes per second on data connections")
p.add_argument("--lie-size", action="append", default=[], help="NAME=SIZE in the listing")
p.add_argument("--extra-entry", action="append", default=[], help="a name listed in the root only")
p.add_argument("--extra-count", type=int, default=0, help="that many more names in the root")
p.add_argument("--lifetime", type=float, default=120)
args = p.parse_args()
lies = dict((n.encode(), s.encode()) for n, s in (e.split("=", 1) for e in args.lie_size))


class PeerFS(AbstractedFS):
    def format_list(self, basedir, listing, ignore_err=True):
        for line in super().format_list(basedir, listing, ignore_err):
            name = line.rstrip(b"\r\n").rsplit(b" ", 1)[-1]
            if name in lies:
                line = re.sub(rb"^((?:\S+\s+){4})\d+", lambda m: m.group(1) + lies[name], line)
            yield line
        if os.path.realpath(basedir) == os.path.realpath(self.root):
            for name in args.extra_entry:
                yield b"-rw-r--r--   1 owner    group          10 Dec 01 10:00 " + name.encode() + b"\r\n"
            for i in range(args.extra_count):
                yield b"-rw-r--r--   1 owner    group          10 Dec 01 10:00 f%d.csv\r\n" % i


authorizer = DummyAuthorizer()
if args.user:
    authorizer.add_user(args.user[0], args.user[1], args.root, perm="elr")
if args.anonymous:
    authorizer.add_anonymous(args.root, perm="elr")
handler = FTPHandler
if args.tls:
    from OpenSSL import crypto
    from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler
    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = "127.0.0.1"
    cert.set_serial_number(1)
    cert.gmtime_adj_notBefore(0)
    cert.gmtime_adj_notAfter(86400)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.sign(key, "sha256")
    pem = os.path.join(tempfile.mkdtemp(prefix="ftppeer"), "peer.pem")
    with open(pem, "wb") as f:
        f.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key) + crypto.dump_certificate(crypto.FILETYPE_PEM, cert))

    class PeerTlsDtp(TLS_DTPHandler):
        # curl starts the data connection's handshake as soon as it is open, before LIST or RETR;
        # pyftpdlib would take that early byte for a hang-up and close the connection.
        def readable(self):
            return True if self._ssl_accepting else super().readable()

    handler = TLS_FTPHandler
    handler.certfile = pem
    handler.tls_control_required = handler.tls_data_required = True
    handler.dtp_handler = PeerTlsDtp
handler.authorizer = authorizer
handler.abstracted_fs = PeerFS
if args.throttle:
    ThrottledDTPHandler.write_limit = args.throttle
    handler.dtp_handler = ThrottledDTPHandler
server = FTPServer(("127.0.0.1", 0), handler)
print("PORT %d" % server.address[1], flush=True)
threading.Timer(args.lifetime, lambda: os._exit(0)).start()
server.serve_forever(handle_exit=False)
