#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# One real-desktop scenario: Hearthwise (with its probe) under Xvfb and openbox,
# driven by real X key and mouse events from xdotool. Figures are read back from
# the probe file the program writes, never from pixels. Usage:
#   desktop_test.sh PROBE_PROGRAM SCENARIO
set -uo pipefail
program=$1
scenario=$2
work=$(mktemp -d)
pids=()

mounted=""
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    [ -z "$mounted" ] || umount "$mounted"
    rm -rf "$work"
}
trap cleanup EXIT

# A no-break space as UTF-8 bytes, whatever the caller's locale ($'\u00a0'
# expands only in a UTF-8 one).
nbsp=$'\xc2\xa0'

fail() {
    echo "FAIL [$scenario]: $*" >&2
    import -window root "desktop-$scenario-failed.png" 2>/dev/null &&
        echo "screenshot: $PWD/desktop-$scenario-failed.png" >&2
    echo "--- what the program showed last:" >&2
    grep -v '^button\.\|^txt' "$work/probe" >&2 2>/dev/null
    echo "--- its output:" >&2
    cat "$work/out" >&2 2>/dev/null
    exit 1
}

# --- The desktop -------------------------------------------------------------
start_desktop() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE:-1280x900}x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    exec 3>&-
    for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$work/display")"
    # The window manager is started a second time if the first did not come up
    # (seen once on a loaded machine); what it said goes into the failure.
    for _ in 1 2; do
        openbox --sm-disable >"$work/openbox" 2>&1 &
        pids+=($!)
        for _ in $(seq 300); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
            sleep 0.05
        done
        kill "${pids[-1]}" 2>/dev/null
    done
    fail "openbox did not start: $(cat "$work/openbox")"
}

start_program() {
    unset QT_QPA_PLATFORM
    if [ -n "${SCREEN_READER:-}" ]; then
        # A session bus, on which the accessibility bus starts when Qt asks for it.
        eval "$(dbus-launch --sh-syntax)"
        pids+=("$DBUS_SESSION_BUS_PID")
        export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    fi
    local lang=${PROGRAM_LANG:-en_US.UTF-8}
    # The window's size and the language remembered between starts stay with
    # the scenario; the language follows LANG, or the one chosen before.
    env -u LANGUAGE LANG="$lang" LC_ALL="$lang" HEARTHWISE_PROBE="$work/probe" \
        XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config" "$program" >"$work/out" 2>&1 &
    app=$!
    pids+=("$app")
    wait_for message "${1:-For more information on any page}"
}

# --- Reading the probe -------------------------------------------------------
value() { sed -n "s/^$1=//p" "$work/probe" 2>/dev/null | head -n 1; }
field() { value "$1" | sed 's/|[^|]*$//'; }

# wait_for KEY REGEX [SECONDS]: until the program shows a value matching REGEX.
wait_for() {
    local key=$1 pattern=$2 limit=${3:-5}
    local tries=$((limit * 20))
    for _ in $(seq "$tries"); do
        value "$key" | grep -Eq -- "$pattern" && return 0
        sleep 0.05
    done
    fail "$key never matched '$pattern' (it is '$(value "$key")')"
}
# expect KEY TEXT: the field or value shows exactly TEXT (waiting briefly for the
# probe); expect_value KEY TEXT: the whole value is TEXT, "|" and all.
expect() { expect_read field "$@"; }
expect_value() { expect_read value "$@"; }
expect_read() {
    local read=$1 key=$2 want=$3
    for _ in $(seq 60); do
        [ "$($read "$key")" = "$want" ] && return 0
        sleep 0.05
    done
    fail "$key is '$($read "$key")', expected '$want'"
}
no_message() {
    for _ in $(seq 60); do
        [ -z "$(value message)" ] && return 0
        sleep 0.05
    done
    fail "a message is still up: $(value message)"
}
# The message box's frame lies wholly on the screen; with "centred", over the main window's centre.
# Waits (the window manager places windows in its own time) until the message
# box lies wholly on the screen and, with "centred", over the main window.
check_box_placement() {
    local bx by bw bh sx sy sw sh mx my mw mh dx dy why
    for _ in $(seq 60); do
        IFS=, read -r bx by bw bh <<<"$(value messageFrame)"
        IFS=, read -r sx sy sw sh <<<"$(value screen)"
        IFS=, read -r mx my mw mh <<<"$(value mainFrame)"
        why=""
        ((bx >= sx && by >= sy && bx + bw <= sx + sw && by + bh <= sy + sh)) ||
            why="the message box ($bx,$by ${bw}x$bh) is not wholly on the screen ($sx,$sy ${sw}x$sh)"
        if [ -z "$why" ] && [ "${1:-}" = centred ]; then
            dx=$(((bx + bw / 2) - (mx + mw / 2))) dy=$(((by + bh / 2) - (my + mh / 2)))
            ((dx * dx + dy * dy <= 40 * 40)) ||
                why="the message box is not centred over the main window (off by $dx,$dy)"
        fi
        [ -z "$why" ] && return 0
        sleep 0.05
    done
    fail "$why"
}

