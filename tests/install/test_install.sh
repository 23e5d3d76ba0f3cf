#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix with cmake --install and checks
# the installed copy as a user would meet it: the files where a desktop looks
# for them, --help and --version without a display, the main window opened
# offscreen (at 1x and 2x), the program finding the installed speech program,
# and that speech program saying one phrase into a WAV file.
#   test_install.sh CMAKE BUILD_DIR VERSION APP_ID
set -uo pipefail
cmake=$1 build=$2 version=$3 app_id=$4

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/rellotge-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
program=$prefix/bin/quirvel-rellotge
speaker=$prefix/libexec/quirvel-rellotge/sv
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

for file in bin/quirvel-rellotge libexec/quirvel-rellotge/sv \
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$app_id.svg" share/man/man6/quirvel-rellotge.6; do
    [ -f "$prefix/$file" ] && pass "installed $file" || fail "$file is not installed"
done
[ -x "$program" ] && [ -x "$speaker" ] || fail "the programs are not executable"
[ ! -e "$prefix/bin/sv" ] && pass "no bin/sv" || fail "sv is installed in bin/"

# What the desktop, the software centre and man make of the files.
desktop-file-validate "$prefix/share/applications/$app_id.desktop" >"$work/desktop.log" 2>&1
if [ $? -eq 0 ] && ! grep -qE 'error|warning' "$work/desktop.log"; then
    pass "desktop-file-validate"
else
    cat "$work/desktop.log"
    fail "desktop-file-validate"
fi
if appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" \
    >"$work/appstream.log" 2>&1 && ! grep -qE '^[EW]:' "$work/appstream.log"; then
    pass "appstreamcli validate"
else
    cat "$work/appstream.log"
    fail "appstreamcli validate"
fi
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$prefix/share/man/man6/quirvel-rellotge.6" 2>&1 >/dev/null)
[ -z "$man_warnings" ] && pass "man page renders without warnings" ||
    fail "man page: $man_warnings"

# Without a display: --help and --version answer, a plain start explains.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
out=$("${nodisplay[@]}" "$program" --help 2>&1)
[ $? -eq 0 ] && grep -q -- '--scale' <<<"$out" && pass "--help without a display" ||
    fail "--help without a display: $out"
out=$("${nodisplay[@]}" PATH=/usr/bin:/bin "$program" --version 2>&1)
[ $? -eq 0 ] && [ "$(head -n1 <<<"$out")" = "quirvel-rellotge $version" ] &&
    pass "--version without a display" || fail "--version: $out"
# The installed program finds the installed speech program, not one on the
# PATH (runit's /usr/bin/sv, or the build tree's).
grep -qxF "Programa de veu: $speaker" <<<"$out" && pass "speech program is $speaker" ||
    fail "speech program: $out"
out=$("${nodisplay[@]}" "$program" 2>&1)
status=$?
if [ $status -eq 1 ] && grep -q 'xvfb-run' <<<"$out" && ! grep -q 'run\.sh' <<<"$out"; then
    pass "no display: a plain message"
else
    fail "no display (status $status): $out"
fi
out=$("$program" --scale 9 2>&1)
[ $? -eq 2 ] && pass "a bad --scale is refused" || fail "--scale 9: $out"

# The main window, offscreen, saved and closed; twice as large at --scale 2.
png_size() { # width and height from the PNG header
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for scale in 1 2; do
    shot=$work/main-$scale.png
    out=$(QT_QPA_PLATFORM=offscreen timeout 60 "$program" --scale "$scale" --screenshot "$shot" 2>&1)
    status=$?
    if [ $status -eq 0 ] && [ -s "$shot" ]; then
        pass "main window opened and closed at --scale $scale: $(png_size "$shot")"
    else
        fail "main window at --scale $scale (status $status): $out"
    fi
done
if [ -s "$work/main-1.png" ] && [ -s "$work/main-2.png" ]; then
    read -r w1 h1 <<<"$(png_size "$work/main-1.png")"
    read -r w2 h2 <<<"$(png_size "$work/main-2.png")"
    # The client area alone is 483 x 395; the menu bar comes on top.
    if [ "$w1" -eq 483 ] && [ "$h1" -gt 395 ] && [ "$w2" -eq $((2 * w1)) ] &&
        [ "$h2" -eq $((2 * h1)) ]; then
        pass "--scale 2 doubles the window"
    else
        fail "window sizes ${w1}x$h1 and ${w2}x$h2"
    fi
fi

# The installed speech program says one phrase into a WAV file.
out=$("$speaker" --version 2>&1)
[ $? -eq 0 ] && [ "$out" = "sv (quirvel-rellotge) $version" ] && pass "sv --version" ||
    fail "sv --version: $out"
record=$work/lloc.dat
printf '%-200s' "Un quart d'una" >"$record"
chmod 600 "$record" # sv reads only a file no one else may write, whatever the umask
out=$("$speaker" /I:c /L:1 /V:100 "/F:$record" "/W:$work/phrase.wav" 2>&1)
status=$?
size=$(stat -c %s "$work/phrase.wav" 2>/dev/null || echo 0)
# Over a second of 16-bit mono speech, behind a RIFF/WAVE header.
if [ $status -eq 0 ] && [ "$(head -c4 "$work/phrase.wav")" = RIFF ] && [ "$size" -gt 20000 ]; then
    pass "sv spoke a phrase into a WAV of $size bytes"
else
    fail "sv /W: (status $status, $size bytes): $out"
fi

echo "$failures failed"
[ $failures -eq 0 ]
