# tandro_use_kept_qt(TARGET FOLDER NAME): stops the configure unless FOLDER holds the Qt for TARGET
# (windows, web) that tools/qt/build-qt.sh builds now: one whose stamp says it was made from the
# same source, recipe, patches and toolchain (build-qt.sh --stamp). Included by the toolchain files.
function(tandro_use_kept_qt target folder name)
    set(make "./build.sh ${target} builds it there (tools/qt/build-qt.sh ${target})")
    if(NOT EXISTS "${folder}/.built-here")
        message(FATAL_ERROR "No ${name} is in ${folder}: ${make}.")
    endif()
    execute_process(COMMAND "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/build-qt.sh" --stamp ${target}
        OUTPUT_VARIABLE stamp RESULT_VARIABLE status)
    file(READ "${folder}/.built-here" kept)
    if(NOT status EQUAL 0 OR NOT stamp STREQUAL kept)
        message(FATAL_ERROR "The ${name} in ${folder} was made from something other than what "
            "makes it now (tools/qt/build-qt.sh --stamp ${target} says what): ${make} again.")
    endif()
endfunction()