# on_screen KEY: the frame the probe gives under KEY lies wholly on the screen.
on_screen() {
    local sx sy sw sh x y w h
    IFS=, read -r sx sy sw sh <<<"$(value screen)"
    IFS=, read -r x y w h <<<"$(value "$1")"
    [ -n "$w" ] || fail "no $1 on the screen"
    { [ "$x" -ge "$sx" ] && [ "$y" -ge "$sy" ] && [ $((x + w)) -le $((sx + sw)) ] &&
        [ $((y + h)) -le $((sy + sh)) ]; } ||
        fail "$1 ($x,$y ${w}x$h) is not wholly on the screen ($sx,$sy ${sw}x$sh)"
}

# --- What a screen reader meets ----------------------------------------------
# read_tree: the accessible tree over AT-SPI, one object a line:
# depth|role|name|description|checked.
read_tree() {
    /usr/bin/python3 "$(dirname "$0")/screen_reader.py" Hearthwise >"$work/tree" 2>"$work/tree.err" ||
        fail "the accessible tree could not be read: $(cat "$work/tree.err")"
}
# line_of PATTERN: the number of the tree's first line that matches, or 0.
line_of() {
    local at
    at=$(grep -n -m 1 -E -- "$1" "$work/tree" | cut -d: -f1)
    echo "${at:-0}"
}
tree_has() {
    [ "$(line_of "$1")" -gt 0 ] || fail "a screen reader finds no '$1' in: $(cat "$work/tree")"
}

# --- Acting as a user --------------------------------------------------------
key() { xdotool key --delay 60 "$@"; sleep 0.2; }
typed() { xdotool type --delay 60 "$1"; sleep 0.2; }
click() {
    local at
    at=$(value "button.$1" | cut -d'|' -f1)
    [ -n "$at" ] || at=$(value "$1" | sed 's/.*|//')
    [ -n "$at" ] || fail "no control $1 on the screen"
    xdotool mousemove ${at/,/ } click 1
    sleep 0.3
}
set_clipboard() {
    printf '%s' "$1" | xclip -selection clipboard -quiet &
    pids+=($!)
    sleep 0.3
}
# Closes the start-up hint with Enter.
dismiss_hint() {
    key Return
    no_message
}
# From the opening page to the assets page, having chosen purpose $1.
choose_purpose() {
    click cmdNext
    wait_for step '^1$'
    click "optPurpose$1"
    key alt+n
    wait_for step '^2$'
}

# Alt+N, then wait for step $1. One press at a time: a second Alt+N that comes
# while the first still holds the button down (Qt's 100 ms animated click)
# makes one click with it, as it does for a user.
next_step() {
    key alt+n
    wait_for step "^$1\$"
}

