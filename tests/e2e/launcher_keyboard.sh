#!/usr/bin/env bash
# Runs the real program from a folder that stands for the CD, on a private X server, and drives it
# with the keyboard only. Usage:
#   launcher_keyboard.sh SCENARIO VORNINST STANDIN [VORNREG EXAMPLES_CD]
# STANDIN is the recording stand-in program, copied in as _setup.exe and vorn.exe.
set -euo pipefail
. "$(dirname "$0")/lib.sh"

scenario=$1
vorninst=$2
standin=$3
vornreg=${4:-}
examples_cd=${5:-}

KEY='HKEY_LOCAL_MACHINE\Software\Pelliwan Software\Vorn Demo'
INTRO='Vorn (TM) Mirefall'
LAUNCHER='Vorn - Mirefall Setup'
FATAL='Fatal message from Vorn!'
APP_TITLE='VornInst'

e2e_setup
cd_dir="$E2E_TMP/cd"
install_dir="$E2E_TMP/games/vorn demo"
mkdir -p "$cd_dir" "$install_dir"
cp "$vorninst" "$cd_dir/VornInst"
export VORN_REGISTRY="$E2E_TMP/hive.reg"
export HOME="$E2E_TMP/home"
mkdir -p "$HOME"

# A hive whose settings key names DIR as the installation directory.
write_hive() {
    printf 'REGEDIT4\r\n\r\n[%s]\r\n"Directory"="%s"\r\n' "$KEY" "$1" >"$VORN_REGISTRY"
}

start_program() { e2e_start "$cd_dir" ./VornInst; }

# Leaves the requirement screens by Enter on the introduction screen; prints the launcher window.
through_screens_by_enter() {
    local w
    w=$(e2e_window "$INTRO")
    e2e_keys "$w" Return
    e2e_next "$LAUNCHER" "$w"
}

# Escape and Alt+F4 must leave WINDOW open with the state unchanged. Had either ended the screen,
# the keys that follow would land on another screen and the expected next window would not come.
try_to_close() {
    e2e_keys "$1" Escape
    e2e_keys "$1" alt+F4
}

case "$scenario" in
not-installed-install)
    # Through Required and Recommended and back, trying Escape and Alt+F4 on every screen, then
    # Enter on the launcher starts ./_setup.exe from the start folder and the program ends.
    cp "$standin" "$cd_dir/_setup.exe"
    start_program
    w=$(e2e_window "$INTRO")
    try_to_close "$w"
    e2e_keys "$w" Tab Return                 # Required
    w=$(e2e_next Required "$w")
    try_to_close "$w"
    e2e_keys "$w" Return                     # OK: back to a new introduction screen
    w=$(e2e_next "$INTRO" "$w")
    e2e_keys "$w" Tab Tab Return             # Recommended (the focus starts on OK again)
    w=$(e2e_next Recommended "$w")
    try_to_close "$w"
    e2e_keys "$w" Return
    w=$(e2e_next "$INTRO" "$w")
    e2e_keys "$w" Return
    w=$(e2e_next "$LAUNCHER" "$w")
    e2e_keys "$w" Return
    e2e_wait_record _setup.exe
    e2e_wait_exit "$E2E_PID"
    e2e_expect_eq "installer argc" 1 "$(e2e_field _setup.exe argc)"
    e2e_expect_eq "installer argv[0]" _setup.exe "$(e2e_field _setup.exe argv0)"
    e2e_expect_eq "installer folder" "$cd_dir" "$(e2e_field _setup.exe cwd)"
    ;;
installed-play)
    # Enter on the launcher starts <Directory>/vorn.exe from the installation folder, and the
    # program ends while the game is still running.
    cp "$standin" "$install_dir/vorn.exe"
    write_hive "$install_dir"
    export VORN_STANDIN_HOLD=1
    start_program
    w=$(through_screens_by_enter)
    e2e_keys "$w" Return
    e2e_wait_record vorn.exe
    e2e_wait_exit "$E2E_PID"
    game_pid=$(e2e_field vorn.exe pid)
    e2e_running "$game_pid" || e2e_fail "the game ended before the launcher; it was waited for"
    e2e_expect_eq "game argc" 1 "$(e2e_field vorn.exe argc)"
    e2e_expect_eq "game argv[0]" "$install_dir/vorn.exe" "$(e2e_field vorn.exe argv0)"
    e2e_expect_eq "game folder" "$install_dir" "$(e2e_field vorn.exe cwd)"
    : >"$VORN_STANDIN_RECORDS/release"
    ;;
