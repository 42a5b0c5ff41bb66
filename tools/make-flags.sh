#!/usr/bin/env bash
# Rebuilds the flag pictures in assets/flags/ from the flag-icons SVG set.
#
# Run by hand when the FIPS or alpha-2 column of src/data/codelists.h changes;
# the build only embeds the PNGs it finds, so nothing here runs in CI.
#
# Needs:
#   - flag-icons from npm, installed in a scratch folder outside the tree:
#         mkdir -p /tmp/flagsrc && (cd /tmp/flagsrc && npm install flag-icons)
#     and that folder given as the first argument or as FLAG_ICONS_DIR
#     (the folder that holds node_modules/, or the flag-icons package itself);
#   - rsvg-convert (Debian: apt-get install librsvg2-bin);
#   - ImageMagick's convert and compare (Debian: apt-get install imagemagick).
#
# Usage: tools/make-flags.sh [FLAG_ICONS_DIR]
#   CODELISTS=<file> reads another code table than src/data/codelists.h.
#
# Each flag is named by the country's FIPS 10-4 code and drawn from the
# flag-icons picture of its ISO alpha-2 code, stretched to exactly 52x30 so
# that every picture fills the flag box the same way; XX@2x.png beside it is
# the same drawing at 104x60 for screens of twice the pixel density (the
# program picks it by the window's device pixel ratio). Countries that share a
# FIPS code share one picture. The set is rebuilt completely on every run,
# so a code that left the table loses its picture too.

set -euo pipefail

readonly WIDTH=52
readonly HEIGHT=30

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
codelists="${CODELISTS:-$root/src/data/codelists.h}"
extra="$here/flags-extra"
out="$root/assets/flags"

die() { echo "make-flags: $*" >&2; exit 1; }

src="${1:-${FLAG_ICONS_DIR:-}}"
[ -n "$src" ] || die "give the folder where 'npm install flag-icons' ran (argument or FLAG_ICONS_DIR)"
if [ -d "$src/node_modules/flag-icons" ]; then
    pkg="$src/node_modules/flag-icons"
elif [ -d "$src/flags/4x3" ]; then
    pkg="$src"
else
    die "no flag-icons package under $src"
fi
svgdir="$pkg/flags/4x3"
[ -f "$pkg/LICENSE" ] || die "flag-icons licence missing in $pkg"
for tool in rsvg-convert convert compare; do
    command -v "$tool" >/dev/null || die "$tool not found"
done
[ -f "$codelists" ] || die "code table $codelists not found"

# Alpha-2 codes without a picture of their own in flag-icons, or whose picture
# must be a particular one. Gaza Strip and West Bank fly the Palestinian flag;
# each US minor outlying island shows the "um" flag, Jan Mayen and Svalbard the
# Norwegian "sj" one; Serbia and Montenegro and the Netherlands Antilles no
# longer exist, so their flags are drawn in tools/flags-extra/.
declare -A special=(
    [GZ]="$svgdir/ps.svg"
    [WE]="$svgdir/ps.svg"
    [UM]="$svgdir/um.svg"
    [SJ]="$svgdir/sj.svg"
    [CS]="$extra/cs.svg"
    [AN]="$extra/an.svg"
)

