# The web: a folder of static files that any web server or static host serves as it is, and a zip
# of the same. Included from packaging/CMakeLists.txt, with its folder's paths.

set(TANDRO_WEB_PROGRAM tandro) # tandro.js and tandro.wasm
# The page around the program, and the heart: as the page's icon, and as the icons of the page
# installed as an app on a phone's home screen or a computer (manifest.webmanifest).
set(heart "${PROJECT_SOURCE_DIR}/ui/icons/heart")
# The manifest says what Tandro is as its packages do (translations/texts.cmake).
string(REPLACE "\\" "\\\\" TANDRO_DESCRIPTION_JSON "${TANDRO_DESCRIPTION}")
string(REPLACE "\"" "\\\"" TANDRO_DESCRIPTION_JSON "${TANDRO_DESCRIPTION_JSON}")
configure_file(web/manifest.webmanifest.in manifest.webmanifest @ONLY)
install(FILES web/page.js web/page.css "${heart}.svg" "${heart}-32.png" "${heart}-192.png"
    "${heart}-512.png" "${heart}-maskable-512.png" "${heart}-touch-180.png"
    "${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest"
    DESTINATION .)
# What the page needs of each language besides English: its texts, and the faces that draw its
# characters in the windows, cut down to those (languages.py): languages.js, and faces/<name>/,
# which only a page in that language fetches.
find_program(DEBIAN_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(languages "${CMAKE_CURRENT_BINARY_DIR}/languages")
set(arguments)
set(inputs)
foreach(font IN LISTS TANDRO_WEB_FACES)
    string(REPLACE "@" ";" font "${font}")
    list(GET font 0 name)
    list(GET font 1 characters)
    list(APPEND arguments --face "${face_${name}}" "${characters}")
    list(APPEND inputs "${face_${name}}")
endforeach()
foreach(name IN LISTS TANDRO_TRANSLATIONS)
    set(catalogs "${PROJECT_SOURCE_DIR}/translations/tandro_${name}.ts")
    if(EXISTS "/usr/share/qt6/translations/qtbase_${name}.qm")
        list(APPEND catalogs "${PROJECT_BINARY_DIR}/platform/qtcatalogs/qtbase_${name}.ts")
    endif()
    list(APPEND arguments --translation ${name} ${catalogs})
    list(APPEND inputs ${catalogs})
endforeach()
add_custom_command(OUTPUT "${languages}/languages.js"
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${languages}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${languages}"
    COMMAND "${DEBIAN_PYTHON3}" "${CMAKE_CURRENT_SOURCE_DIR}/web/languages.py"
        "${CMAKE_CURRENT_SOURCE_DIR}/web/languages.js.in" "${languages}" ${arguments}
    DEPENDS web/languages.py web/languages.js.in ${inputs}
    COMMENT "Writing the web page's languages" VERBATIM)
add_custom_target(web_languages ALL DEPENDS "${languages}/languages.js")
add_dependencies(web_languages tandro_platform)
install(FILES "${languages}/languages.js" DESTINATION .)
install(DIRECTORY "${languages}/faces" DESTINATION .)

# Once the program is installed (app/ comes first): the page, which says how large the program is,
# its manifest, the service worker that keeps the site on the device, and each file compressed
# beside it as a host sends it, for hosts that send such files as they are (.br, brotli's, and
# .gz, gzip's).
find_program(BROTLI brotli REQUIRED)
find_program(GZIP gzip REQUIRED)
install(CODE "
    set(PROJECT_NAME \"${PROJECT_NAME}\")
    set(PROJECT_VERSION \"${PROJECT_VERSION}\")
    set(TANDRO_WEB_PROGRAM \"${TANDRO_WEB_PROGRAM}\")
    set(TEMPLATES \"${CMAKE_CURRENT_SOURCE_DIR}/web\")
    set(BROTLI \"${BROTLI}\")
    set(GZIP \"${GZIP}\")")
install(SCRIPT web/site.cmake)

# The zip unpacks to one folder, tandro-<version>-web, its files dated by the last commit.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME "tandro-${PROJECT_VERSION}-web")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/../dated_files.cmake")

# The site, build-web/site: what installing writes, into a folder of its own, made anew, once
# what it installs is built (the program, and the languages).
set(site "${PROJECT_BINARY_DIR}/site")
add_custom_target(site
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${site}"
    COMMAND "${CMAKE_COMMAND}" --install "${PROJECT_BINARY_DIR}" --prefix "${site}"
    COMMENT "Writing the site into ${site}" VERBATIM)
add_dependencies(site tandro web_languages)
