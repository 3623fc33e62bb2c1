#!/bin/bash
# The picture buttons Run and End, and the install dialog's face, on the real launcher.
source "$(dirname "$0")/x_session.sh"

PRESSED=7A7691  # the pressed faces' shading, 3 pixels below a button's top edge
RUN=(26 91)     # that spot on Run (Uitvoeren) and End (Einde), in client pixels
END=(26 171)
start_x_session

launcher_up() {
    start_launcher "$1"
    window=$(wait_for_window "KasTerminal - Setup")
    [ -n "$window" ]
}

# Run starts the product, and the launcher ends.
medium=$(make_medium run)
make_stand_in "$medium/KasTerminal.exe" product
launcher_up "$medium" || fail "launcher starts"
click_client "$window" "${RUN[@]}"
check "Run starts the product" wait_for_starts 1
check "Run ends the launcher" wait_for_exit "$LAUNCHER_PID"
check "the product keeps running after the launcher ended" stand_ins_running

# Run without the product: the error box, then the end, with the button pressed meanwhile.
medium=$(make_medium run-missing)
launcher_up "$medium" || fail "launcher starts"
click_client "$window" "${RUN[@]}"
error=$(wait_for_window "KasSetup")
check "Run without the product shows the error box" [ -n "$error" ]
xdotool windowmove "$error" 0 0 && sleep 0.3  # the launcher repaints while the box waits
check "Run's button shows its pressed face under the error box" \
    [ "$(client_pixel "$window" "${RUN[@]}")" = "$PRESSED" ]
xdotool key Return
check "after the error box the launcher ends" wait_for_exit "$LAUNCHER_PID"

# End, then Cancel: the launcher stays, the box is empty, the face is normal again.
medium=$(make_medium end)
printf 'Welkom\r\n' >"$medium/Setup.txt"
launcher_up "$medium" || fail "launcher starts"
click_client "$window" "${END[@]}"
question=$(wait_for_window "Setup")
check "End asks its question" [ -n "$question" ]
xdotool windowmove "$question" 0 0 && sleep 0.3
check "End's button shows its pressed face while asking" \
    [ "$(client_pixel "$window" "${END[@]}")" = "$PRESSED" ]
xdotool key Escape
check "Escape closes the question" no_window_within "Setup" 0.5
check "after Cancel the launcher stays" kill -0 "$LAUNCHER_PID"
check "after Cancel End's face is normal" [ "$(client_pixel "$window" "${END[@]}")" = FFFFFF ]
copy_info_text "$window" "$E2E_WORK/shown"
check "after Cancel the information box is empty" [ ! -s "$E2E_WORK/shown" ]

# A double-click on End asks once.
click_client "$window" "${END[@]}" --repeat\ 2
question=$(wait_for_window "Setup")
xdotool key Escape
check "a double-click on End asks only once" no_window_within "Setup" 1

# End, then OK (the default button): the launcher ends.
click_client "$window" "${END[@]}"
wait_for_window "Setup" >/dev/null
xdotool key Return
check "End then OK ends the launcher" wait_for_exit "$LAUNCHER_PID"

# Install: the dialog, its frame and focus.
rm -f "$E2E_WORK/started.log"
medium=$(make_medium install)
make_stand_in "$medium/KasInstall/KasTerminal_setup.exe" product-installer
make_stand_in "$medium/DirectX9/dx90_setup.exe" directx-installer
launcher_up "$medium" || fail "launcher starts"
click_client "$window" 67 141
dialog=$(wait_for_window "Installatie KasTerminal.")
if [ -z "$dialog" ]; then
    fail "Install shows the dialog 'Installatie KasTerminal.'"
else
    pass "Install shows the dialog 'Installatie KasTerminal.'"
    read_window_geometry "$dialog"
    check "dialog's client area is 224 x 113 (got ${WIN_W} x ${WIN_H})" \
        [ "$WIN_W" = 224 -a "$WIN_H" = 113 ]
    dx=$(( (WIN_X + WIN_W / 2) - 512 )); dy=$(( (WIN_Y + WIN_H / 2) - 384 ))
    check "dialog centred on the screen (centre off by ${dx}, ${dy})" \
        [ "${dx#-}" -le $((FRAME_LEFT + FRAME_RIGHT)) -a "${dy#-}" -le $((FRAME_TOP + FRAME_BOTTOM)) ]
    check "dialog is not in the task bar" \
        bash -c "xprop -id $dialog _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR"
    check "dialog has no owner window" \
        bash -c "xprop -id $dialog WM_TRANSIENT_FOR | grep -q 'not found'"
    check "dialog cannot be resized" \
        bash -c "xprop -id $dialog WM_NORMAL_HINTS | grep -q 'minimum size: 224 by 113'"
    check "dialog carries the application icon" \
        bash -c "xprop -id $dialog _NET_WM_ICON | grep -q 'Icon (32 x 32)'"
    check "the launcher stays beside the modeless dialog" \
        bash -c "xwininfo -id $window | grep -q IsViewable"

    # Enter at once activates Cancel (the focus starts there), which asks its question.
    xdotool key Return
    check "Enter at once activates Cancel, not OK" [ -n "$(wait_for_window "Installatie KasTerminal")" ]
    xdotool key Escape
    check "Escape answers the question with Cancel" no_window_within "Installatie KasTerminal" 0.5
    check "no installer started" [ ! -e "$E2E_WORK/started.log" ]
    check "the dialog stays after Cancel, Cancel" kill -0 "$LAUNCHER_PID"
    # Escape in the dialog itself does nothing.
    xdotool key Escape
    check "Escape does not close the dialog" [ -n "$(wait_for_window "Installatie KasTerminal.")" ]
    # Tab goes from Cancel to OK; Enter there starts the installers.
    xdotool key Tab Return
    check "Tab then Enter activates OK: both installers start" wait_for_starts 2
fi
stop_launcher
finish
