#!/bin/sh
# Prints the command prefix that keeps a Wine program on one processor, or
# nothing. Every Wine call is a round trip to the Wine server; between two
# processors a virtual machine may take ten times as long to wake the other
# side, so the programs, and the server and services they start, share one.
# ORR_WINE_CPUS=<n> picks the processor; ORR_WINE_CPUS=all leaves the choice
# to the system.
[ "${ORR_WINE_CPUS:-}" = all ] && exit 0
command -v taskset >/dev/null 2>&1 || exit 0
cpu=${ORR_WINE_CPUS:-$(taskset -pc $$ 2>/dev/null | sed 's/.*: *//; s/[,-].*//')}
[ -n "$cpu" ] && echo "taskset -c $cpu"
exit 0
