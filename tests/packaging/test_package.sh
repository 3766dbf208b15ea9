#!/usr/bin/env bash
# Builds the Debian package from the finished build with cpack and checks it
# as a user and as Debian would: its control fields and dependencies, that it
# holds exactly the installed files, that lintian finds no error, and that the
# program it carries starts and shows its chooser with its icon.
#
# The program is run from the package unpacked into a throw-away folder. With
# QUILLET_TEST_SYSTEM_INSTALL=1, or in CI as root (a throw-away machine), the
# package is instead installed for real with apt-get, played from
# /usr/games/quillet, purged, and nothing of it may be left behind.
#
# Usage: bash test_package.sh <build>/bin
# Needs cpack, dpkg-dev, file, lintian and the real-window tools
# (scripts/setup.sh --test). Leaves the package in <build>/packaging-test/deb.

source "$(dirname "${BASH_SOURCE[0]}")/packaging_lib.sh"
need_tools cpack dpkg-deb dpkg-shlibdeps file lintian gzip identify xprop Xvfb xdotool xwininfo xdpyinfo import convert compare

OUT="$BUILD/packaging-test/deb"
rm -rf "$OUT"
mkdir -p "$OUT"

echo "--- cpack"
started=$(date +%s)
cpack --config "$BUILD/CPackConfig.cmake" -B "$OUT" >"$OUT/cpack.log" 2>&1 ||
    { cat "$OUT/cpack.log" >&2; pkg_fail "cpack failed"; }
ARCH=$(dpkg --print-architecture)
DEB="$OUT/quillet_${VERSION}_$ARCH.deb"
[ -f "$DEB" ] || pkg_fail "cpack made no $(basename "$DEB"): $(ls "$OUT")"
echo "ok: $(basename "$DEB"), $(stat -c %s "$DEB") bytes, in $(($(date +%s) - started))s"

echo "--- control fields"
field() { dpkg-deb --field "$DEB" "$1"; }
for pair in "Package=quillet" "Version=$VERSION" "Architecture=$ARCH" "Section=games" "Priority=optional"; do
    [ "$(field "${pair%%=*}")" = "${pair#*=}" ] || pkg_fail "${pair%%=*} is '$(field "${pair%%=*}")', expected '${pair#*=}'"
done
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@]+@[^\>]+\>$ ]] || pkg_fail "Maintainer is not 'Name <address>': $(field Maintainer)"
description=$(field Description)
[ "$(head -1 <<<"$description")" = "ten patience card games" ] || pkg_fail "the synopsis is '$(head -1 <<<"$description")'"
grep -q Scorpion <<<"$description" || pkg_fail "the long description does not list the games"
# Found by dpkg-shlibdeps from the program itself, with versions.
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-dejavu-core qt6-wayland; do
    [[ ", $depends," == *", $lib "* || ", $depends," == *", $lib,"* ]] || pkg_fail "Depends lacks $lib: $depends"
done
[[ "$depends" == *"libqt6widgets6 (>= "* ]] || pkg_fail "Depends has no version for libqt6widgets6: $depends"
echo "ok: Depends: $depends"

echo "--- contents"
dpkg-deb --contents "$DEB" >"$OUT/contents.txt"
awk '$1 !~ /^d/ && $2 != "root/root" { bad = 1 } END { exit bad }' "$OUT/contents.txt" ||
    pkg_fail "files in the package not owned by root/root"
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print; bad = 1 } END { exit bad }' "$OUT/contents.txt" >&2 ||
    pkg_fail "folders in the package with other permissions than 755"
ROOT="$OUT/root"
dpkg-deb -x "$DEB" "$ROOT" || pkg_fail "dpkg-deb -x failed"
[ "$(ls "$ROOT")" = usr ] || pkg_fail "the package holds files outside /usr: $(ls "$ROOT")"
check_tree "$ROOT/usr"
check_metadata "$ROOT/usr" /usr/games/quillet
file -L "$ROOT/usr/lib/quillet/quillet" | grep -q ', stripped' || pkg_fail "the program is not stripped: $(file "$ROOT/usr/lib/quillet/quillet")"
gzip -t "$ROOT/usr/share/doc/quillet/changelog.gz" || pkg_fail "changelog.gz is not gzip"
zcat "$ROOT/usr/share/doc/quillet/changelog.gz" | head -1 | grep -q "^quillet ($VERSION)" ||
    pkg_fail "the changelog does not start with version $VERSION"
