#!/usr/bin/env bash
# Builds Tandro and renders its main window, before and after a game, to PNG files.
#
#     tools/screenshots.sh [FOLDER]     (default: docs/)
cd "$(dirname "$0")/.."
. tools/common.sh
folder=${1:-docs}
mkdir -p "$folder"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target tandro-screenshots
QT_QPA_PLATFORM=offscreen build/tools/tandro-screenshots "$folder"
echo "Pictures are in $folder/"
