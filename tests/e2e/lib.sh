# Shell helpers for end-to-end tests: whole programs under Wine, driven like a person.
#
# A test is tests/e2e/<name>.sh (one ctest test, e2e_<name>); it begins with
#     . "$(dirname "$0")/lib.sh"
# and ends with `finish`. ctest sets QUEN_BUILD (build tree), QUEN_DIST (program folder
# dist/win64), QUEN_DRIVER (QuenDriver.exe) and
# QUEN_E2E_OUT (where screenshots go). Run one by hand with
#     ctest --preset win64 -R e2e_<name> --output-on-failure
#
# Each test runs in its own Wine prefix: a copy-on-write overlay of a base prefix made
# once per build tree, so registry and files start fresh, tests may run in parallel and
# the cleanup (wineserver -k) ends only this test's programs. Windows open inside a
# 1024x768 Wine desktop on one Xvfb per test (started when DISPLAY is unset), framed as
# a person sees them.
#
# Functions
#   need_dist                 skip the test (exit 77, shown as skipped) while the
#                             program folder has no Quenlark.exe
#   start NAME PROG ARGS...   start PROG (a Linux path to an .exe) under Wine in the
#                             background; NAME refers to it later; its stdout and
#                             stderr go to $E2E_RUN/NAME.out and NAME.err
#   drive STEP...             run QuenDriver.exe with these steps; what it prints is
#                             in $out; a failing driver fails the test and ends it
#                             (call drive, start and exit_code directly, never inside
#                             $(...): they set variables and may end the test)
#   drive_fails CODE STEP...  the driver must fail with exit code CODE (1 failed step,
#                             3 timeout); its message is in $out
#   exit_code NAME [SEC]      wait (default 30 s) for program NAME to end; sets $code
#   expect_exit NAME CODE [SEC]   program NAME ends with exit code CODE
#   expect_eq WHAT EXPECTED ACTUAL
#   expect_contains WHAT HAYSTACK NEEDLE
#   expect_file WHAT PATH     the file exists
#   fail MESSAGE              record a failure (the test goes on; finish exits 1)
#   screenshot FILE           save the screen as FILE (PNG)
#   winpath PATH              print a Linux path as Wine sees it (Z:\...)
#   finish                    end the test: exit 1 if anything failed, else 0
# The first failure saves a screenshot to $QUEN_E2E_OUT/shots/<test>.png and prints
# its path.
#
# QuenDriver.exe steps (run it without arguments for the full list). Steps are
# separated by a ";" argument (write \; or ";" in the shell); one driver run with
# several steps saves a Wine start:
#   wait TITLE [SEC] | gone TITLE [SEC] | list TITLE | msgbox TITLE | close TITLE
#   text TITLE CONTROL | press TITLE BUTTON | check TITLE CONTROL | uncheck TITLE CONTROL
#   type TITLE CONTROL TEXT | pick TITLE CONTROL ITEM | exited NAME|PID [SEC]
# Window options in a step: --prefix, --contains (title match), --class NAME.
# CONTROL: #ID, Class:N (Edit:2), a button's caption ("&OK" or "OK"), or the label
# before an edit, combo or list box ("Name:"). `list` prints CLASS<TAB>ID<TAB>FLAGS<TAB>TEXT.
#
# Example:
#   start app "$QUEN_DIST/Quenlark.exe"
#   drive msgbox "Quenlark"
#   expect_eq "missing settings message" "Cannot find Quenlark.ini" "$out"
#   drive press "Quenlark" "OK"
#   expect_exit app 0
#   finish

set -u -o pipefail

E2E_NAME=$(basename "$0" .sh)
E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
: "${QUEN_BUILD:?QUEN_BUILD must name the build directory (run through ctest)}"
: "${QUEN_DIST:=$E2E_ROOT/dist/win64}"
: "${QUEN_DRIVER:=$QUEN_BUILD/tests/e2e/QuenDriver.exe}"
: "${QUEN_E2E_OUT:=$QUEN_BUILD/tests/e2e}"
E2E_WINE_RUN=$E2E_ROOT/tools/wine-run.sh
E2E_WINESERVER=/usr/lib/wine/wineserver
[ -x "$E2E_WINESERVER" ] || E2E_WINESERVER=$(command -v wineserver || echo wineserver)
E2E_RUN=$QUEN_E2E_OUT/run/$E2E_NAME
E2E_BASE=$QUEN_BUILD/e2e-baseprefix

