# Where the Qt for Windows or for the web that tools/qt/build-qt.sh builds is kept: in the user's
# cache (XDG_CACHE_HOME, or ~/.cache), in a folder named by the version of Debian's qt6-base
# source in qt6-base.version, the one place that version is said. The Qt's stamp (.built-here) says
# what made it; its file debian-source, which source was built. Included by the toolchain files
# beside it; the recipe asks it too:
#     cmake -DQT_FOR=windows|web -P tools/qt/location.cmake    says the folder (on stderr)
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/qt6-base.version" tandro_qt_debian_version LIMIT_COUNT 1)
include("${CMAKE_CURRENT_LIST_DIR}/../user_cache.cmake")
set(tandro_qt_cache "${TANDRO_USER_CACHE}/tandro")
set(TANDRO_QT_FOR_WINDOWS "${tandro_qt_cache}/qt${tandro_qt_debian_version}-mingw64")
set(TANDRO_QT_FOR_WEB "${tandro_qt_cache}/qt${tandro_qt_debian_version}-wasm")

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    if(QT_FOR STREQUAL "windows")
        message("${TANDRO_QT_FOR_WINDOWS}")
    elseif(QT_FOR STREQUAL "web")
        message("${TANDRO_QT_FOR_WEB}")
    else()
        message(FATAL_ERROR "usage: cmake -DQT_FOR=windows|web -P ${CMAKE_CURRENT_LIST_FILE}")
    endif()
endif()
