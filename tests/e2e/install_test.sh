#!/bin/bash
# Installing from the dialog with real stand-in installers, from start to finish.
source "$(dirname "$0")/x_session.sh"

INSTALL=(67 141)   # the Install button, in the launcher's client area
END=(67 181)
OK=(56 92)         # in the dialog's client area
start_x_session

# A medium with all three stand-ins (pass "quick" for installers that end at once).
prepared_medium() {
    local medium
    medium=$(make_medium "$1")
    make_stand_in "$medium/KasTerminal.exe" product
    make_stand_in "$medium/KasInstall/KasTerminal_setup.exe" product-installer "${2:-stay}"
    make_stand_in "$medium/DirectX9/dx90_setup.exe" directx-installer "${2:-stay}"
    rm -f "$E2E_WORK/started.log" "$E2E_WORK/stand-ins.pids"
    echo "$medium"
}

launcher_up() {
    start_launcher "$1"
    window=$(wait_for_window "KasTerminal - Setup")
    [ -n "$window" ]
}

open_dialog() {
    click_client "$window" "${INSTALL[@]}"
    dialog=$(wait_for_window "Installatie KasTerminal.")
    [ -n "$dialog" ]
}

# The typical run: Install, OK, End, OK.
medium=$(prepared_medium typical)
launcher_up "$medium" || fail "launcher starts"
check "Install opens the dialog" open_dialog
click_client "$dialog" "${OK[@]}"
check "OK starts both installers" wait_for_starts 2
check "the product's installer starts first" \
    [ "$(started_names)" = "product-installer directx-installer" ]
check "OK closes the dialog" no_window_within "Installatie KasTerminal." 0.3
check "the Install button is gone once both are installed" \
    [ "$(client_pixel "$window" 67 129)" = FFFFFF ]
click_client "$window" "${INSTALL[@]}"
check "where the Install button stood, a click does nothing" \
    no_window_within "Installatie KasTerminal." 1
click_client "$window" "${END[@]}"
wait_for_window "Setup" >/dev/null
xdotool key Return
check "End then OK ends the launcher" wait_for_exit "$LAUNCHER_PID"
check "the installers keep running after the launcher ended" stand_ins_running

# An installer missing: the dialog stays open and nothing after it starts.
medium=$(prepared_medium missing)
rm "$medium/KasInstall/KasTerminal_setup.exe"
launcher_up "$medium" || fail "launcher starts"
open_dialog || fail "Install opens the dialog"
click_client "$dialog" "${OK[@]}"
check "with the product's installer missing the dialog stays open" \
    [ -n "$(wait_for_window "Installatie KasTerminal.")" ]
check "with the product's installer missing no message appears" \
    no_window_within "KasSetup" 0.5
check "with the product's installer missing nothing starts" [ ! -e "$E2E_WORK/started.log" ]
stop_launcher

# The launcher closed first, then OK in the dialog: the installers start and the program ends.
medium=$(prepared_medium closed-first)
launcher_up "$medium" || fail "launcher starts"
open_dialog || fail "Install opens the dialog"
read_window_geometry "$window"
xdotool mousemove $((WIN_X + WIN_W - 11)) $((WIN_Y - 11)) click 1  # the launcher's close box
check "closing the launcher leaves the dialog" no_window_within "KasTerminal - Setup" 0.5
check "closing the launcher leaves the program running" kill -0 "$LAUNCHER_PID"
click_client "$dialog" "${OK[@]}"
check "OK in the dialog alone starts both installers" wait_for_starts 2
check "then the program ends, no window being left" wait_for_exit "$LAUNCHER_PID"

# Fifty OK actions against installers that end at once: no zombie, no descriptor left over.
# The DirectX installer is missing, so each OK starts the product's installer and the dialog
# stays for the next one.
medium=$(prepared_medium fifty quick)
rm "$medium/DirectX9/dx90_setup.exe"
launcher_up "$medium" || fail "launcher starts"
open_dialog || fail "Install opens the dialog"
descriptors_before=$(ls "/proc/$LAUNCHER_PID/fd" | wc -l)
for round in $(seq 1 50); do
    click_client "$dialog" "${OK[@]}"
    wait_for_starts "$round" || { fail "OK number $round starts the installer"; break; }
done
sleep 0.5
descriptors_after=$(ls "/proc/$LAUNCHER_PID/fd" | wc -l)
check "after fifty OK actions the launcher holds $descriptors_after descriptors, as before ($descriptors_before)" \
    [ "$descriptors_after" -le "$descriptors_before" ]
zombies=$(ps -o stat= --ppid "$LAUNCHER_PID" | grep -c '^Z')
check "after fifty OK actions no zombie child is left ($zombies)" [ "$zombies" -eq 0 ]
stop_launcher
finish