# From the assets page of an "Other Loans" case to its results, by Alt+N
# alone: an income of 200,000, 200,000 borrowed, at the rate page's own rate
# or at the rate given.
walk_from_assets_to_results() {
    next_step 3
    next_step 4
    typed 200000
    next_step 5
    next_step 14
    typed 200000
    next_step 15
    next_step 16
    [ -z "${1:-}" ] || typed "$1"
    next_step 17
}
walk_to_results() {
    choose_purpose 8
    walk_from_assets_to_results
}

# --- Scenarios ---------------------------------------------------------------
# On a 1280 x 720 screen the window opens wholly on it, the hint centred over it.
scenario_startup() {
    check_box_placement centred
    on_screen mainFrame
    dismiss_hint
    wait_for focus '^cmdNext$'
    # Enter presses the focused Next.
    key Return
    wait_for step '^1$'
}

scenario_rate_shortcut() {
    dismiss_hint
    choose_purpose 8
    key alt+n
    wait_for step '^3$'
    key alt+n
    wait_for step '^4$'
    wait_for focus '^txtIncome0$'
    typed 200000
    key alt+n
    wait_for step '^5$'
    key alt+n
    wait_for step '^14$'
    typed 200000
    key alt+n
    wait_for step '^15$'
    expect txtCosts0 '$200,000.00'
    key alt+n
    wait_for step '^16$'
    wait_for focus '^txtRate0$'
    # The rate typed and never left: Alt+N commits it before the types are worked out.
    typed 12
    key alt+n
    wait_for step '^17$'
    expect caption 'Amount borrowed:  $202,707.00  at  12.00%'
    expect txtFirst0 '$2,134.96'
    # Alt+N took the focus from field to field, never through Exit.
    ! value focusTrail | grep -q cmdExit || fail "the focus passed Exit: $(value focusTrail)"
}

scenario_refusals() {
    dismiss_hint
    choose_purpose 8
    key alt+n
    wait_for step '^3$'
    wait_for focus '^txtLiabilities0$'
    typed 1.2.3
    key alt+n
    wait_for message '^Please enter a number\.$'
    key Return
    no_message
    # Refused: the page stays, the field has its value back and is ready for typing.
    wait_for step '^3$'
    wait_for focus '^txtLiabilities0$'
    wait_for selection '^0\.00$'
    typed 650000
    key Tab
    expect txtLiabilities0 '$650,000.00'
    key alt+n
    wait_for step '^4$'
    typed 90000
    key alt+n
    wait_for step '^5$'
    # Alt+O chooses Monthly (Alt+M is the menu's "Tell Me More").
    key alt+o
    wait_for button.optBudget1 '\|1$'
    # A minus sign pasted through the clipboard is refused with the value kept.
    click txtBudget0
    wait_for focus '^txtBudget0$'
    set_clipboard -50
    key ctrl+a ctrl+v
    wait_for focusText '^-50$'
    key Tab
    wait_for message '^Please enter a number of 0 or more\.$'
    key Return
    no_message
    wait_for focus '^txtBudget0$'
    wait_for focusText '^[0-9]+\.[0-9][0-9]$'
}

scenario_editing_keys() {
    dismiss_hint
    choose_purpose 8
    key alt+n
    key alt+n
    wait_for step '^4$'
    wait_for focus '^txtIncome0$'
    typed 123456
    key Home Delete
    wait_for focusText '^23456$'
    key ctrl+a ctrl+c End ctrl+v
    wait_for focusText '^2345623456$'
    key ctrl+z
    wait_for focusText '^23456$'
    key ctrl+a ctrl+x
    wait_for focusText '^$'
    key ctrl+v BackSpace Left Left Delete
    wait_for focusText '^235$'
    key Tab
    expect txtIncome0 '$235.00'
}

