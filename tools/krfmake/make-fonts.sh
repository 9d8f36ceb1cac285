#!/bin/sh
# Rebuilds the fonts shipped in data/ from the DejaVu fonts of Debian's
# fonts-dejavu-core package.
#
#   tools/krfmake/make-fonts.sh path/to/krfmake [out-dir]
#
# out-dir defaults to the data/ directory of this checkout. Sheets are powers
# of two on each side, the texture sizes every OpenGL 1.1 accepts.
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 path/to/krfmake [out-dir]" >&2
    exit 2
fi
krfmake=$1
out=${2:-$(cd "$(dirname "$0")/../.." && pwd)/data}
fonts=${DEJAVU_DIR:-/usr/share/fonts/truetype/dejavu}

if [ ! -x "$krfmake" ]; then
    echo "$0: $krfmake is not an executable krfmake" >&2
    exit 1
fi
mkdir -p "$out"

make_font() { # file font name size width height
    "$krfmake" --font "$fonts/$2" --name "$3" --size "$4" --width "$5" --height "$6" --output "$out/$1"
}

# The default font of the font table and the UI test window.
make_font default.krf DejaVuSans.ttf   "Sans"      12 256 128
# The font test window draws this sheet at (10,50), above its sample lines at y=250.
make_font Default.KRF DejaVuSans.ttf   "Sans"      16 512 128
# Fonts the UI file puts in the font table.
make_font label.krf   DejaVuSans-Bold.ttf "Sans Bold" 12 256 128
make_font text.krf    DejaVuSans.ttf   "Sans"      12 256 128
make_font title.krf   DejaVuSans-Bold.ttf "Sans Bold" 18 256 256
make_font small.krf   DejaVuSans.ttf   "Sans"       9 256 64
make_font mono.krf    DejaVuSansMono.ttf "Sans Mono" 12 256 128
# Text beyond Latin-1: Latin Extended-A, the assigned codes of the Greek block, Cyrillic and
# the euro sign besides Latin-1, at the size of Default.KRF; --size-auto picks the sheet.
"$krfmake" --font "$fonts/DejaVuSans.ttf" --name "Sans" --size 16 --size-auto --output "$out/european.krf" \
    --chars "32-126,160-255,0x100-0x17F,0x370-0x377,0x37A-0x37F,0x384-0x38A,0x38C,0x38E-0x3A1,0x3A3-0x3FF,0x400-0x4FF,0x20AC"
