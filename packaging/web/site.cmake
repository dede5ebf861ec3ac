# Finishes the site, once its files are in place (run as it is installed, or on a site's folder
# as a script): writes the page, index.html, and the script that starts it, start.js, with the
# sizes of the program that the page shows as it downloads it; the app's manifest; the service
# worker, sw.js, with the site's files and their digests, in a cache named by the site's place and
# its build (the version, and a digest of all the files); and
# compresses each file beside it, as brotli (.br) and gzip (.gz) at their best, for hosts that
# send such files as they are. A copy that is newer than its file is kept.
# Given PROJECT_NAME, PROJECT_VERSION, TANDRO_WEB_PROGRAM, TEMPLATES (packaging/web), BROTLI and
# GZIP; the site is DESTDIR and CMAKE_INSTALL_PREFIX.
set(site "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(program "${site}/${TANDRO_WEB_PROGRAM}.wasm")

function(compress file)
    if(NOT "${file}" IS_NEWER_THAN "${file}.br")
        return()
    endif()
    execute_process(COMMAND "${BROTLI}" --best --force --output=${file}.br ${file}
        COMMAND_ERROR_IS_FATAL ANY)
    # Without the file's name and time: the same file gives the same bytes.
    execute_process(COMMAND "${GZIP}" --best --no-name --force --keep ${file}
        COMMAND_ERROR_IS_FATAL ANY)
endfunction()

compress("${program}")
file(SIZE "${program}" TANDRO_WASM_BYTES)
file(SIZE "${program}.br" TANDRO_WASM_BR)
file(SIZE "${program}.gz" TANDRO_WASM_GZIP)
configure_file("${TEMPLATES}/index.html.in" "${site}/index.html" @ONLY)
configure_file("${TEMPLATES}/start.js.in" "${site}/start.js" @ONLY)
configure_file("${TEMPLATES}/manifest.webmanifest.in" "${site}/manifest.webmanifest" @ONLY)

# The files that the page is made of, in the order that a browser asks for them, each with the
# digest that a browser checks it by (Subresource Integrity: SHA-256, in base64).
set(files index.html page.css page.js qtloader.js "${TANDRO_WEB_PROGRAM}.js" start.js
    "${TANDRO_WEB_PROGRAM}.wasm" heart.svg heart-32.png manifest.webmanifest heart-192.png
    heart-512.png heart-maskable-512.png heart-touch-180.png)
set(TANDRO_WEB_FILES "")
set(digests "")
foreach(name IN LISTS files)
    file(SHA256 "${site}/${name}" digest)
    string(APPEND digests "${digest}")
    string(TOUPPER "${digest}" digest)
    file(WRITE "${site}/.digest" "${digest}")
    execute_process(COMMAND basenc --base16 --decode INPUT_FILE "${site}/.digest"
        COMMAND base64 --wrap=0 OUTPUT_VARIABLE digest COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND TANDRO_WEB_FILES "    [\"${name}\", \"sha256-${digest}\"],\n")
endforeach()
file(REMOVE "${site}/.digest")
string(SHA256 build "${digests}")
string(SUBSTRING "${build}" 0 12 build)
set(TANDRO_WEB_BUILD "${PROJECT_VERSION}-${build}")
configure_file("${TEMPLATES}/sw.js.in" "${site}/sw.js" @ONLY)

foreach(name IN LISTS files ITEMS sw.js)
    if(NOT name MATCHES "[.]png$" AND NOT name STREQUAL "${TANDRO_WEB_PROGRAM}.wasm")
        compress("${site}/${name}")
    endif()
endforeach()
