#!/usr/bin/env bash
# Pictures both windows after a game of 'Ram' and 'Sita' in every language Tandro speaks, English
# first, and lays them out on one sheet, a language to a cell.
#
#     tools/language-sheet.sh [FILE]     (default: docs/languages.png)
#
# The windows are drawn as tools/screenshots.sh draws them, on the offscreen platform in the
# machine's faces: ./build.sh run installs those the package depends on. Needs Pillow
# (python3-pil, which ./build.sh test installs).
cd "$(dirname "$0")/.."
. tools/common.sh
sheet=$(realpath -m "${1:-docs/languages.png}")
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target tandro-screenshots
pictures=$(mktemp -d)
trap 'rm -rf "$pictures"' EXIT
languages=(en)
for file in translations/tandro_*.ts; do
    language=${file#translations/tandro_}
    languages+=("${language%.ts}")
done
for language in "${languages[@]}"; do
    mkdir "$pictures/$language"
    LANGUAGE=$language LANG=C.UTF-8 LC_ALL= QT_QPA_PLATFORM=offscreen \
        build/tools/tandro-screenshots "$pictures/$language"
done
python3 - "$sheet" "$pictures" "${languages[@]}" <<'EOF'
import sys
from PIL import Image, ImageDraw

sheet_file, folder, languages = sys.argv[1], sys.argv[2], sys.argv[3:]
gap, caption, columns = 12, 18, 2
cells = [(language,
          Image.open(f"{folder}/{language}/main-window-after-game.png").convert("RGB"),
          Image.open(f"{folder}/{language}/about-dialog.png").convert("RGB"))
         for language in languages]
width = max(main.width + gap + about.width for _, main, about in cells)
height = caption + max(max(main.height, about.height) for _, main, about in cells)
rows = -(-len(cells) // columns)
sheet = Image.new("RGB", (gap + columns * (width + gap), gap + rows * (height + gap)), "white")
draw = ImageDraw.Draw(sheet)
for index, (language, main, about) in enumerate(cells):
    x = gap + (index % columns) * (width + gap)
    y = gap + (index // columns) * (height + gap)
    draw.text((x, y + 2), language, fill="black")
    sheet.paste(main, (x, y + caption))
    sheet.paste(about, (x + main.width + gap, y + caption))
sheet.save(sheet_file, optimize=True)
EOF
echo "The sheet is $sheet"
