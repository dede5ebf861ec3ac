# What the web's tests and figures take from npm's registry, at the versions that package-lock.json
# beside this file pins: axe-core, which the tests put into the page, and Lighthouse. Installed
# into the build folder as the build's own, again when the lock file changes. npm keeps what it
# downloads in the user's cache (XDG_CACHE_HOME, or ~/.cache), beside the Qts and ccache, and takes
# it from there before it asks the registry: another build folder, or a machine that shares that
# cache, downloads nothing again.
include("${CMAKE_CURRENT_LIST_DIR}/../../tools/user_cache.cmake")

# tandro_web_tools(VARIABLE): installs them into web-tools/ in the current build folder (the
# target web-tools, built by default), and sets VARIABLE to their node_modules folder.
function(tandro_web_tools variable)
    find_program(NPM npm REQUIRED)
    set(tools "${CMAKE_CURRENT_BINARY_DIR}/web-tools")
    set(lock "${CMAKE_CURRENT_FUNCTION_LIST_DIR}")
    add_custom_command(OUTPUT "${tools}/node_modules/.package-lock.json"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${tools}"
        COMMAND "${CMAKE_COMMAND}" -E copy_if_different package.json package-lock.json "${tools}"
        COMMAND "${NPM}" ci --prefix "${tools}" --cache "${TANDRO_USER_CACHE}/npm" --prefer-offline
            --no-audit --no-fund --loglevel=error
        WORKING_DIRECTORY "${lock}"
        DEPENDS "${lock}/package.json" "${lock}/package-lock.json"
        COMMENT "Installing the web's tools from npm (tests/web/package-lock.json)" VERBATIM)
    add_custom_target(web-tools ALL DEPENDS "${tools}/node_modules/.package-lock.json")
    set(${variable} "${tools}/node_modules" PARENT_SCOPE)
endfunction()
