# Linux desktops: a launcher in the Games menu, the icon in the hicolor theme at every size, the
# software centre's entry, a manual page, and the licence and history that a Debian package carries.
# Included from packaging/CMakeLists.txt, with its folder's paths.

set(TANDRO_RELEASE "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
# What they say of Tandro (translations/texts.cmake), in English and in each translation.
tandro_xml_escaped("${TANDRO_SUMMARY}" TANDRO_SUMMARY_XML)
tandro_xml_escaped("${TANDRO_DESCRIPTION}" TANDRO_DESCRIPTION_XML)
set(TANDRO_DESKTOP_TRANSLATIONS "")
set(TANDRO_SUMMARIES "")
set(TANDRO_DESCRIPTIONS "")
set(TANDRO_KEYWORD_LIST "")
# Keywords, a list each word ended by a semicolon, are the software centre's words each.
function(add_keywords keywords attribute)
    foreach(keyword IN LISTS keywords)
        if(NOT keyword STREQUAL "")
            tandro_xml_escaped("${keyword}" keyword)
            string(APPEND TANDRO_KEYWORD_LIST "    <keyword${attribute}>${keyword}</keyword>\n")
        endif()
    endforeach()
    set(TANDRO_KEYWORD_LIST "${TANDRO_KEYWORD_LIST}" PARENT_SCOPE)
endfunction()
add_keywords("${TANDRO_KEYWORDS}" "")
foreach(name IN LISTS TANDRO_TRANSLATIONS)
    tandro_translated_text(generic-name ${name} generic_name)
    tandro_translated_text(summary ${name} summary)
    tandro_translated_text(description ${name} description)
    tandro_translated_text(keywords ${name} keywords)
    string(APPEND TANDRO_DESKTOP_TRANSLATIONS "GenericName[${name}]=${generic_name}\n"
        "Comment[${name}]=${summary}\nKeywords[${name}]=${keywords}\n")
    tandro_xml_escaped("${summary}" summary)
    tandro_xml_escaped("${description}" description)
    string(APPEND TANDRO_SUMMARIES "  <summary xml:lang=\"${name}\">${summary}</summary>\n")
    string(APPEND TANDRO_DESCRIPTIONS "    <p xml:lang=\"${name}\">${description}</p>\n")
    add_keywords("${keywords}" " xml:lang=\"${name}\"")
endforeach()
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

foreach(size IN LISTS TANDRO_ICON_SIZES)
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
        # The page is in English, whatever the language of whoever builds it.
        COMMAND "${CMAKE_COMMAND}" -E env --unset=LANGUAGE ASAN_OPTIONS=detect_leaks=0 LC_ALL=C.UTF-8
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
tandro_wrapped("${TANDRO_DESCRIPTION}" 79 description)
set(CPACK_PACKAGE_DESCRIPTION "${description}
.
It is played with the mouse or the keyboard alone, in the player's language,
and a screen reader tells the result of each game.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries, as dpkg-shlibdeps finds them, Qt's translations for Qt's own texts (a message
# box's OK), and the faces that stand in for the Windows fonts (platform/faces.txt).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
list(JOIN TANDRO_FACE_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, ")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
