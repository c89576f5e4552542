#!/bin/sh
# Starts or stops the one wine server that all Windows tests share. A cold start costs
# seconds; a server that stays up makes each run of the program a fraction of one.
# Everything it starts writes to a log, not to the test's output, so that no background
# process holds on to the pipes of a test.
set -eu
case "$1" in
start)
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >>"$WINEPREFIX.log" 2>&1
    wineboot -i </dev/null >>"$WINEPREFIX.log" 2>&1
    ;;
stop)
    wineserver -k </dev/null >>"$WINEPREFIX.log" 2>&1 || true
    ;;
esac
