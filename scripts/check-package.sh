#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package in a fresh Debian 12 root (debootstrap, minbase):
# apt-get installs dist/hearthwise_*.deb with only runtime packages, its menu
# entry is found, a saved case is of its file type and opens in it, hearthwise
# starts under Xvfb and shows its window, whose class is the entry's
# StartupWMClass (and on Wayland its app id the entry's id), --version and --report ... --pdf answer with no display, and
# apt-get purge leaves no file of it behind. Run as root after scripts/package.sh.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then exec sudo bash "$0" "$@"; fi
cd "$(dirname "$0")/.."
deb=$(ls dist/hearthwise_*.deb | head -n 1)
export DEBIAN_FRONTEND=noninteractive
root=$(mktemp -d /tmp/hearthwise-root.XXXXXX)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    for mounted in tmp/.X11-unix dev proc; do
        umount "$root/$mounted" 2>/dev/null || true
    done
    rm -rf "$root"
}
trap cleanup EXIT
fail() { echo "FAIL [package]: $*" >&2; exit 1; }
inside() { chroot "$root" env LANG=C.UTF-8 "$@"; }

debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
cp /etc/apt/sources.list.d/debian.sources "$root/etc/apt/sources.list.d/"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
cp "$deb" "$root/tmp/hearthwise.deb"

inside apt-get update >/dev/null
# What a desktop has that the file type needs: xdg-mime with the MIME database
# reader, and the desktop database the menu entries' file types go into.
inside apt-get install -y --no-install-recommends xdg-utils libfile-mimeinfo-perl \
    desktop-file-utils >/dev/null
inside find / -xdev -type f | sort >"$root.before"
inside apt-get install -y /tmp/hearthwise.deb >/dev/null
# Only what runs it came with it: no compiler, no headers.
if inside dpkg-query -W -f '${Package}\n' | grep -E -- '-dev$|^g\+\+|^cmake$|^gcc(-[0-9]+)?$'; then
    fail "build packages were installed with it"
fi
inside sh -c 'grep -l "^Exec=hearthwise" /usr/share/applications/*.desktop' >/dev/null ||
    fail "no menu entry starts hearthwise"

# A saved case is a Hearthwise case, by its name and, named otherwise, by its
# contents (written as the program writes it, the format after other keys),
# and opens in Hearthwise.
python3 - "$root/tmp" <<'PYTHON'
import json, sys
case = {"format": "hearthwise-case", "version": "1.0", "purpose": "other-loans",
        "assets": ["0"] * 10, "liabilities": ["0"] * 6,
        "income": [{"gross": "90000", "taxPercent": 30}],
        "budget": {"period": "monthly", "amounts": ["1200", "300.50", "0", "0", "0", "0", "0"]},
        "fees": {"valuation": "0", "legal": "0"},
        "purposeFigures": {"other-loans": {"first": ["200000", "0", "5000"]}},
        "bankCharges": {"mode": "percent", "percent": 1, "amount": "0"},
        "rate": {"percent": 6.5, "years": 25}}
text = json.dumps(case, sort_keys=True, indent=4) + "\n"
for name in ("ours.hearthwise", "ours-renamed"):
    with open(sys.argv[1] + "/" + name, "w") as out:
        out.write(text)
PYTHON
for file in ours.hearthwise ours-renamed; do
    type=$(inside xdg-mime query filetype "/tmp/$file")
    [ "$type" = application/x-hearthwise-case ] || fail "$file is of type '$type'"
done
handler=$(inside xdg-mime query default application/x-hearthwise-case)
[ "$handler" = com.vodivudi.Hearthwise.desktop ] ||
    fail "a case file opens in '$handler', not in Hearthwise"
# With no display: the version, and the report of the saved case as PDF.
[ "$(inside hearthwise --version)" = "hearthwise $(dpkg-deb -f "$deb" Version | sed 's/-[^-]*$//')" ] ||
    fail "hearthwise --version says '$(inside hearthwise --version 2>&1)'"
