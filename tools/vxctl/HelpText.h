#pragma once
// What `vxctl --help` prints: every command with an example.
namespace vxctl {

inline constexpr const char* HelpText =
    R"(Usage: vxctl (--serial DEVICE | --tcp HOST[:PORT]) [--json] COMMAND [ARGS]
Drives a Vextaro crosspoint switcher from a shell: the same commands, queries and time
limits as the panel, with the outcome of every command in the exit status.

Links:
  --serial DEVICE        the switcher's RS-232 port, e.g. /dev/ttyUSB0 (57600 baud, RTS/CTS)
  --tcp HOST[:PORT]      the switcher's Ethernet port; PORT defaults to 23

Commands (outputs, inputs and presets count from 1):
  read                   the full status read; prints model, firmware, IP, lockout, VI
                         state, routes, groups and stored presets
                           vxctl --tcp 10.0.0.5 read --json > today.json
  route OUT IN [OUT IN...]
                         pending routes; IN 0 is a pending disconnect; --take takes them
                           vxctl --tcp 10.0.0.5 route 3 5 4 0 --take --verify
  take                   puts the pending routes in force
                           vxctl --serial /dev/ttyUSB0 take --verify
  cancel                 withdraws the pending routes
                           vxctl --serial /dev/ttyUSB0 cancel
  clear                  removes every route
                           vxctl --tcp 10.0.0.5 clear
  reclock OUT on|off     the reclocker of one output
                           vxctl --tcp 10.0.0.5 reclock 2 on
  preset store N         takes the pending routes, then stores preset N (1 to 8)
                           vxctl --tcp 10.0.0.5 preset store 2
  preset recall N        recalls preset N and sets every reclocker from it
                           vxctl --tcp 10.0.0.5 preset recall 2 --verify
  lock on|off            front panel lockout
                           vxctl --tcp 10.0.0.5 lock on
  vi on|off              vertical switching follows source channel 1
                           vxctl --tcp 10.0.0.5 vi off
  system save | system recall
                         the switcher saves or recalls its system settings
                           vxctl --tcp 10.0.0.5 system save
  ip A.B.C.D             gives the switcher a new IP address
                           vxctl --serial /dev/ttyUSB0 ip 192.168.1.50
  reset | factory-reset  resets to the saved or the factory settings; only with --yes
                           vxctl --serial /dev/ttyUSB0 reset --yes
  watch                  polls the switcher as the panel's follow mode does and prints one
                         line per route change until SIGINT or SIGTERM (exit 0), or until
                         the link is lost or the switcher stops answering (exit 1)
                           vxctl --tcp 10.0.0.5 watch --interval 5 --json
  serve [[ADDRESS:]PORT] serves router control systems (the router protocol, port 9990 on
                         127.0.0.1 by default; 0 picks a free port) in front of the
                         switcher, with follow mode on, until SIGINT, SIGTERM or SIGHUP
                         (exit 0); --allow, --clients-may-change-labels, --read-only
                           vxctl --serial /dev/ttyUSB0 serve 0.0.0.0:9990 --allow 10.1.2.0/24
  raw LINE               one line as typed; its answer printed with bytes escaped
                           vxctl --tcp 10.0.0.5 raw "MINFOVX"

Options:
  --json                 machine-readable output: the report of read, for watch one object
                         per change, or for other commands the lines sent with their
                         answers and the verification
  --verify               with route ... --take, take and preset recall: reads the routes
                         back and fails naming each output that is not as asked
  --take                 with route: takes the routes once they are all pending
  --yes                  confirms reset and factory-reset
  --config FILE          with read: adds the names from a saved configuration file
  --interval S           with watch and serve: seconds between polls, 1 to 60 (default 2)
  --allow LIST           with serve: the client addresses and prefixes let in, separated
                         by commas (default: the loopback alone)
  --clients-may-change-labels
                         with serve: clients may rename inputs and outputs
  --read-only            with serve: clients read, and change nothing
  --log FILE             appends a record of each line sent, its answer and each
                         status query to FILE, as the panel's activity log does
  --help                 this text

Exit status: 0 done; 1 the switcher did not answer, answered with an error, a
verification failed, or the report could not be written (the message says which);
2 a usage error (nothing is sent).
)";

}  // namespace vxctl