scenario_closing() {
    dismiss_hint
    # A main window at the screen's edge: the question still opens wholly on the screen.
    local window
    window=$(xdotool search --name '^Hearthwise$' | head -n 1)
    xdotool windowmove "$window" 1000 500
    sleep 0.5
    key alt+x
    wait_for message '^Are you sure you want to exit\?$'
    check_box_placement
    key Escape
    no_message
    # Exit, then close the window from the window manager during the closing animation.
    key alt+x
    wait_for message '^Are you sure you want to exit\?$'
    key Return
    for _ in 1 2 3; do xdotool key alt+F4; sleep 0.05; done
    local status=
    for _ in $(seq 100); do
        if ! kill -0 "$app" 2>/dev/null; then
            wait "$app"
            status=$?
            break
        fi
        sleep 0.1
    done
    [ -n "$status" ] || fail "the program did not end"
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    ! grep -Eqi 'double free|segmentation|abort|AddressSanitizer' "$work/out" ||
        fail "the program crashed on leaving"
}

# The What If window from the keyboard on a real X server, in German: Alt+W
# from the results, a tab by its Alt key, a field by its own, "250.5" typed as
# a German reader may type it, Work Out by its Alt key with the focus still in
# the field; a rise out of range refused, the focus back on it, all selected;
# then Escape leaves the results as they were.
scenario_what_if() {
    local first="1.564,53${nbsp}€"
    dismiss_hint
    walk_to_results
    expect txtFirst0 "$first"
    key alt+w
    wait_for window.WhatIfWindow '.'
    on_screen window.WhatIfWindow
    key alt+e
    key alt+x
    wait_for focus '^txtExtra$'
    wait_for selection '^0,00$'
    typed 250.5
    key alt+w
    no_message
    wait_for whatif.lblExtra 'Cleared in month'
    expect whatif.txtExtra "250,50${nbsp}€"
    import -window root "desktop-what-if.png" 2>/dev/null
    key alt+r
    key alt+s
    wait_for focus '^txtRise$'
    wait_for selection '^2,00$'
    typed 11
    key alt+w
    wait_for message '^The rise must be between 0 and 10 percentage points'
    key Return
    no_message
    wait_for focus '^txtRise$'
    wait_for selection '^11,00$'
    # An offset account, typed in German: the loan clears years sooner.
    key alt+a
    key alt+s
    wait_for focus '^txtSavings$'
    typed 30000
    key alt+w
    no_message
    expect whatif.txtSavings "30.000,00${nbsp}€"
    wait_for whatif.offsetCleared '^2[0-9][0-9]: 1?[0-9]+ years( [0-9]+ months?)?$'
    # Refinancing a loan with no years left is refused, the figure named.
    key alt+c
    key alt+y
    wait_for focus '^txtYearsLeft$'
    typed 0
    key alt+w
    wait_for message '^The years left on the current loan must be between 0,1 and 100|^The years left on the current loan must be between 0.1 and 100'
    key Return
    no_message
    key Escape
    key Escape
    expect txtFirst0 "$first"
}

# In Canada the rate compounds half-yearly and the lenders' checks are
# Canada's; Alt+K opens them, the country changes from the keyboard, and the
# line under the results follows once the window is closed.
scenario_lender_checks() {
    dismiss_hint
    walk_to_results
    wait_for lender '^Canada: [0-7] of 7 types pass the usual lender checks$'
    wait_for caption 'compounded half-yearly'
    key alt+k
    wait_for window.LenderChecksWindow '.'
    on_screen window.LenderChecksWindow
    wait_for lenderSummary '^Canada: '
    key alt+c
    wait_for focus '^cboCountry$'
    key I
    wait_for lenderSummary '^Ireland: [0-7] of 7 types pass'
    import -window root "desktop-lender-checks.png" 2>/dev/null
    key Escape
    wait_for lender '^Ireland: [0-7] of 7 types pass the usual lender checks$'
}

