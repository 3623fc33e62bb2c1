#!/bin/bash
# The launcher window as the window manager and the user see it.
source "$(dirname "$0")/x_session.sh"

start_x_session
medium=$(make_medium)
start_launcher "$medium"
window=$(wait_for_window "KasTerminal - Setup")
[ -n "$window" ] || { fail "the window titled 'KasTerminal - Setup' appears"; finish; }
pass "the window titled 'KasTerminal - Setup' appears"

read_window_geometry "$window"
check "client area is 390 x 225 (got ${WIN_W} x ${WIN_H})" [ "$WIN_W" = 390 -a "$WIN_H" = 225 ]

# Centred: the client's centre lies within the frame's extents of the screen's centre.
dx=$(( (WIN_X + WIN_W / 2) - 512 )); dy=$(( (WIN_Y + WIN_H / 2) - 384 ))
check "window centred on the screen (centre off by ${dx}, ${dy})" \
    [ "${dx#-}" -le $((FRAME_LEFT + FRAME_RIGHT)) -a "${dy#-}" -le $((FRAME_TOP + FRAME_BOTTOM)) ]

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
check "size hints: minimum size 390 x 225" grep -q "minimum size: 390 by 225" <<<"$hints"
check "size hints: maximum size 390 x 225" grep -q "maximum size: 390 by 225" <<<"$hints"

# Motif hints: flags, functions, decorations. Functions may only move and close; decorations
# carry no minimise (0x20) or maximise (0x40) box.
read -r flags functions decorations < <(xprop -id "$window" _MOTIF_WM_HINTS | tr -d ',' |
    awk '{print $3, $4, $5}')
check "Motif functions set, without resize, minimise and maximise (got $functions)" \
    [ $((flags & 1)) -eq 1 -a $((functions & 0x1b)) -eq 0 -a $((functions & 0x21)) -eq $((0x20)) ]
check "Motif decorations set, without minimise and maximise boxes (got $decorations)" \
    [ $((flags & 2)) -eq 2 -a $((decorations & 0x61)) -eq 0 -a $((decorations & 0x18)) -eq $((0x18)) ]

check "window is in the task bar" \
    bash -c "! xprop -id $window _NET_WM_STATE | grep -q SKIP_TASKBAR"
check "window type is normal" \
    bash -c "xprop -id $window _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_NORMAL"
check "window carries the 32 x 32 application icon" \
    bash -c "xprop -id $window _NET_WM_ICON | grep -q 'Icon (32 x 32)'"

# The banner's sky-blue band and the Run button's normal face, at their places.
check "banner's band at (200, 5) is sky blue" [ "$(client_pixel "$window" 200 5)" = 8CCAEE ]
check "banner's band at (385, 60) is sky blue" [ "$(client_pixel "$window" 385 60)" = 8CCAEE ]
check "Run button's frame at (67, 89) is dark blue" [ "$(client_pixel "$window" 67 89)" = 1B1F58 ]
check "End button's frame at (67, 169) is dark blue" [ "$(client_pixel "$window" 67 169)" = 1B1F58 ]
check "Run button's face at (67, 88) is white, not the pressed face" \
    [ "$(client_pixel "$window" 67 88)" = FFFFFF ]

# The hand over each picture button, hot spot at the fingertip; the arrow beside them.
for top in 101 141 181; do
    xdotool mousemove $((WIN_X + 67)) $((WIN_Y + top))
    sleep 0.2
    check "the hand pointer over the button at y $top" [ "$("$CURSOR_PROBE")" = "17x22 5,0" ]
done
xdotool mousemove $((WIN_X + 67)) $((WIN_Y + 215))
sleep 0.2
check "no hand over the window's own surface" [ "$("$CURSOR_PROBE")" != "17x22 5,0" ]

# The close box (top right of openbox's title bar) ends the program without a question.
xdotool mousemove $((WIN_X + WIN_W - 11)) $((WIN_Y - 11)) click 1
if wait_for_exit "$LAUNCHER_PID"; then
    pass "the close box ends the program"
else
    fail "the close box ends the program"
fi
finish
