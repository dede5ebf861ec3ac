# make_emsdk FOLDER: makes FOLDER an emsdk of links to Debian's emscripten. Qt's configure for the
# web and the CMake files of the Qt it builds expect an emsdk, which Debian does not have: they
# read $EMSDK/.emscripten and run the compiler found from there. Sourced by build.sh and by
# tools/qt/qt-for-web.sh.
make_emsdk() {
    local emsdk=$1
    mkdir -p "$emsdk/upstream/emscripten"
    printf "EMSCRIPTEN_ROOT = '/upstream/emscripten'\n" >"$emsdk/.emscripten"
    ln -sfn /usr/bin/emcc "$emsdk/upstream/emscripten/emcc"
    ln -sfn /usr/bin/em++ "$emsdk/upstream/emscripten/em++"
    ln -sfn /usr/share/emscripten/cmake "$emsdk/upstream/emscripten/cmake"
}