# A code row holds eight quoted codes and ends with "// <index> <name>":
# alpha-2 is the first code, FIPS 10-4 the fourth. Rows of any other table
# have another number of fields and fall through.
rows="$(awk '
    /^[[:space:]]*\{/ && /\/\/[[:space:]]*[0-9]+[[:space:]]/ {
        at = index($0, "//")
        body = substr($0, 1, at - 1)
        comment = substr($0, at + 2)
        sub(/^[[:space:]]+/, "", comment)
        gsub(/u8"/, "\"", body)
        if (split(body, part, "\"") != 17) next
        print part[2], part[8], comment
    }' "$codelists")"
count="$(printf '%s\n' "$rows" | grep -c . || true)"
[ "$count" -eq 253 ] || die "expected 253 code rows in $codelists, found $count"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/flags"

declare -A source_of=() name_of=()
order=()
while read -r alpha2 fips index name; do
    [[ "$fips" =~ ^[A-Za-z]{2}$ ]] || die "row $index ($name): FIPS code '$fips' is not two letters"
    fips="${fips^^}"
    alpha2="${alpha2^^}"
    if [ -n "${special[$alpha2]:-}" ]; then
        svg="${special[$alpha2]}"
    else
        svg="$svgdir/${alpha2,,}.svg"
    fi
    [ -f "$svg" ] || die "row $index ($name): no flag for alpha-2 '$alpha2'; add it to the special table"
    if [ -n "${source_of[$fips]:-}" ]; then
        [ "${source_of[$fips]}" = "$svg" ] ||
            die "row $index ($name) shares FIPS $fips with ${name_of[$fips]} but would get another flag"
        continue
    fi
    source_of[$fips]="$svg"
    name_of[$fips]="$name"
    order+=("$fips")
done <<<"$rows"

# Stretch, not letterbox: preserveAspectRatio="none" on the root element makes
# the drawing fill the whole viewport whatever the SVG's own aspect.
render() { # svg png scale
    sed -E '0,/<svg /s//<svg preserveAspectRatio="none" /' "$1" >"$tmp/in.svg"
    rsvg-convert -w $((WIDTH * $3)) -h $((HEIGHT * $3)) -b white "$tmp/in.svg" -o "$tmp/full.png"
    # An 8-bit palette keeps the files small; a flag with fine detail whose
    # colours would shift visibly stays in full colour.
    convert "$tmp/full.png" -alpha off -strip PNG8:"$tmp/pal.png"
    local metric err
    metric="$(compare -metric RMSE "$tmp/full.png" "$tmp/pal.png" null: 2>&1 || true)"
    err="$(printf '%s' "$metric" | sed -nE 's/^[0-9.e+-]+ \(([0-9.e+-]+)\)$/\1/p')"
    [ -n "$err" ] || die "compare failed on $1: $metric"
    if awk -v e="$err" 'BEGIN { exit !(e + 0 <= 0.01) }'; then
        mv "$tmp/pal.png" "$2"
    else
        convert "$tmp/full.png" -alpha off -strip PNG24:"$2"
    fi
}

for fips in "${order[@]}"; do
    render "${source_of[$fips]}" "$tmp/flags/$fips.png" 1
    render "${source_of[$fips]}" "$tmp/flags/$fips@2x.png" 2
done

# Shown when a country has no flag: light grey with a mid-grey frame, one
# screen pixel wide at either density.
for scale in 1 2; do
    suffix=""
    [ "$scale" -eq 1 ] || suffix="@${scale}x"
    convert -size $((WIDTH * scale - 2 * scale))x$((HEIGHT * scale - 2 * scale)) xc:'#e4e4e4' \
        -bordercolor '#9a9a9a' -border "$scale" -strip PNG8:"$tmp/flags/empty$suffix.png"
done

version="$(sed -nE 's/^[[:space:]]*"version":[[:space:]]*"([^"]*)".*/\1/p' "$pkg/package.json" | head -n1)"
{
    echo "The flag pictures come from flag-icons $version (npm package flag-icons, licence below), scaled to ${WIDTH}x${HEIGHT} pixels and, for screens of twice the density, $((WIDTH * 2))x$((HEIGHT * 2)); those of Serbia and Montenegro (YI) and the Netherlands Antilles (NT) are drawn for this program."
    echo
    cat "$pkg/LICENSE"
} >"$tmp/flags/LICENSE-flag-icons.txt"

mkdir -p "$out"
rm -f "$out"/*.png "$out/LICENSE-flag-icons.txt"
cp "$tmp/flags/"* "$out/"
echo "make-flags: wrote ${#order[@]} flags at 1x and 2x, empty.png, empty@2x.png and LICENSE-flag-icons.txt to $out"