# The results page as a screen reader reads it, over AT-SPI: the purposes are
# radio buttons, What If, Chart and Preview come in the order they stand, every
# type's button says its verdict, and each mark is named with its type, gives
# its reason and comes right after its type.
scenario_screen_reader() {
    dismiss_hint
    click cmdNext
    wait_for step '^1$'
    click optPurpose8
    read_tree
    tree_has '\|radio button\|Other Loans\|\|checked$'
    tree_has '\|radio button\|First Home Buyer\|\|$'
    next_step 2
    walk_from_assets_to_results 90
    read_tree
    tree_has '^1\|frame\|Mortgage Options — Hearthwise\|'
    local whatif chart preview
    whatif=$(line_of '\|push button\|What If\|')
    chart=$(line_of '\|push button\|Chart\|')
    preview=$(line_of '\|push button\|Preview\|')
    ((whatif > 0 && whatif < chart && chart < preview)) ||
        fail "What If, Chart and Preview are read in the order $whatif, $chart, $preview"
    local types=("Table" "Reducing Balance" "Interest Only" "Table Endowment"
        "Interest Only Endowment" "Revolving Credit with Cash Management"
        "Revolving Credit with Credit Card Management")
    local marked=0 k
    for k in "${!types[@]}"; do
        local type=${types[$k]} button next mark
        button=$(line_of "\|push button\|$type\|(Affordable|Not affordable)")
        [ "$button" -gt 0 ] || fail "the $type button tells no verdict"
        grep -Eq "\|push button\|$type\|Not affordable" "$work/tree" || continue
        marked=$((marked + 1))
        mark=$(line_of "\|label\|$type: This option is not affordable\|(Needs|The first month's interest|The fund|The spare)")
        next=$(line_of "\|push button\|${types[$((k + 1))]:-Exit}\|")
        ((mark > button && mark < next)) ||
            fail "the mark of $type (line $mark) is not read with its row ($button to $next)"
    done
    ((marked > 0)) || fail "no type is marked not affordable at 90 %"
    cp "$work/tree" desktop-screen-reader-results.txt
    # Back on the rate page each figure of the summary is read with its caption.
    key alt+b
    wait_for step '^16$'
    read_tree
    tree_has '\|label\|Mortgage Requirement: \$[0-9,]+\.[0-9]{2}\|'
    tree_has '\|label\|Spare: .*[0-9]\.[0-9]{2}\)?\|'
    # Tell Me More, from the Help menu, is a named window with named text.
    key alt+h
    key m
    wait_for active '^InformationWindow$'
    read_tree
    tree_has '\|dialog\|Tell Me More\|'
    tree_has '\|(filler|scroll pane)\|Help text\|'
    key Escape
}

# The Language menu from the keyboard: the results change to French at once,
# their figures and region's forms as they were, a screen reader meets the
# French names, Back still works, and the next start speaks French.
scenario_language() {
    dismiss_hint
    walk_to_results
    expect txtFirst0 '$1,564.53'
    key alt+g
    key Down Down Down Return
    wait_for title '^Options de prêt hypothécaire — Hearthwise$'
    wait_for caption '^Montant emprunté'
    wait_for step '^17$'
    expect txtFirst0 '$1,564.53'
    # The focus stays in the window, on the page shown.
    wait_for focus '.'
    wait_for lender 'types sur 7 réussissent les contrôles habituels$'
    read_tree
    tree_has '^1\|frame\|Options de prêt hypothécaire — Hearthwise\|'
    tree_has '\|push button\|Précédent\|'
    tree_has '\|push button\|Et si\|'
    import -window root "desktop-language.png" 2>/dev/null
    key alt+p
    wait_for step '^16$'
    grep -q '^language=fr$' "$work/config/Hearthwise/settings.ini" 2>/dev/null ||
        fail "the choice was not kept: $(cat "$work/config/Hearthwise/settings.ini" 2>&1)"
    key alt+q
    wait_for message '^Enregistrer ce dossier avant de quitter'
    key alt+n
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    ! kill -0 "$app" 2>/dev/null || fail "the program did not end"
    rm -f "$work/probe"
    start_program '^Pour en savoir plus sur une page'
}

# save_case_as NAME: Ctrl+S on a case never saved, the file dialog answered
# with $work/NAME; the title then names the file.
save_case_as() {
    key ctrl+s
    wait_for active '^QFileDialog$' 10
    key ctrl+a
    typed "$work/$1"
    key Return
    wait_for title "$(basename "$1").hearthwise"
}

