# Shared by the Wine suite and the screenshot script: the programs, a Wine
# prefix of its own on an Xvfb display with a German keyboard layout, and the
# helpers that start and drive the Windows programs. Source it, then call
# wine_session_start WORK-FOLDER.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
win32_build=${KEYSTRIP_WIN32_BUILD:-$root/build/win32}
bar_exe=$win32_build/keystrip.exe
helpers=$win32_build/tests/e2e/wine
screen_width=1024
screen_height=768

# Waits until COMMAND succeeds, polling every 0.1 s, for at most SECONDS.
wait_until() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

session_pids=()
wine_session_end() {
  [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null
  for pid in "${session_pids[@]}"; do kill "$pid" 2>/dev/null; done
  # Files made unwritable by a case must stay removable.
  [ -d "$session_work" ] && chattr -R -i "$session_work" 2>/dev/null
  return 0
}

# Only the keys of a German PC keyboard: the multimedia keys of the default
# symbols also carry "(" and ")", and Wine would look those keys up for them.
layout_is_german() { setxkbmap -layout de -symbols pc+de && setxkbmap -query | grep -q '^layout: *de$'; }

# Makes WORK afresh and starts the display and the Wine server in it.
wine_session_start() {
  session_work=$1
  local program
  for program in "$bar_exe" "$helpers/keystrip-driver.exe" "$helpers/keystrip-receiver.exe"; do
    if [ ! -f "$program" ]; then
      echo "wine: $program is missing; build the win32 preset first" >&2
      return 1
    fi
  done
  trap wine_session_end EXIT
  [ -d "$session_work" ] && chattr -R -i "$session_work" 2>/dev/null
  rm -rf "$session_work"
  mkdir -p "$session_work"

  export WINEPREFIX=$session_work/prefix
  export WINEDEBUG=-all
  # No installer dialogs for the .NET and HTML runtimes while the prefix is made.
  export WINEDLLOVERRIDES="mscoree,mshtml="

  # -displayfd: Xvfb picks a free display and tells its number.
  # -noreset: the keyboard layout must outlive the moments when no client is connected.
  Xvfb -displayfd 5 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp -noreset \
    5>"$session_work/display" >"$session_work/xvfb.log" 2>&1 &
  session_pids+=($!)
  wait_until 20 test -s "$session_work/display" || { echo "wine: Xvfb did not start" >&2; return 1; }
  export DISPLAY=:$(head -n1 "$session_work/display")
  wait_until 20 xdpyinfo || { echo "wine: Xvfb does not answer" >&2; return 1; }
  wait_until 20 layout_is_german || { echo "wine: could not set the German keyboard layout" >&2; return 1; }

  echo "wine: creating the Wine prefix in $WINEPREFIX"
  wineboot -i >"$session_work/wineboot.log" 2>&1
  wine_server_start
}

# One server for the whole session, so every program starts quickly. Its
# system processes are started here, with their output to the log: started by
# a program inside a command substitution, they would keep its pipe open.
wine_server_start() {
  wineserver -p
  driver metrics >>"$session_work/wineboot.log" 2>&1 </dev/null
  return 0
}

driver() { wine "$helpers/keystrip-driver.exe" "$@"; }

# Starts the receiving window titled TITLE, recording into FILE; waits until it is shown.
start_receiver() {
  local title=$1 file=$2
  shift 2
  rm -f "$file" "$file.log"
  wine "$helpers/keystrip-receiver.exe" "$title" "$file" "$@" &
  driver find KeystripReceiver "$title" 20000 >/dev/null
}

# Starts the bar in folder DIR with the given arguments; sets bar_pid.
start_bar() {
  local dir=$1
  shift
  (cd "$dir" && exec wine "$bar_exe" "$@") &
  bar_pid=$!
}

# Sets exit_code to the exit code of process PID (a child of this shell, so
# not from inside a command substitution), waiting at most SECONDS; 124 when
# it did not end.
wait_exit() {
  local pid=$1 seconds=${2:-30}
  if wait_until "$seconds" bash -c "! kill -0 $pid"; then
    wait "$pid"
    exit_code=$?
  else
    kill "$pid" 2>/dev/null
    exit_code=124
  fi
}

# Clicks the middle of the bar's button with that caption, for real, on the display.
click_bar_button() {
  local title=$1 caption=$2 left top right bottom text
  while read -r left top right bottom text; do
    if [ "$text" = "$caption" ]; then
      xdotool mousemove $(((left + right) / 2)) $(((top + bottom) / 2)) click 1
      return 0
    fi
  done < <(driver buttons TKeystripMainForm "$title" | tr -d '\r')
  echo "no button '$caption' on the bar '$title'"
  return 1
}