echo "ok: the program is stripped, changelog.gz and copyright are in /usr/share/doc/quillet"

echo "--- lintian"
# Root is warned against but fine for checking a finished .deb.
lintian --display-info "$DEB" >"$OUT/lintian.txt" 2>"$OUT/lintian.err" ||
    grep -q '^E: ' "$OUT/lintian.txt" || { cat "$OUT/lintian.err" >&2; pkg_fail "lintian did not run"; }
sed 's/^/  /' "$OUT/lintian.txt"
if grep -q '^E: ' "$OUT/lintian.txt"; then
    pkg_fail "lintian reports errors"
fi
echo "ok: lintian reports no errors ($(grep -c '^W: ' "$OUT/lintian.txt") warnings, $(grep -c '^I: ' "$OUT/lintian.txt") notes)"

system_install=false
if [ "${QUILLET_TEST_SYSTEM_INSTALL:-}" = 1 ] || { [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; }; then
    system_install=true
fi

if ! $system_install; then
    SHOT_PREFIX=package
    source "$SOURCE/tests/e2e/realwindow_lib.sh" "$ROOT/usr/games"
    play_installed "$ROOT/usr/lib/quillet/Main.bmp"
    echo "PASS: the package is sound and the program it carries plays from where it was unpacked"
    exit 0
fi

# ------------------------------------------------ installed on this system
dpkg-query -W -f='${Status}' quillet 2>/dev/null | grep -q 'installed' &&
    pkg_fail "quillet is installed on this system already; remove it before a system install test"
[ -e /usr/games/quillet ] || [ -e /usr/lib/quillet ] && pkg_fail "/usr/games/quillet or /usr/lib/quillet exists without the package"

purge() {
    if dpkg-query -W -f='${Status}' quillet 2>/dev/null | grep -q 'installed'; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y quillet >"$OUT/purge.log" 2>&1
    fi
}
trap purge EXIT

echo "--- apt-get install $DEB"
# apt-get wants a path it can tell from a package name.
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$DEB" >"$OUT/install.log" 2>&1 ||
    { cat "$OUT/install.log" >&2; pkg_fail "apt-get install failed"; }
dpkg --verify quillet || pkg_fail "the installed files do not match the package's checksums"
dpkg -L quillet | sort >"$OUT/owned.txt"
[ "$(readlink -f /usr/games/quillet)" = /usr/lib/quillet/quillet ] || pkg_fail "/usr/games/quillet does not lead to /usr/lib/quillet/quillet"
echo "ok: installed; dpkg --verify is clean"

# Through a link to /usr/games, so that screenshots land in $OUT/system
# rather than in /usr.
mkdir -p "$OUT/system"
ln -s /usr/games "$OUT/system/games"
SHOT_PREFIX=package-system
source "$SOURCE/tests/e2e/realwindow_lib.sh" "$OUT/system/games"
trap 'cleanup; purge' EXIT
play_installed /usr/lib/quillet/Main.bmp

echo "--- apt-get purge quillet"
DEBIAN_FRONTEND=noninteractive apt-get purge -y quillet >"$OUT/purge.log" 2>&1 ||
    { cat "$OUT/purge.log" >&2; fail "apt-get purge failed"; }
dpkg-query -W -f='${Status}' quillet 2>/dev/null | grep -q 'installed' && fail "quillet is still installed after purge"
left=""
while read -r path; do
    [ -d "$path" ] && [ ! -L "$path" ] && continue
    { [ -e "$path" ] || [ -L "$path" ]; } && left+=" $path"
done <"$OUT/owned.txt"
for dir in /usr/lib/quillet /usr/share/doc/quillet; do
    [ -e "$dir" ] && left+=" $dir"
done
[ -z "$left" ] || fail "purge left behind:$left"
ok "apt-get purge removes every file the package brought"
echo "PASS: the package installs with apt-get, plays from /usr/games/quillet and purges without a trace"