e2e_failures=0
e2e_shot_taken=0
e2e_ready=0
e2e_mounted=0
e2e_xvfb=""
declare -A e2e_pids=()
out=""
code=""

e2e_log() { echo "[$E2E_NAME +${SECONDS}s] $*"; }

screenshot() {
  mkdir -p "$(dirname "$1")"
  import -display "$DISPLAY" -window root "$1" 2>/dev/null
}

fail() {
  e2e_failures=$((e2e_failures + 1))
  echo "FAIL [$E2E_NAME]: $*" >&2
  if [ $e2e_shot_taken -eq 0 ] && [ $e2e_ready -eq 1 ]; then
    e2e_shot_taken=1
    local shot=$QUEN_E2E_OUT/shots/$E2E_NAME.png
    if screenshot "$shot"; then echo "screenshot of the failure: $shot" >&2; fi
  fi
}

expect_eq() {
  if [ "$2" != "$3" ]; then fail "$1: expected [$2], got [$3]"; fi
}

expect_contains() {
  case "$2" in
    *"$3"*) ;;
    *) fail "$1: [$3] not found in [$2]" ;;
  esac
}

expect_file() {
  [ -e "$2" ] || fail "$1: $2 does not exist"
}

winpath() {
  local p
  p=$(cd "$(dirname "$1")" 2>/dev/null && pwd)/$(basename "$1")
  printf 'Z:%s\n' "${p//\//\\}"
}

need_dist() {
  if [ ! -f "$QUEN_DIST/Quenlark.exe" ]; then
    echo "SKIP [$E2E_NAME]: the program folder $QUEN_DIST is not assembled (build the win64 preset)"
    exit 77
  fi
}

e2e_start_xvfb() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 160); do
    [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    e2e_xvfb=$!
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    if kill -0 "$e2e_xvfb" 2>/dev/null; then export DISPLAY=:$n; return 0; fi
    e2e_xvfb=""
  done
  echo "could not start Xvfb" >&2
  exit 1
}

# The base prefix is made once per build tree (about half a minute); concurrent tests
# wait for it. Its windows open in a 1024x768 Wine desktop, framed as on Windows.
e2e_base_prefix() {
  mkdir -p "$QUEN_BUILD"
  (
    flock 9
    if [ ! -f "$E2E_BASE/.e2e-ready" ]; then
      rm -rf "$E2E_BASE"
      # wine-run.sh makes the prefix (wineboot -i) before its first command.
      WINEPREFIX=$E2E_BASE "$E2E_WINE_RUN" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
      WINEPREFIX=$E2E_BASE "$E2E_WINE_RUN" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
      WINEPREFIX=$E2E_BASE "$E2E_WINESERVER" -w
      [ -f "$E2E_BASE/system.reg" ] && touch "$E2E_BASE/.e2e-ready"
    fi
  ) 9>"$QUEN_BUILD/e2e-baseprefix.lock"
  [ -f "$E2E_BASE/.e2e-ready" ] || { echo "could not create the Wine prefix $E2E_BASE" >&2; exit 1; }
}

# The test's own prefix: an overlay on the base (instant); without mount rights, a copy.
e2e_test_prefix() {
  e2e_unmount
  rm -rf "$E2E_RUN"
  mkdir -p "$E2E_RUN/upper" "$E2E_RUN/work" "$E2E_RUN/prefix"
  if mount -t overlay overlay -o "lowerdir=$E2E_BASE,upperdir=$E2E_RUN/upper,workdir=$E2E_RUN/work" \
      "$E2E_RUN/prefix" 2>/dev/null; then
    e2e_mounted=1
  else
    e2e_log "no overlay mount here; copying the base prefix"
    cp -a "$E2E_BASE/." "$E2E_RUN/prefix/"
  fi
  export WINEPREFIX=$E2E_RUN/prefix
  export WINEDEBUG=${WINEDEBUG:--all}
}

