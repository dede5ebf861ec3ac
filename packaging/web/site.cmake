# Run as the site is installed, after its files: writes the page, index.html, with the sizes of the
# program that it shows as it downloads it, and compresses each file of the site beside it, as
# brotli (.br) and gzip (.gz) at their best, for hosts that send such files as they are.
# Given PROJECT_NAME, TANDRO_WEB_PROGRAM, page (index.html.in), BROTLI and GZIP.
set(site "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(program "${site}/${TANDRO_WEB_PROGRAM}.wasm")

function(compress file)
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
configure_file("${page}" "${site}/index.html" @ONLY)
foreach(name index.html page.js page.css heart.svg qtloader.js "${TANDRO_WEB_PROGRAM}.js")
    compress("${site}/${name}")
endforeach()
