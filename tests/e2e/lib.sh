# Shell helpers for end-to-end tests: whole programs under Wine, driven like a person.
#
# A test is tests/e2e/<name>.sh (ctest test e2e_<name>): it sources this file and ends with
# `finish`. ctest sets QUEN_BUILD, QUEN_DIST (dist/win64), QUEN_DRIVER and QUEN_E2E_OUT
# (screenshots); run one with `ctest --preset win64 -R e2e_<name> --output-on-failure`.
# Each test has its own Wine prefix (an overlay on a base prefix made once per build tree)
# and its own Xvfb with a 1024x768 Wine desktop, so windows are framed as a person sees them.
#
#   need_dist                   skip (exit 77) while dist has no Quenlark.exe
#   start NAME PROG ARGS...     start PROG under Wine in the background; output in
#                               $E2E_RUN/NAME.out and NAME.err
#   drive STEP...               run QuenDriver.exe (`QuenDriver.exe --help` lists the steps;
#                               steps are separated by a ";" argument); its output is in
#                               $out; a failing driver ends the test. Never inside $(...).
#   drive_fails CODE STEP...    the driver must fail with CODE (1 failed, 3 timeout); its
#                               message is in $out
#   exit_code NAME [SEC]        wait (30 s) for program NAME; sets $code
#   expect_exit NAME CODE [SEC] | expect_eq WHAT WANT GOT | expect_contains WHAT TEXT PART
#   expect_file WHAT PATH | fail MESSAGE (the test goes on) | finish (exit 1 on failures)
#   screenshot FILE | winpath PATH (Z:\...) | reg_data KEY [NAME] (data or ""; no NAME: default)
#   log_when_done TITLE         a progress log into $out once its OK button shows (waits for it)
#   qnl SETUP [TEXT]            print a script's head: SETUP in [Setup], TEXT before the
#                               shared texts in [Text] (a key's first line wins; printf %b)
# The first failure saves a screenshot to $QUEN_E2E_OUT/shots/<test>.png.

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
E2E_SHOTS=$QUEN_E2E_OUT/shots
# The texts a patch script needs; each test adds what it looks at.
E2E_TEXTS='FNF=NOTFOUND\r\nSFD=CHECKSUM\r\nERR=Error\r\nPatchFail=FAILED\r\nBrokenWarn=Broken\r\nETitle=End\r\nEText=Done\r\nOK=OK\r\nCANCEL=Cancel\r\nAbout=About\r\nOnPatch=Log\r\nPText=Prompt\r\nMakeBKFile=True\r\nCWhenError=True\r\nShowRun=True\r\nstrDelFile=DEL\r\nstrPatchINI=INI\r\nstrRenFile=REN\r\nstrPatchByte=BYTES\r\nstrSuccess=OK!\r\nPatchFileTitle=\r\n'

e2e_failures=0 e2e_shot_taken=0 e2e_ready=0 e2e_xvfb=""
declare -A e2e_pids=()
out="" code=""

e2e_log() { echo "[$E2E_NAME +${SECONDS}s] $*"; }
screenshot() { mkdir -p "$(dirname "$1")" && import -display "$DISPLAY" -window root "$1" 2>/dev/null; }

