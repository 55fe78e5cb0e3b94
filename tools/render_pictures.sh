#!/usr/bin/env bash
# Renders the card pictures (resources/pictures/cardNN.svg) to the 88 x 147
# baseline JPEGs the program loads, and writes an enlarged, labelled contact
# sheet for visual review. The contact sheet is a review aid only and must
# never be placed under resources/.
#
# Usage: tools/render_pictures.sh [CONTACT_SHEET.png]
set -euo pipefail

WIDTH=88
HEIGHT=147
QUALITY=92

die() {
    echo "render_pictures.sh: $*" >&2
    exit 1
}

for tool in rsvg-convert convert montage; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        case "$tool" in
            rsvg-convert) die "rsvg-convert not found (install the librsvg2-bin package)" ;;
            *) die "$tool not found (install ImageMagick)" ;;
        esac
    fi
done

script_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo_dir="$(cd "$script_dir/.." && pwd)"
pictures_dir="$repo_dir/resources/pictures"
[[ -d "$pictures_dir" ]] || die "picture directory not found: $pictures_dir"

sheet="${1:-$PWD/contact_sheet.png}"
case "$sheet" in
    /*) ;;
    *) sheet="$PWD/$sheet" ;;
esac

work_dir="$(mktemp -d)"
trap 'rm -rf "$work_dir"' EXIT

shopt -s nullglob
sources=("$pictures_dir"/card[0-9][0-9].svg)
shopt -u nullglob
((${#sources[@]} > 0)) || die "no cardNN.svg files in $pictures_dir"

labelled=()
for svg in "${sources[@]}"; do
    name="$(basename "$svg" .svg)"
    png="$work_dir/$name.png"
    jpg="$pictures_dir/$name.jpg"

    rsvg-convert --width "$WIDTH" --height "$HEIGHT" --format png \
        --output "$png" "$svg" || die "rsvg-convert failed on $svg"

    # Flatten on white first so transparent edges do not turn black in JPEG.
    convert "$png" -background white -alpha remove -alpha off \
        -colorspace sRGB -type TrueColor -strip -interlace None \
        -sampling-factor 4:2:0 -quality "$QUALITY" "jpg:$jpg" \
        || die "convert failed on $png"

    size="$(identify -format '%wx%h' "$jpg")"
    [[ "$size" == "${WIDTH}x${HEIGHT}" ]] || die "$jpg has size $size, expected ${WIDTH}x${HEIGHT}"

    number="${name#card}"
    big="$work_dir/big_$name.png"
    convert "$jpg" -scale 200% "$big"
    labelled+=(-label "$number" "$big")
    echo "rendered $jpg"
done

mkdir -p "$(dirname "$sheet")"
montage "${labelled[@]}" -tile 10x -geometry +6+6 -background '#d8d8d8' \
    -font DejaVu-Sans -pointsize 14 "$sheet" || die "montage failed"
echo "contact sheet: $sheet"
