# Finishes the site, once its files are in place (run as it is installed, or on a site's folder
# as a script): writes the page, index.html, which names each of its files with its digest, and
# the script that asks for its program, start.js, with the sizes and the digest of the program
# that the page downloads; the app's manifest; the service worker, sw.js, with the site's files
# and their digests, in a cache named by the site's place and its build (the version, and a digest
# of all the files); and compresses each file beside it, as brotli (.br) and gzip (.gz) at their
# best, for hosts that send such files as they are. A copy that is newer than its file is kept.
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

# The digest that a browser checks file by (Subresource Integrity: SHA-256, in base64), as var.
function(integrity file var)
    file(SHA256 "${file}" digest)
    string(TOUPPER "${digest}" digest)
    file(WRITE "${site}/.digest" "${digest}")
    execute_process(COMMAND basenc --base16 --decode INPUT_FILE "${site}/.digest"
        COMMAND base64 --wrap=0 OUTPUT_VARIABLE digest COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${site}/.digest")
    set(${var} "sha256-${digest}" PARENT_SCOPE)
endfunction()

# The script that starts the program names it with its sizes and digest; the page names each of
# its files with its digest, start.js included.
compress("${program}")
file(SIZE "${program}" TANDRO_WASM_BYTES)
file(SIZE "${program}.br" TANDRO_WASM_BR)
file(SIZE "${program}.gz" TANDRO_WASM_GZIP)
integrity("${program}" TANDRO_SRI_PROGRAM_WASM)
configure_file("${TEMPLATES}/start.js.in" "${site}/start.js" @ONLY)
integrity("${site}/page.css" TANDRO_SRI_PAGE_CSS)
integrity("${site}/page.js" TANDRO_SRI_PAGE_JS)
integrity("${site}/languages.js" TANDRO_SRI_LANGUAGES_JS)
integrity("${site}/qtloader.js" TANDRO_SRI_QTLOADER_JS)
integrity("${site}/${TANDRO_WEB_PROGRAM}.js" TANDRO_SRI_PROGRAM_JS)
integrity("${site}/start.js" TANDRO_SRI_START_JS)
configure_file("${TEMPLATES}/index.html.in" "${site}/index.html" @ONLY)
configure_file("${TEMPLATES}/manifest.webmanifest.in" "${site}/manifest.webmanifest" @ONLY)

# The files that the page is made of, in the order that a browser asks for them, each with its
# digest, and the build: a digest of them all.
set(files index.html page.css start.js languages.js page.js qtloader.js "${TANDRO_WEB_PROGRAM}.js"
    "${TANDRO_WEB_PROGRAM}.wasm" heart.svg heart-32.png manifest.webmanifest heart-192.png
    heart-512.png heart-maskable-512.png heart-touch-180.png)
set(TANDRO_WEB_FILES "")
set(digests "")
foreach(name IN LISTS files)
    integrity("${site}/${name}" digest)
    string(APPEND digests "${digest}")
    string(APPEND TANDRO_WEB_FILES "    [\"${name}\", \"${digest}\"],\n")
endforeach()
string(SHA256 build "${digests}")
string(SUBSTRING "${build}" 0 12 build)
set(TANDRO_WEB_BUILD "${PROJECT_VERSION}-${build}")
# The faces that a page in another language brings, which the worker keeps for the page's language.
file(GLOB_RECURSE faces RELATIVE "${site}" "${site}/faces/*.ttf" "${site}/faces/*.otf")
list(SORT faces)
set(TANDRO_WEB_FACES "")
foreach(name IN LISTS faces)
    integrity("${site}/${name}" digest)
    string(APPEND TANDRO_WEB_FACES "    [\"${name}\", \"${digest}\"],\n")
endforeach()
configure_file("${TEMPLATES}/sw.js.in" "${site}/sw.js" @ONLY)

foreach(name IN LISTS files faces ITEMS sw.js)
    if(NOT name MATCHES "[.]png$" AND NOT name STREQUAL "${TANDRO_WEB_PROGRAM}.wasm")
        compress("${site}/${name}")
    endif()
endforeach()
