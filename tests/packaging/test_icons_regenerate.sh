#!/usr/bin/env bash
# The committed icons are what tools/gen_icon draws today: a change to the
# generator that was not followed by regenerating assets/icons is caught here.
# Pixels are compared with a 1% tolerance, so that blending that differs in
# the last bit between processors does not count.
#
# Usage: bash test_icons_regenerate.sh <build>/bin

source "$(dirname "${BASH_SOURCE[0]}")/packaging_lib.sh"
need_tools compare
[ -x "$1/gen_icon" ] || pkg_fail "$1/gen_icon is not built"

OUT="$BUILD/packaging-test/icons"
rm -rf "$OUT"
mkdir -p "$OUT/drawn"
QT_QPA_PLATFORM=offscreen "$1/gen_icon" "$OUT/drawn" >/dev/null 2>"$OUT/gen_icon.log" ||
    { cat "$OUT/gen_icon.log" >&2; pkg_fail "gen_icon failed"; }
OUT="$OUT/drawn"
for size in "${ICON_SIZES[@]}"; do
    name=quillet-$size.png
    [ -f "$OUT/$name" ] || pkg_fail "gen_icon drew no $name"
    differ=$(compare -metric AE -fuzz 1% "$SOURCE/assets/icons/$name" "$OUT/$name" null: 2>&1)
    [ "$differ" = 0 ] || pkg_fail "assets/icons/$name differs from what gen_icon draws ($differ pixels): run gen_icon assets/icons"
done
committed=$(cd "$SOURCE/assets/icons" && ls quillet-*.png | sort)
drawn=$(cd "$OUT" && ls quillet-*.png | sort)
[ "$committed" = "$drawn" ] || pkg_fail "assets/icons holds other sizes than gen_icon draws"
echo "PASS: assets/icons matches gen_icon's drawing at ${ICON_SIZES[*]} px"
