#!/bin/sh
# Runs a Windows test program under Wine with one debug channel traced into a
# file that the test reads while it runs (its Windows path in HORA_TRACE_FILE).
#   wine-trace.sh CHANNEL PROGRAM [ARGUMENTS...]
set -u
channel=$1
shift
trace=$(mktemp /tmp/hora-trace.XXXXXX)
HORA_TRACE_FILE=$(winepath -w "$trace" 2>/dev/null) WINEDEBUG=-all,+$channel wine "$@" 2>"$trace"
status=$?
rm -f "$trace"
exit $status