fail() {
  e2e_failures=$((e2e_failures + 1))
  echo "FAIL [$E2E_NAME]: $*" >&2
  if [ $e2e_shot_taken -eq 0 ] && [ $e2e_ready -eq 1 ]; then
    e2e_shot_taken=1
    screenshot "$E2E_SHOTS/$E2E_NAME.png" && echo "screenshot of the failure: $E2E_SHOTS/$E2E_NAME.png" >&2
  fi
}
expect_eq() { [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"; }
expect_contains() { case "$2" in *"$3"*) ;; *) fail "$1: [$3] not found in [$2]" ;; esac; }
expect_file() { [ -e "$2" ] || fail "$1: $2 does not exist"; }
# cd_drive: $E2E_RUN/cd as CD drive R: with serial 674523D1 (Wine reads it from
# .windows-serial at the root); the mount manager reads drive types when the server starts.
cd_drive() {
    mkdir -p "$E2E_RUN/cd" && echo 674523D1 >"$E2E_RUN/cd/.windows-serial" && ln -sfn "$E2E_RUN/cd" "$WINEPREFIX/dosdevices/r:"
    "$E2E_WINE_RUN" reg add 'HKLM\Software\Wine\Drives' /v r: /d cdrom /f >/dev/null 2>&1
    "$E2E_WINESERVER" -k; "$E2E_WINESERVER" -w; "$E2E_WINESERVER" -p
}
winpath() {
  local p
  p=$(cd "$(dirname "$1")" 2>/dev/null && pwd)/$(basename "$1")
  printf 'Z:%s\n' "${p//\//\\}"
}
reg_data() {
  local which=(/ve) name=${2:-(Default)}
  [ -n "${2:-}" ] && which=(/v "$2")
  "$E2E_WINE_RUN" reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' | sed -n "s/.*$name[[:space:]]*REG_[A-Z]*[[:space:]]*//p"
}
qnl() { printf '[Setup]\r\nScriptID=QuenlarkScript_100\r\n%b[Text]\r\n%b%b' "$1" "${2:-}" "$E2E_TEXTS"; }

need_dist() {
  [ -f "$QUEN_DIST/Quenlark.exe" ] || { echo "SKIP [$E2E_NAME]: $QUEN_DIST is not assembled (build win64)"; exit 77; }
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

# The base prefix takes about half a minute; concurrent tests wait for it.
e2e_base_prefix() {
  mkdir -p "$QUEN_BUILD"
  (
    flock 9
    if [ ! -f "$E2E_BASE/.e2e-ready" ]; then
      rm -rf "$E2E_BASE"
      local r='HKCU\Software\Wine\Explorer'  # wine-run.sh makes the prefix before its first command
      WINEPREFIX=$E2E_BASE "$E2E_WINE_RUN" reg add "$r" /v Desktop /d Default /f >/dev/null 2>&1
      WINEPREFIX=$E2E_BASE "$E2E_WINE_RUN" reg add "$r\\Desktops" /v Default /d 1024x768 /f >/dev/null 2>&1
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
  if ! mount -t overlay overlay -o "lowerdir=$E2E_BASE,upperdir=$E2E_RUN/upper,workdir=$E2E_RUN/work" \
      "$E2E_RUN/prefix" 2>/dev/null; then
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
  # One persistent wineserver: each program start then costs about a second.
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
  out=$("$E2E_WINE_RUN" "$QUEN_DRIVER" "$@" 2>"$E2E_RUN/driver.err")
  e2e_rc=$?
  out=${out//$'\r'/}
  e2e_err=$(cat "$E2E_RUN/driver.err")
  [ -n "$out" ] && printf '%s\n' "$out" | sed 's/^/    | /'
  return 0
}

drive() {
  e2e_drive "$@"
  [ $e2e_rc -eq 0 ] && return 0
  fail "driver failed (exit $e2e_rc): $e2e_err"
  finish
}

drive_fails() {
  local want=$1
  shift
  e2e_drive "$@"
  [ $e2e_rc -eq "$want" ] || fail "driver should fail with exit $want but ended with $e2e_rc: $*"
  out=$e2e_err
}

exit_code() {
  local name=$1 seconds=${2:-30} pid=${e2e_pids[$1]:-} ticks
  code=""
  [ -n "$pid" ] || { fail "no program started as $name"; return 1; }
  for ((ticks = seconds * 10; ticks > 0; ticks--)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "program $name still running after $seconds s"
    return 1
  fi
  wait "$pid"
  code=$?
  unset "e2e_pids[$name]"
}

expect_exit() { exit_code "$1" "${3:-30}" && expect_eq "exit code of $1" "$2" "$code"; }

finish() {
  [ $e2e_failures -eq 0 ] || { echo "[$E2E_NAME] $e2e_failures failure(s)" >&2; exit 1; }
  e2e_log "passed"
  exit 0
}

# The progress log is complete once its OK button shows (until then it may still grow).
log_when_done() {
  local i
  for i in $(seq 60); do
    e2e_drive list "$1"
    printf '%s\n' "$out" | grep -qP '^Button\t-?\d+\tvisible,enabled[^\t]*\t&?OK$' && break
    sleep 0.5
  done
  drive text "$1" Edit:1
}
