#!/usr/bin/env bash
# Starts or stops what the Windows tests of a build need: a private Xvfb display
# and the build's Wine prefix with a persistent wineserver (so each test program
# starts fast). CTest runs "start" and "stop" as the fixture around the tests.
# Usage: wine-harness.sh start|stop BUILD_DIR
set -uo pipefail
action=$1
build=$(cd "$2" && pwd)
dir=$build/harness
mkdir -p "$dir"

stop() {
  if [ -d "$build/wineprefix" ]; then
    (source "$(dirname "$0")/wine-env.sh" "$build"; "$KINOPOD_WINESERVER" -k 2>/dev/null) || true
  fi
  if [ -s "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
  fi
  rm -f "$dir/xvfb.pid" "$dir/display"
}

case "$action" in
  start)
    stop
    command -v Xvfb >/dev/null || { echo "Xvfb is not installed (scripts/setup.sh)"; exit 1; }
    # -displayfd picks a free display number and writes it to fd 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/display" \
      >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
    [ -s "$dir/display" ] || { echo "Xvfb did not start"; cat "$dir/xvfb.log"; exit 1; }
    # The trailing newline -displayfd writes is no part of the number.
    printf '%s' "$(tr -dc 0-9 <"$dir/display")" >"$dir/display"
    source "$(dirname "$0")/wine-env.sh" "$build"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      # No Gecko or Mono installer prompts while the prefix is made.
      WINEDLLOVERRIDES="mscoree,mshtml=" "$KINOPOD_WINE" wineboot -i >"$dir/wineboot.log" 2>&1 \
        || { echo "wineboot failed"; cat "$dir/wineboot.log"; exit 1; }
      # End the session that made the prefix: its services run with the HTML
      # engine switched off, and the first program to need the RPC service
      # from them waits forever. The tests start from a fresh session, as they
      # do on every later run.
      "$KINOPOD_WINESERVER" -k 2>/dev/null || true
      "$KINOPOD_WINESERVER" -w 2>/dev/null || true
    fi
    "$KINOPOD_WINESERVER" -p >/dev/null 2>&1 || true
    # Start the prefix's services now, with their output in a log rather than
    # on the first test's pipe.
    "$KINOPOD_WINE" wineboot >>"$dir/wineboot.log" 2>&1 </dev/null || true
    # No debugger on an unhandled exception. Wine's own (winedbg --auto)
    # prints a backtrace and then ends the crashed process itself, most times
    # with exit code 0, so a crashed test could pass. Without one the process
    # ends with the exception's code (5 for an access violation, its low
    # byte), and Wine still prints the exception and its address, which
    # wine-verdict.sh looks up in the program. The crash dialog stays off for
    # a prefix someone points a debugger at again.
    "$KINOPOD_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f \
      >>"$dir/wineboot.log" 2>&1 </dev/null || true
    "$KINOPOD_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >>"$dir/wineboot.log" 2>&1 </dev/null || true
    echo "display :$(cat "$dir/display"), prefix $WINEPREFIX"
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
