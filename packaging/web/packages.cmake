# The web: a folder of static files that any web server or static host serves as it is, and a zip
# of the same. Included from packaging/CMakeLists.txt, with its folder's paths.

set(TANDRO_WEB_PROGRAM tandro) # tandro.js and tandro.wasm
configure_file(web/index.html.in index.html @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/index.html" web/page.js web/page.css
    "${PROJECT_SOURCE_DIR}/ui/icons/heart.svg" "${PROJECT_SOURCE_DIR}/ui/icons/heart-32.png"
    DESTINATION .)

# The zip unpacks to one folder, tandro-<version>-web.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME "tandro-${PROJECT_VERSION}-web")
