#!/usr/bin/env bash
# The Debian package built from this build tree, checked as a user's machine would meet it: its
# files and control fields, lintian, the programs run from the unpacked package (a deal and its
# sound through the installed control, the installed control's version), the menu entry, the
# AppStream description and the manual pages.
# usage: package-test.sh   (everything comes from the environment that CTest sets, see
# CMakeLists.txt; exits 77 when a packaging tool is not installed)
set -uo pipefail

fail() {
    echo "FAIL: $1" >&2
    [ $# -lt 2 ] || { echo "--- $2:" >&2; cat "$2" >&2; }
    exit 1
}

for tool in dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli man gzip; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup installs it)"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/ventra-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

# --- Build the package ---
"$CPACK" --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack could not build the package" "$work/cpack.log"
deb="$work/out/ventrelle_${VERSION}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb")" "$work/cpack.log"

# --- Its files ---
# One line a file: its mode, its path and, for a link, "-> TARGET".
dpkg-deb -c "$deb" | awk '{ sub(/^\./, "", $6); $2 = $3 = $4 = $5 = ""; print }' |
    tr -s ' ' >"$work/contents"
expect=(
    "$GAMES_DIR/ventra" "/usr/bin/sonivel-host"
    "$PROGRAM_DIR/SONIVEL.OCX"
    "/usr/share/applications/$APP_ID.desktop"
    "/usr/share/metainfo/$APP_ID.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
    "$MAN_DIR/man6/ventra.6.gz" "$MAN_DIR/man1/sonivel-host.1.gz"
    "$DOC_DIR/copyright" "$DOC_DIR/changelog.gz" "$DOC_DIR/headless.md"
)
data=(hit.wav youwin.wav youlose.wav draw.wav shuffle.wav broke.wav)
# The help document is installed once the tree holds it.
[ ! -f "$SOURCE_DIR/assets/ventra.html" ] || data+=(ventra.html)
for name in "${data[@]}"; do
    expect+=("$DATA_DIR/$name")
    grep -q -F -- " $PROGRAM_DIR/$name -> " "$work/contents" ||
        fail "$PROGRAM_DIR/$name is not a link to the data folder" "$work/contents"
done
for path in "${expect[@]}"; do
    grep -q -E -- " $path( |$)" "$work/contents" || fail "the package lacks $path" "$work/contents"
done
grep -E -- "-rw-r--r-- $PROGRAM_DIR/SONIVEL.OCX$" "$work/contents" >/dev/null ||
    fail "SONIVEL.OCX is not a plain readable file" "$work/contents"

# --- Its control fields: computed library dependencies, recommended speech services ---
depends=$(dpkg-deb -f "$deb" Depends)
for library in libsdl2-2.0-0 libespeak-ng1 libspeechd2 libwxgtk3.2-1 libstdc++6 libc6; do
    [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for service in speech-dispatcher speech-dispatcher-espeak-ng; do
    [[ ", $recommends," == *", $service,"* ]] || fail "Recommends lacks $service: $recommends"
done

# --- lintian: warnings are shown, errors fail ---
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian reports errors" "$work/lintian.log"
cat "$work/lintian.log"

# --- The unpacked package ---
root="$work/root"
dpkg -x "$deb" "$root" || fail "dpkg -x could not unpack the package"

version=$("$root$GAMES_DIR/ventra" --version) || fail "the installed ventra --version failed"
[ "$version" = "ventra $VERSION" ] || fail "the installed ventra says \"$version\""
changelog=$(gzip -dc "$root$DOC_DIR/changelog.gz" | head -n 1)
[[ "$changelog" == "ventrelle ($VERSION) "* ]] || fail "the changelog's newest entry is $changelog"
grep -q "<release version=\"$VERSION\"" "$root/usr/share/metainfo/$APP_ID.metainfo.xml" ||
    fail "the AppStream description has no release $VERSION"

# A deal on the installed program: its first shuffle plays through the control it finds in its
# installed folder (the settings are empty, so no registered control is used).
mkdir -p "$work/config"
cat >"$work/deal.txt" <<'EOF'
setting Ventrelle StartUp Reader "WE"
deck 2 3 4 5
start
wait 2000
click btnStakesOK
click btnBetOK
wait 1000
EOF
XDG_CONFIG_HOME="$work/config" VENTRA_SPEECH=none SDL_AUDIODRIVER=disk SDL_DISKAUDIODELAY=0 \
    SDL_DISKAUDIOFILE="$work/sound.raw" \
    "$root$GAMES_DIR/ventra" --headless --script "$work/deal.txt" >"$work/trace" 2>"$work/stderr" ||
    fail "the installed ventra --headless failed" "$work/stderr"
grep -q -F '"ev":"sound","file":"\\shuffle.wav"' "$work/trace" || fail "no shuffle sound" "$work/trace"
! grep -q -F 'Sounds Module' "$work/trace" || fail "a sound could not be played" "$work/trace"
[ -s "$work/sound.raw" ] || fail "nothing reached the audio device" "$work/trace"

"$root/usr/bin/sonivel-host" version "$root$PROGRAM_DIR/SONIVEL.OCX" >"$work/version" ||
    fail "the installed sonivel-host cannot read the installed control" "$work/version"
grep -q -E '"fileVersion":"[0-9]+(\.[0-9]+){3}"' "$work/version" || fail "no file version" "$work/version"

# --- Menu entry, AppStream description, manual pages ---
desktop-file-validate "$root/usr/share/applications/$APP_ID.desktop" >"$work/desktop.log" 2>&1 ||
    fail "desktop-file-validate" "$work/desktop.log"
appstreamcli validate --no-net "$root/usr/share/metainfo/$APP_ID.metainfo.xml" \
    >"$work/appstream.log" 2>&1 || fail "appstreamcli validate" "$work/appstream.log"
for page in man6/ventra.6.gz man1/sonivel-host.1.gz; do
    MANWIDTH=80 man --warnings -l "$root$MAN_DIR/$page" >"$work/page" 2>"$work/man.log" ||
        fail "man cannot render $page" "$work/man.log"
    [ ! -s "$work/man.log" ] || fail "man warns about $page" "$work/man.log"
    grep -q "^FILES" "$work/page" || fail "$page has no FILES section" "$work/page"
    grep -q -F "$PROGRAM_DIR" "$work/page" || fail "$page does not name $PROGRAM_DIR" "$work/page"
done

echo "package: $(basename "$deb") checked"
