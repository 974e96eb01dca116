#!/usr/bin/env bash
# Runs a test binary on the xcb platform under a virtual X server of its own (on a display
# number the server picks free) with the openbox window manager, and stops both at the end,
# whatever the test's outcome. Usage: run.sh <test binary> [its arguments]
set -euo pipefail
limite=100 # tenths of a second that the server and the window manager may take to start

cartella=$(mktemp -d)
server=""
gestore=""
fine() {
  local stato=$?
  set +e
  for processo in $gestore $server; do
    kill "$processo" 2>/dev/null
    wait "$processo" 2>/dev/null
  done
  rm -rf "$cartella"
  exit "$stato"
}
trap fine EXIT

# The server writes the display number it took once it is ready for clients.
Xvfb -displayfd 3 -screen 0 1400x1050x24 -nolisten tcp 3>"$cartella/display" 2>"$cartella/xvfb.log" &
server=$!
for ((i = 0; i < limite; i++)); do
  [ -s "$cartella/display" ] && break
  kill -0 "$server" 2>/dev/null || { cat "$cartella/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[ -s "$cartella/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$cartella/display")"

# The window manager is ready once it names itself on the root window.
openbox --sm-disable >"$cartella/openbox.log" 2>&1 &
gestore=$!
for ((i = 0; i < limite; i++)); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$gestore" 2>/dev/null || { cat "$cartella/openbox.log" >&2; exit 1; }
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
  { echo "openbox did not start" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