inside env -u DISPLAY hearthwise --report /tmp/ours.hearthwise --pdf /tmp/ours.pdf ||
    fail "hearthwise --report did not write the report"
[ "$(head -c 5 "$root/tmp/ours.pdf")" = "%PDF-" ] || fail "the report is not a PDF"
rm -f "$root/tmp/ours.hearthwise" "$root/tmp/ours-renamed" "$root/tmp/ours.pdf"

# Started under Xvfb (on this side of the root, reached through its socket), it shows its window.
exec 3>"$root.display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$root.display" ] && break; sleep 0.1; done
display=":$(head -n 1 "$root.display")"
rm -f "$root.display"
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
inside env DISPLAY="$display" hearthwise >"$root.out" 2>&1 &
program=$!
# A window is found by its title as soon as it is named, which may come before
# its class is set (and the start-up hint bears the same title): wait for a
# window of that title that has its class.
shown=""
class=""
for _ in $(seq 200); do
    for window in $(DISPLAY="$display" xdotool search --name '^Hearthwise$' 2>/dev/null); do
        shown=yes
        class=$(DISPLAY="$display" xprop -id "$window" WM_CLASS 2>/dev/null)
        case "$class" in *=*) break 2 ;; esac
    done
    sleep 0.1
done
# The window belongs to its menu entry: its class is the entry's StartupWMClass.
if [ -n "$shown" ]; then
    entry_class=$(inside sed -n 's/^StartupWMClass=//p' \
        /usr/share/applications/com.vodivudi.Hearthwise.desktop)
    case "$class" in
    *", \"$entry_class\"") ;;
    *) wm_class_wrong="the window's class ($class) is not the entry's ($entry_class)" ;;
    esac
fi
# Only the program it started: chroot and env hand their process on to it.
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
[ -n "$shown" ] || fail "the window never appeared: $(cat "$root.out")"
[ -z "${wm_class_wrong:-}" ] || fail "$wm_class_wrong"
umount "$root/tmp/.X11-unix"

# On Wayland the window's app id is the entry's id: started in a headless
# Weston (with Qt's Wayland platform, which a Wayland desktop has), the program
# names it to the compositor, as the protocol log shows.
inside apt-get install -y --no-install-recommends weston qt6-wayland >/dev/null
entry_id=com.vodivudi.Hearthwise
mkdir -p -m 700 "$root/tmp/runtime"
inside env XDG_RUNTIME_DIR=/tmp/runtime weston --backend=headless-backend.so \
    --socket=wayland-hearthwise --idle-time=0 >/dev/null 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$root/tmp/runtime/wayland-hearthwise" ] && break; sleep 0.1; done
inside env XDG_RUNTIME_DIR=/tmp/runtime WAYLAND_DISPLAY=wayland-hearthwise \
    QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client hearthwise >"$root.out" 2>&1 &
program=$!
app_id=""
for _ in $(seq 200); do
    app_id=$(sed -n 's/.*set_app_id("\([^"]*\)").*/\1/p' "$root.out" | head -n 1)
    [ -n "$app_id" ] && break
    sleep 0.1
done
kill "$program" "$weston" 2>/dev/null || true
wait "$program" "$weston" 2>/dev/null || true
rm -rf "$root/tmp/runtime"
[ "$app_id" = "$entry_id" ] || fail "on Wayland the window's app id is '$app_id', not $entry_id"

inside apt-get purge -y hearthwise >/dev/null
inside apt-get autoremove --purge -y >/dev/null
inside find / -xdev -type f | sort >"$root.after"
# What the program keeps in the user's own folders (the window size it
# remembers, in ~/.cache) is the user's: purge leaves it, as for any program.
left=$(comm -13 "$root.before" "$root.after" | grep -v -E '^/(root|home)/' |
    grep -i hearthwise || true)
rm -f "$root.before" "$root.after" "$root.out"
[ -z "$left" ] || fail "files left after purge: $left"
echo "PASS [package]: installs, has its menu entry and file type, starts as its entry's window on X11 and Wayland, answers --version and --report with no display, purges cleanly"