# Ctrl+S on the results saves the case through the file dialog; the program
# ends, starts again, and Ctrl+O opens the case: the results are back.
scenario_save_and_open() {
    dismiss_hint
    walk_to_results
    expect txtFirst0 '$1,564.53'
    save_case_as our-home
    [ -s "$work/our-home.hearthwise" ] || fail "no case file was written"
    grep -q '"format": "hearthwise-case"' "$work/our-home.hearthwise" || fail "the file is no case"
    wait_for title 'our-home.hearthwise'
    # Leave, and come back.
    key alt+x
    wait_for message '^Are you sure you want to exit\?$'
    key Return
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    ! kill -0 "$app" 2>/dev/null || fail "the program did not end"
    rm -f "$work/probe"
    start_program
    dismiss_hint
    key ctrl+o
    wait_for active '^QFileDialog$' 10
    typed "$work/our-home.hearthwise"
    key Return
    wait_for step '^17$'
    expect txtFirst0 '$1,564.53'
    wait_for title '^Mortgage Options — our-home.hearthwise'
}

# Saving on a full disk (a small tmpfs) says so and keeps the saved case byte
# for byte and its "*"; Save As with the name typed without ".hearthwise" asks
# about the file it will write.
scenario_full_disk() {
    mkdir -p "$work/disk"
    if ! mount -t tmpfs -o size=64k tmpfs "$work/disk" 2>/dev/null; then
        echo "SKIP [full-disk]: this machine mounts no tmpfs"
        exit 77
    fi
    mounted="$work/disk"
    dismiss_hint
    walk_to_results
    save_case_as disk/ours
    cp "$work/disk/ours.hearthwise" "$work/saved"
    head -c 1M /dev/zero >"$work/disk/filler" 2>/dev/null
    key alt+b
    wait_for step '^16$'
    wait_for focus '^txtRate0$'
    typed 9
    key ctrl+s
    wait_for message 'ours\.hearthwise: No space left on device'
    key Return
    no_message
    cmp -s "$work/saved" "$work/disk/ours.hearthwise" || fail "the saved case was changed"
    wait_for modified '^1$'
    rm "$work/disk/filler"
    key ctrl+shift+s
    wait_for active '^QFileDialog$' 10
    key ctrl+a
    typed "$work/disk/ours"
    key Return
    wait_for message 'ours\.hearthwise already exists\. Do you want to replace it\?'
    key Return
    no_message
    wait_for modified '^0$'
    grep -q '"percent": 9' "$work/disk/ours.hearthwise" || fail "the case was not saved"
}

# F1 on the income page opens the handbook at its section: the opener the
# program starts (here one that writes down what it is given) gets the page
# that leads to the section.
scenario_handbook() {
    dismiss_hint
    choose_purpose 8
    next_step 3
    next_step 4
    key F1
    for _ in $(seq 100); do
        grep -q 'guide/section-income\.html$' "$work/opened" 2>/dev/null && break
        sleep 0.05
    done
    grep -q 'guide/section-income\.html$' "$work/opened" 2>/dev/null ||
        fail "F1 opened '$(cat "$work/opened" 2>/dev/null)'"
    [ -f "$(sed 's|^file://||' "$work/opened")" ] || fail "the section's page is not there"
    no_message
}

if [ "$scenario" = handbook ]; then
    mkdir -p "$work/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >"%s/opened"\n' "$work" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    export PATH="$work/bin:$PATH"
fi
[ "$scenario" = startup ] && export SCREEN_SIZE=1280x720
if [ "$scenario" = what-if ]; then
    # Germany's figures, with English chosen from the Language menu before.
    export PROGRAM_LANG=de_DE.UTF-8
    mkdir -p "$work/config/Hearthwise"
    printf '[General]\nlanguage=en\n' >"$work/config/Hearthwise/settings.ini"
fi
[ "$scenario" = lender-checks ] && export PROGRAM_LANG=en_CA.UTF-8
[ "$scenario" = screen-reader ] && export SCREEN_READER=1
[ "$scenario" = language ] && export SCREEN_READER=1
start_desktop
start_program
"scenario_${scenario//-/_}"
echo "PASS [$scenario]"