installer-missing)
    # No _setup.exe on the CD; one on the PATH must not be found. The failure box, then the end.
    mkdir -p "$E2E_TMP/bin"
    cp "$standin" "$E2E_TMP/bin/_setup.exe"
    export PATH="$E2E_TMP/bin:$PATH"
    start_program
    w=$(through_screens_by_enter)
    e2e_keys "$w" Return
    box=$(e2e_window "$FATAL")
    e2e_keys "$box" Return
    e2e_wait_exit "$E2E_PID"
    [ ! -e "$(e2e_record _setup.exe)" ] || e2e_fail "an installer on the PATH was started"
    ;;
game-missing)
    # The game is removed after the launcher has found it: the failure box, then the end.
    cp "$standin" "$install_dir/vorn.exe"
    write_hive "$install_dir"
    start_program
    w=$(through_screens_by_enter)
    rm "$install_dir/vorn.exe"
    e2e_keys "$w" Return
    box=$(e2e_window "$FATAL")
    e2e_keys "$box" Return
    e2e_wait_exit "$E2E_PID"
    [ ! -e "$(e2e_record vorn.exe)" ] || e2e_fail "a game was started"
    ;;
reset-keyboard)
    # Tab to "Reset  keyboard setup", Enter, Yes, OK: key.txt becomes a copy of default.txt. Then
    # Alt+K and No: nothing changes; Enter asks again, No. Exit by Alt+X.
    cp "$standin" "$install_dir/vorn.exe"
    printf 'up=W\r\ndown=S\r\n' >"$install_dir/key.txt"
    printf 'up=UP\r\ndown=DOWN\r\n\000\377' >"$install_dir/default.txt"
    write_hive "$install_dir"
    start_program
    w=$(through_screens_by_enter)
    e2e_keys "$w" Tab Tab Return             # from Play over Change driver settings to Reset keyboard
    box=$(e2e_window "$APP_TITLE")
    e2e_keys "$box" Return                   # Yes, the default answer
    box2=$(e2e_next "$APP_TITLE" "$box")     # the warning
    e2e_keys "$box2" Return
    e2e_wait_gone "$box2"
    e2e_wait_for "key.txt to equal default.txt" cmp -s "$install_dir/key.txt" "$install_dir/default.txt"
    printf 'changed\n' >"$install_dir/key.txt"
    e2e_keys "$w" alt+k
    box=$(e2e_window "$APP_TITLE")
    e2e_keys "$box" Tab Return               # No
    e2e_wait_gone "$box"
    # The focus is back on "Reset  keyboard setup": Enter asks again rather than starting the game.
    e2e_keys "$w" Return
    box=$(e2e_window "$APP_TITLE")
    e2e_keys "$box" Tab Return               # No
    e2e_wait_gone "$box"
    e2e_keys "$w" alt+x
    e2e_wait_exit "$E2E_PID"
    e2e_expect_eq "key.txt after No" changed "$(cat "$install_dir/key.txt")"
    [ ! -e "$(e2e_record vorn.exe)" ] || e2e_fail "Exit started the game"
    ;;
sample-cd)
    # The sample CD of the README: install with the example installer, then play the example game.
    [ -n "$vornreg" ] && [ -d "$examples_cd" ] || e2e_fail "needs VORNREG and EXAMPLES_CD"
    cp -r "$examples_cd/." "$cd_dir/"
    cp "$vornreg" "$cd_dir/vornreg"
    start_program
    w=$(through_screens_by_enter)
    e2e_keys "$w" Return
    e2e_wait_exit "$E2E_PID"
    e2e_wait_for "the example installer" test -f "$HOME/vorn/vornreg"
    e2e_wait_for "the settings key" "$vornreg" get "$KEY" Directory
    start_program
    w=$(through_screens_by_enter)
    e2e_keys "$w" Return
    e2e_wait_exit "$E2E_PID"
    e2e_wait_for "the example game to run" test -f "$HOME/vorn/last-run.txt"
    grep -qx "working directory: $HOME/vorn" "$HOME/vorn/last-run.txt" ||
        e2e_fail "the game ran elsewhere: $(cat "$HOME/vorn/last-run.txt")"
    grep -qx 'up=UP' "$HOME/vorn/last-run.txt" || e2e_fail "the game did not show key.txt"
    ;;
*)
    e2e_fail "unknown scenario $scenario"
    ;;
esac
e2e_expect_clean_run
e2e_log "$scenario: passed"
