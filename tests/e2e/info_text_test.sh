#!/bin/bash
# The information box shows Setup.txt exactly, read back from the screen through the clipboard.
source "$(dirname "$0")/x_session.sh"

start_x_session

# shows_text "what" medium expected-file: the launcher of the medium shows exactly that text.
shows_text() {
    local what=$1 medium=$2 expected=$3
    start_launcher "$medium"
    local window
    window=$(wait_for_window "KasTerminal - Setup")
    if [ -z "$window" ]; then
        fail "$what: the window appears"
        return
    fi
    copy_info_text "$window" "$E2E_WORK/shown"
    if cmp -s "$expected" "$E2E_WORK/shown"; then
        pass "$what"
    else
        fail "$what: expected $(od -c "$expected" | head -5), shown $(od -c "$E2E_WORK/shown" | head -5)"
    fi
    stop_launcher
}

medium=$(make_medium cp1252)
printf 'Caf\xe9 \x80 5\r\nvo\xf3r en na\r\n\r\ntwee\nwoorden\r\n' >"$medium/Setup.txt"
printf 'Caf\xc3\xa9 \xe2\x82\xac 5\r\nvo\xc3\xb3r en na\r\n\r\ntwee\nwoorden' >"$E2E_WORK/expected"
shows_text "a Windows-1252 file with a lone LF" "$medium" "$E2E_WORK/expected"

medium=$(make_medium utf8)
printf '\xef\xbb\xbf\xc3\xa9\xc3\xa9n regel\rnog \xc3\xa9\xc3\xa9n' >"$medium/Setup.txt"
printf '\xc3\xa9\xc3\xa9n regel\r\nnog \xc3\xa9\xc3\xa9n' >"$E2E_WORK/expected"
shows_text "a UTF-8 file with a byte-order mark" "$medium" "$E2E_WORK/expected"

medium=$(make_medium missing)
printf "Kon '%s/Setup.txt' niet vinden!" "$medium" >"$E2E_WORK/expected"
shows_text "no Setup.txt: the not-found text" "$medium" "$E2E_WORK/expected"

medium=$(make_medium fifo)
mkfifo "$medium/Setup.txt"
printf "Kon '%s/Setup.txt' niet vinden!" "$medium" >"$E2E_WORK/expected"
shows_text "a FIFO named Setup.txt: the window opens with the not-found text" \
    "$medium" "$E2E_WORK/expected"

# Started through a symbolic link elsewhere: the real executable's folder counts.
medium=$(make_medium linked)
printf 'Van het medium\r\n' >"$medium/Setup.txt"
mkdir -p "$E2E_WORK/elsewhere"
printf 'Niet deze\r\n' >"$E2E_WORK/elsewhere/Setup.txt"
ln -s "$medium/KasSetup" "$E2E_WORK/elsewhere/KasSetup"
printf 'Van het medium' >"$E2E_WORK/expected"
shows_text "started through a symbolic link: Setup.txt of the real folder" \
    "$E2E_WORK/elsewhere" "$E2E_WORK/expected"

finish
