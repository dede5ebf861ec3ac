# The web: a folder of static files that any web server or static host serves as it is, and a zip
# of the same. Included from packaging/CMakeLists.txt, with its folder's paths.

set(TANDRO_WEB_PROGRAM tandro) # tandro.js and tandro.wasm
# The page around the program, and the heart: as the page's icon, and as the icons of the page
# installed as an app on a phone's home screen or a computer (manifest.webmanifest).
set(heart "${PROJECT_SOURCE_DIR}/ui/icons/heart")
install(FILES web/page.js web/page.css "${heart}.svg" "${heart}-32.png" "${heart}-192.png"
    "${heart}-512.png" "${heart}-maskable-512.png" "${heart}-touch-180.png"
    DESTINATION .)
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

# The site, build-web/site: what installing writes, into a folder of its own, made anew.
set(site "${PROJECT_BINARY_DIR}/site")
add_custom_target(site
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${site}"
    COMMAND "${CMAKE_COMMAND}" --install "${PROJECT_BINARY_DIR}" --prefix "${site}"
    COMMENT "Writing the site into ${site}" VERBATIM)
add_dependencies(site tandro)
