#!/bin/bash
# KasSetup.exe under 32-bit Wine on a private X server with openbox: the same user-visible
# behaviour as the Linux build, where Wine allows checking it from outside.
# Needs KASSETUP_EXE (the launcher) and KASSETUP_STAND_IN (a program that records its start).
source "$(dirname "$0")/x_session.sh"

export WINEPREFIX="$E2E_WORK/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export KASSETUP_E2E_LOG="$E2E_WORK/started.log"
start_x_session
wineboot -i >/dev/null 2>&1
KASSETUP_E2E_LOG=$(winepath -w "$KASSETUP_E2E_LOG" 2>/dev/null)

windows_medium() {
    local medium="$E2E_WORK/$1"
    mkdir -p "$medium/KasInstall" "$medium/DirectX9"
    cp "$KASSETUP_EXE" "$medium/KasSetup.exe"
    cp "$KASSETUP_STAND_IN" "$medium/KasTerminal.exe"
    cp "$KASSETUP_STAND_IN" "$medium/KasInstall/KasTerminal_setup.exe"
    cp "$KASSETUP_STAND_IN" "$medium/DirectX9/dx90_setup.exe"
    printf 'Caf\xe9 \x80 5\r\nvo\xf3r en na\r\n\r\nlaatste regel\r\n' >"$medium/Setup.txt"
    rm -f "$E2E_WORK/started.log"
    echo "$medium"
}

launcher_up() {
    (cd "$E2E_WORK" && exec wine "$1/KasSetup.exe" >"$E2E_WORK/launcher.log" 2>&1) &
    LAUNCHER_PID=$!
    E2E_PIDS+=($LAUNCHER_PID)
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^KasTerminal - Setup\$" | head -n1)
    [ -n "$window" ]
}

launcher_gone() { no_window_within "KasTerminal - Setup" 0.2; }

medium=$(windows_medium window)
check "KasSetup.exe shows its window under Wine" launcher_up "$medium"
read_window_geometry "$window"
check "client area is 390 x 225 (got ${WIN_W} x ${WIN_H})" [ "$WIN_W" = 390 -a "$WIN_H" = 225 ]
check "banner's band at (200, 5) is sky blue" [ "$(client_pixel "$window" 200 5)" = 8CCAEE ]
check "Run button's frame at (67, 89) is dark blue" [ "$(client_pixel "$window" 67 89)" = 1B1F58 ]

# The text of Setup.txt (Windows-1252) through the clipboard; Wine hands CR LF over as LF.
copy_info_text "$window" "$E2E_WORK/shown"
printf 'Caf\xc3\xa9 \xe2\x82\xac 5\nvo\xc3\xb3r en na\n\nlaatste regel' >"$E2E_WORK/expected"
check "the information box shows Setup.txt decoded" cmp -s "$E2E_WORK/expected" "$E2E_WORK/shown"

# End, then OK: the launcher ends.
click_client "$window" 67 181
check "End asks its question" [ -n "$(timeout 10 xdotool search --sync --onlyvisible --name '^Setup$')" ]
xdotool key Return
check "End then OK ends the launcher" wait_until launcher_gone

# Run starts the product and the launcher ends.
medium=$(windows_medium run)
launcher_up "$medium" || fail "KasSetup.exe starts"
click_client "$window" 67 101
check "Run starts the product" wait_for_starts 1
check "the product started is KasTerminal.exe" [ "$(started_names)" = KasTerminal.exe ]
check "Run ends the launcher" wait_until launcher_gone

# The install dialog starts both installers, the product's first.
medium=$(windows_medium install)
launcher_up "$medium" || fail "KasSetup.exe starts"
click_client "$window" 67 141
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Installatie KasTerminal\.$' | head -n1)
check "Install shows the dialog" [ -n "$dialog" ]
if [ -n "$dialog" ]; then
    read_window_geometry "$dialog"
    check "the dialog's client area is 224 x 113 (got ${WIN_W} x ${WIN_H})" \
        [ "$WIN_W" = 224 -a "$WIN_H" = 113 ]
    click_client "$dialog" 56 92
    check "OK starts both installers" wait_for_starts 2
    check "the product's installer starts first" \
        [ "$(started_names)" = "KasTerminal_setup.exe dx90_setup.exe" ]
    check "OK closes the dialog" no_window_within "Installatie KasTerminal." 0.5
fi
wineserver -k 2>/dev/null
finish
