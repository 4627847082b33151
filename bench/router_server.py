#!/usr/bin/env python3
"""The router-protocol server of vxctl serve against vxsim, with real clients on loopback:
  - a route from a client to its ACK, 95th percentile, with the panel idle and with it
    waiting for the switcher (a slow serial switcher, the route behind another's take);
  - a route from a client to the change pushed to 32 clients over serial at 57600 baud,
    against the switcher's own time for its RTEMP and TAKE 1 on the wire;
  - 16 single-route blocks within 5 ms: all applied in order, and how many TAKE 1;
  - the CPU the server takes with 32 clients connected and nothing happening.
  bench/router_server.py BUILD_DIR
"""
import os, re, socket, statistics, subprocess, sys, tempfile, time

build = sys.argv[1]
vxsim, vxctl = os.path.join(build, "vxsim"), os.path.join(build, "vxctl")
work = tempfile.mkdtemp()


def start_sim(extra):
    p = subprocess.Popen([vxsim, "--tcp", "127.0.0.1:0", "--serial", os.path.join(work, "com1"),
                          "--transcript", os.path.join(work, "transcript.txt")] + extra,
                         stdout=subprocess.PIPE, text=True)
    port = int(re.search(r"tcp [0-9.]+:(\d+)", p.stdout.readline()).group(1))
    for _ in range(50):
        if os.path.exists(os.path.join(work, "com1")):
            break
        time.sleep(0.05)
    return p, port


def start_serve(link):
    p = subprocess.Popen([vxctl] + link + ["serve", "0", "--interval", "2"], stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, text=True)
    line = p.stdout.readline()
    return p, int(re.search(r":(\d+)$", line.strip()).group(1))


class Client:
    def __init__(self, port):
        self.s = socket.create_connection(("127.0.0.1", port))
        self.s.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.buf = b""
        self.until(b"END PRELUDE:\n\n")
        self.buf = b""

    def routes(self):
        # The routes in force, as the server says when asked.
        self.send(b"VIDEO OUTPUT ROUTING:\n\n")
        self.until(b"ACK\n\nVIDEO OUTPUT ROUTING:")
        while b"\n\n" not in self.buf:
            self.buf += self.s.recv(65536)
        block, self.buf = self.buf.split(b"\n\n", 1)  # an empty block ends at once
        held = {}
        for line in block.decode().splitlines():
            o, i = line.split()
            held[int(o)] = int(i)
        return held

    def until(self, text, limit=20.0):
        end = time.monotonic() + limit
        while text not in self.buf:
            self.s.settimeout(max(0.01, end - time.monotonic()))
            chunk = self.s.recv(65536)
            if not chunk:
                raise RuntimeError("closed")
            self.buf += chunk
        at = self.buf.index(text) + len(text)
        self.buf = self.buf[at:]
        return time.monotonic()

    def send(self, data):
        self.s.sendall(data)


def p95(values):
    return sorted(values)[max(0, int(len(values) * 0.95) - 1)]


def transcript():
    with open(os.path.join(work, "transcript.txt"), errors="replace") as f:
        return f.read()


def stop(*procs):
    for p in procs:
        p.terminate()
        p.wait(10)


# 1. Route to ACK, idle and while the panel waits for the switcher.
sim, sim_port = start_sim(["--baud", "57600", "--delay-ms", "40"])
serve, port = start_serve(["--serial", os.path.join(work, "com1")])
a, b = Client(port), Client(port)
idle, busy = [], []
for k in range(40):
    t = time.monotonic()
    a.send(b"VIDEO OUTPUT ROUTING:\n%d %d\n\n" % (k % 16, k % 7))
    idle.append(a.until(b"ACK\n\n") - t)
    a.until(b"VIDEO OUTPUT ROUTING:\n")
    time.sleep(0.05)
for k in range(40):
    # b's route first: the window's thread is in its serial exchange when a's route comes.
    b.send(b"VIDEO OUTPUT ROUTING:\n%d %d\n\n" % (k % 16, (k + 3) % 7))
    b.until(b"ACK\n\n")
    time.sleep(0.02)
    t = time.monotonic()
    a.send(b"VIDEO OUTPUT ROUTING:\n%d %d\n\n" % ((k + 5) % 16, k % 5))
    busy.append(a.until(b"ACK\n\n") - t)
    time.sleep(0.6)
    a.buf = b.buf = b""
print("router server, route to ACK, 95th percentile: idle %.1f ms, panel waiting for the switcher %.1f ms "
      "(goal: under 50 ms)" % (p95(idle) * 1000, p95(busy) * 1000))
stop(serve, sim)

# 2. Route to the change at 32 clients over serial, against the wire time of its lines.
sim, sim_port = start_sim(["--baud", "57600"])
serve, port = start_serve(["--serial", os.path.join(work, "com1")])
clients = [Client(port) for _ in range(32)]
held = clients[0].routes()
ratios = []
for k in range(20):
    # Always a change, so that every client is sent one.
    o = k % 16
    i = (held.get(o, 0) + 1) % 16
    held[o] = i
    for c in clients:
        c.buf = b""
    t = time.monotonic()
    clients[0].send(b"VIDEO OUTPUT ROUTING:\n%d %d\n\n" % (o, i))
    push = b"VIDEO OUTPUT ROUTING:\n%d %d\n\n" % (o, i)
    last = max(c.until(push) for c in clients)
    # The switcher's own time: RTEMP and TAKE 1 with their answers, 10 bits a byte at 57600
    # baud, and the simulator's answers (about 40 bytes each).
    wire = (len("RTEMP %d %d\r" % (o + 1, i + 1)) + len("TAKE 1\r") + 80) * 10 / 57600
    ratios.append((last - t, wire))
    time.sleep(0.3)
spent = p95([r[0] for r in ratios])
wire = statistics.mean(r[1] for r in ratios)
print("router server, route to the change at 32 clients over serial, 95th percentile: %.1f ms; "
      "the lines on the wire %.1f ms (goal: at most 1.1 x wire + 50 ms = %.1f ms)"
      % (spent * 1000, wire * 1000, (1.1 * wire + 0.05) * 1000))

# 3. Sixteen single-route blocks within 5 ms.
before = transcript().count("TAKE 1")
burst = b"".join(b"VIDEO OUTPUT ROUTING:\n%d %d\n\n" % (o, 15 - o) for o in range(16))
clients[1].buf = b""
clients[1].send(burst)
for o in range(16):
    clients[1].until(b"ACK\n\n")
clients[1].until(b"%d %d\n" % (15, 0))
time.sleep(0.5)
text = transcript()
lines = [l for l in text.splitlines() if "RTEMP" in l]
order = [l.split("RTEMP", 1)[1].split()[0] for l in lines[-16:]]
print("router server, 16 single-route blocks at once: %s, %d TAKE 1 (goal: all in order, at most 2)"
      % ("all applied in order" if order == [str(o + 1) for o in range(16)] else "NOT in order: %s" % order,
         text.count("TAKE 1") - before))

# 4. Idle CPU with 32 clients connected.
def cpu(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


time.sleep(1)
c0, t0 = cpu(serve.pid), time.monotonic()
time.sleep(10)
used = (cpu(serve.pid) - c0) / (time.monotonic() - t0)
print("router server, idle with 32 clients (follow polling every 2 s over serial): %.2f%% of one core" % (used * 100))
stop(serve, sim)
