#!/bin/bash
# Draws the program icon (32 x 32, 32-bit with alpha) and writes it as an
# .ico file: a small battle map of grass, water and hills under a red banner.
# Usage: make_icon.sh <out.ico>
set -euo pipefail
out=${1:?usage: make_icon.sh <out.ico>}

# Little-endian bytes of a number as \x escapes.
le16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)); }
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }

# Sets C to the colour (0xRRGGBB, or "none") of pixel x, y, with y = 0 at the top.
pixel() {
    local x=$1 y=$2
    # Rounded square border.
    if { [ $x -lt 2 ] || [ $x -gt 29 ]; } && { [ $y -lt 2 ] || [ $y -gt 29 ]; }; then C=none; return; fi
    if [ $x -eq 0 ] || [ $x -eq 31 ] || [ $y -eq 0 ] || [ $y -eq 31 ]; then C=0x202020; return; fi
    # Banner on a pole over the map: pole at x 8, cloth from x 9 to 20.
    if [ $x -eq 8 ] && [ $y -ge 3 ] && [ $y -le 17 ]; then C=0x503010; return; fi
    if [ $x -ge 9 ] && [ $y -ge 3 ] && [ $y -le 10 ]; then
        local tip=$((20 - (y - 3 > 10 - y ? y - 3 : 10 - y)))
        if [ $x -le $tip ]; then
            if [ $y -eq 6 ] || [ $y -eq 7 ]; then C=0xF0E040; else C=0xD02020; fi
            return
        fi
    fi
    # Map of 3 x 3 cells of 10 pixels with grid lines.
    local cx=$(((x - 1) / 10)) cy=$(((y - 1) / 10))
    if [ $(((x - 1) % 10)) -eq 9 ] || [ $(((y - 1) % 10)) -eq 9 ]; then C=0xF0F0F0; return; fi
    case "$cx$cy" in
        00|10|01) C=0x58B040 ;;     # grass
        20|21) C=0x3070D0 ;;        # water
        02|12) C=0x9C7A48 ;;        # hills
        *) C=0x70C050 ;;            # meadow
    esac
}

w=32
h=32
xor=""
mask=""
for ((y = h - 1; y >= 0; y--)); do          # bottom-up rows
    bits=0
    row=""
    for ((x = 0; x < w; x++)); do
        pixel $x $y; c=$C
        if [ "$c" = none ]; then
            xor+='\x00\x00\x00\x00'
            bits=$((bits | (1 << (31 - x))))
        else
            xor+=$(printf '\\x%02x\\x%02x\\x%02x\\xff' $((c & 255)) $((c >> 8 & 255)) $((c >> 16 & 255)))
        fi
    done
    mask+=$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((bits >> 24 & 255)) $((bits >> 16 & 255)) $((bits >> 8 & 255)) $((bits & 255)))
done

image_size=$((40 + w * h * 4 + h * 4))
{
    # Icon directory: one image.
    printf "$(le16 0)$(le16 1)$(le16 1)"
    printf "\\x$(printf %02x $w)\\x$(printf %02x $h)\\x00\\x00$(le16 1)$(le16 32)$(le32 $image_size)$(le32 22)"
    # Bitmap header: the height counts the colour and the mask halves.
    printf "$(le32 40)$(le32 $w)$(le32 $((h * 2)))$(le16 1)$(le16 32)$(le32 0)$(le32 $((w * h * 4)))$(le32 0)$(le32 0)$(le32 0)$(le32 0)"
    printf "$xor"
    printf "$mask"
} > "$out.tmp"
mv "$out.tmp" "$out"
