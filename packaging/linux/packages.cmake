# Linux desktops: a launcher in the Games menu, the icon in the hicolor theme at every size, the
# software centre's entry, a manual page, and the licence and history that a Debian package carries.
# Included from packaging/CMakeLists.txt, with its folder's paths.

set(TANDRO_RELEASE "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(metainfo_file "${CMAKE_CURRENT_BINARY_DIR}/${TANDRO_APP_ID}.metainfo.xml")
configure_file(linux/tandro.metainfo.xml.in "${metainfo_file}" @ONLY)
install(FILES "${metainfo_file}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# The launcher starts the program by its full path: Debian puts games in /usr/games, which not every
# desktop session has in its PATH. The path is known only when installing, as cmake --install
# --prefix may change it, so the launcher is filled in then.
set(TANDRO_EXEC "@TANDRO_EXEC@")
set(desktop_template "${CMAKE_CURRENT_BINARY_DIR}/${TANDRO_APP_ID}.desktop.in")
set(desktop_file "${CMAKE_CURRENT_BINARY_DIR}/installing/${TANDRO_APP_ID}.desktop")
configure_file(linux/tandro.desktop.in "${desktop_template}" @ONLY)
install(CODE "
    set(TANDRO_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tandro\")
    configure_file(\"${desktop_template}\" \"${desktop_file}\" @ONLY)
    file(INSTALL \"${desktop_file}\"
        DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")

foreach(size 16 32 48 64 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/ui/icons/heart-${size}.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
        RENAME "${TANDRO_APP_ID}.png")
endforeach()
install(FILES "${PROJECT_SOURCE_DIR}/ui/icons/heart.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
    RENAME "${TANDRO_APP_ID}.svg")

# The manual page (section 6, games) is made from what tandro --help and --version say, with the
# sections that help2man cannot know from linux/tandro.h2m, so that it cannot drift from --help.
find_program(HELP2MAN help2man)
find_program(GZIP gzip REQUIRED)
if(HELP2MAN AND NOT CMAKE_CROSSCOMPILING)
    configure_file(linux/tandro.h2m tandro.h2m @ONLY)
    add_custom_command(OUTPUT tandro.6.gz
        # A sanitized build reports Qt's memory held until exit as leaks, which would fail the run.
        COMMAND "${CMAKE_COMMAND}" -E env ASAN_OPTIONS=detect_leaks=0
            ${TANDRO_SOURCE_DATE} "${HELP2MAN}" --no-info --section=6 --include "${CMAKE_CURRENT_BINARY_DIR}/tandro.h2m"
                --output tandro.6 "$<TARGET_FILE:tandro>"
        COMMAND "${GZIP}" --best --no-name --force tandro.6
        DEPENDS tandro "${CMAKE_CURRENT_BINARY_DIR}/tandro.h2m"
        COMMENT "Making the manual page from tandro --help"
        VERBATIM)
    add_custom_target(tandro_manual ALL DEPENDS tandro.6.gz)
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/tandro.6.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
else()
    message(STATUS "help2man is not installed: Tandro is built without its manual page")
endif()

set(doc_dir "${CMAKE_INSTALL_DATADIR}/doc/tandro")
add_custom_command(OUTPUT changelog.gz
    COMMAND "${GZIP}" --best --no-name --stdout "${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog"
        > changelog.gz
    DEPENDS debian/changelog)
add_custom_target(tandro_changelog ALL DEPENDS changelog.gz)
install(FILES debian/copyright "${CMAKE_CURRENT_BINARY_DIR}/changelog.gz" DESTINATION "${doc_dir}")

# The Debian package, made by cpack (cmake --build . --target package) from the rules above.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_CONTACT "${CPACK_PACKAGE_VENDOR} <${TANDRO_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION [=[
Tandro is a small game for two names. Type your own name and your partner's
name and press Go: the letters that the two names share cancel each other, and
the number of letters left over counts round six words, Hates, Friend, Loves,
Admires, Marriage and Enemy, striking them out with a red cross one at a time
until one word is left: the relationship between the two names.
.
It is played with the mouse or the keyboard alone, and a screen reader tells
the result of each game.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries, as dpkg-shlibdeps finds them, and the faces that stand in for the Windows fonts:
# Liberation's version 2, which Debian 13 packages as fonts-liberation and Debian 12 apart, as
# fonts-liberation2.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-crosextra-carlito, fonts-comic-neue, fonts-liberation (>= 1:2) | fonts-liberation2")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
