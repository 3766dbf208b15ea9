#!/usr/bin/env bash
# The committed pictures are what the generators draw today: the icons
# (tools/gen_icon), the card pictures at 1x and 2x and the table
# (tools/gen_cards), the chooser's pictures (tools/gen_chooser). A change to a
# generator that was not followed by regenerating assets/ is caught here.
# Cards and table are drawn pixel by pixel and must match byte for byte;
# icons and chooser are blended, so their pixels are compared with a 1%
# tolerance, and blending that differs in the last bit between processors
# does not count.
#
# Usage: bash test_icons_regenerate.sh <build>/bin

source "$(dirname "${BASH_SOURCE[0]}")/packaging_lib.sh"
need_tools compare
need_packages fonts-dancingscript
for tool in gen_icon gen_cards gen_chooser; do
    [ -x "$1/$tool" ] || pkg_fail "$1/$tool is not built"
done

OUT="$BUILD/packaging-test/icons"
rm -rf "$OUT"
mkdir -p "$OUT/drawn/icons" "$OUT/drawn/cards"
DRAWN="$OUT/drawn"

# draw TOOL ARG...: runs a generator offscreen, its complaints shown on failure.
draw() {
    QT_QPA_PLATFORM=offscreen "$1/$2" "${@:3}" >/dev/null 2>"$OUT/$2.log" ||
        { cat "$OUT/$2.log" >&2; pkg_fail "$2 failed"; }
}

# same_blend COMMITTED DRAWN HOW: the two agree within the tolerance.
same_blend() {
    local differ
    differ=$(compare -metric AE -fuzz 1% "$1" "$2" null: 2>&1)
    [ "$differ" = 0 ] || pkg_fail "${1#"$SOURCE/"} differs from what is drawn ($differ pixels): run $3"
}

# same_set DIR1 DIR2 WHAT: both hold the same picture names.
same_set() {
    [ "$(cd "$1" && find . -name "$3" | sort)" = "$(cd "$2" && find . -name "$3" | sort)" ] ||
        pkg_fail "${1#"$SOURCE/"} holds other pictures than are drawn"
}

draw "$1" gen_icon "$DRAWN/icons"
for size in "${ICON_SIZES[@]}"; do
    name=quillet-$size.png
    [ -f "$DRAWN/icons/$name" ] || pkg_fail "gen_icon drew no $name"
    same_blend "$SOURCE/assets/icons/$name" "$DRAWN/icons/$name" "gen_icon assets/icons"
done
same_set "$SOURCE/assets/icons" "$DRAWN/icons" 'quillet-*.png'

draw "$1" gen_cards "$DRAWN/cards"
draw "$1" gen_cards --table "$DRAWN/Main.bmp"
same_set "$SOURCE/assets/cards" "$DRAWN/cards" '*.bmp'
for f in "$SOURCE"/assets/cards/*.bmp "$SOURCE"/assets/cards/2x/*.bmp "$SOURCE/assets/Main.bmp"; do
    rel=${f#"$SOURCE/assets/"}
    cmp -s "$f" "$DRAWN/${rel}" || pkg_fail "assets/$rel differs from what gen_cards draws: run gen_cards (tools/README.md)"
done

draw "$1" gen_chooser "$DRAWN/chooser.bmp"
for name in chooser.bmp chooser-2x.bmp; do
    same_blend "$SOURCE/assets/$name" "$DRAWN/$name" "gen_chooser assets/chooser.bmp"
done
echo "PASS: assets/ matches what the generators draw: icons at ${ICON_SIZES[*]} px, 53 cards at 1x and 2x, table, chooser at 1x and 2x"