e2e_setup() {
  [ $e2e_ready -eq 1 ] && return 0
  e2e_start_xvfb
  e2e_base_prefix
  e2e_test_prefix
  # One persistent wineserver for the whole test: each program start then costs about
  # a second instead of a fresh Wine session.
  "$E2E_WINESERVER" -p
  e2e_ready=1
}

# Also clears what a killed earlier run of this test left (ctest kills on a timeout).
e2e_unmount() {
  if [ -d "$E2E_RUN/prefix" ] && mountpoint -q "$E2E_RUN/prefix"; then
    WINEPREFIX=$E2E_RUN/prefix "$E2E_WINESERVER" -k 2>/dev/null
    umount "$E2E_RUN/prefix" 2>/dev/null || umount -l "$E2E_RUN/prefix"
  fi
}

e2e_cleanup() {
  if [ $e2e_ready -eq 1 ]; then
    "$E2E_WINESERVER" -k 2>/dev/null
    local name
    for name in "${!e2e_pids[@]}"; do wait "${e2e_pids[$name]}" 2>/dev/null; done
    "$E2E_WINESERVER" -w 2>/dev/null
    e2e_unmount
    [ "${QUEN_E2E_KEEP:-0}" = 1 ] || rm -rf "$E2E_RUN"
  fi
  [ -n "$e2e_xvfb" ] && kill "$e2e_xvfb" 2>/dev/null
  return 0
}
trap e2e_cleanup EXIT
trap 'exit 143' TERM INT

start() {
  local name=$1
  shift
  e2e_setup
  e2e_log "start $name:$(printf ' %q' "$@")"
  "$E2E_WINE_RUN" "$@" >"$E2E_RUN/$name.out" 2>"$E2E_RUN/$name.err" &
  e2e_pids[$name]=$!
}

# Runs the driver; sets e2e_rc, $out (stdout) and e2e_err (stderr).
e2e_drive() {
  e2e_setup
  e2e_log "drive$(printf ' %q' "$@")"
  local errfile=$E2E_RUN/driver.err
  out=$("$E2E_WINE_RUN" "$QUEN_DRIVER" "$@" 2>"$errfile")
  e2e_rc=$?
  out=${out//$'\r'/}
  e2e_err=$(cat "$errfile")
  [ -n "$out" ] && printf '%s\n' "$out" | sed 's/^/    | /'
  return 0
}

drive() {
  e2e_drive "$@"
  if [ $e2e_rc -ne 0 ]; then
    fail "driver failed (exit $e2e_rc): $e2e_err"
    finish
  fi
}

drive_fails() {
  local want=$1
  shift
  e2e_drive "$@"
  if [ $e2e_rc -ne "$want" ]; then
    fail "driver should fail with exit $want but ended with $e2e_rc: $*"
  fi
  out=$e2e_err
}

exit_code() {
  local name=$1 seconds=${2:-30}
  local pid=${e2e_pids[$name]:-}
  [ -n "$pid" ] || { fail "no program started as $name"; code=""; return 1; }
  local ticks=$((seconds * 10))
  while kill -0 "$pid" 2>/dev/null && [ $ticks -gt 0 ]; do sleep 0.1; ticks=$((ticks - 1)); done
  if kill -0 "$pid" 2>/dev/null; then
    fail "program $name still running after $seconds s"
    code=""
    return 1
  fi
  wait "$pid"
  code=$?
  unset "e2e_pids[$name]"
  return 0
}

expect_exit() {
  exit_code "$1" "${3:-30}" && expect_eq "exit code of $1" "$2" "$code"
}

finish() {
  if [ $e2e_failures -gt 0 ]; then
    echo "[$E2E_NAME] $e2e_failures failure(s)" >&2
    exit 1
  fi
  e2e_log "passed"
  exit 0
}

# log_when_done WINDOW: the progress log is complete once its OK button shows (until then
# it may still grow); then its text is read into $out.
log_when_done() {
  local i
  for i in $(seq 60); do
    e2e_drive list "$1"
    printf '%s\n' "$out" | grep -qP '^Button\t-?\d+\tvisible,enabled[^\t]*\t&?OK$' && break
    sleep 0.5
  done
  drive text "$1" Edit:1
}
