# Draws the heart icon afresh into a scratch folder and fails if the files kept in the repository
# differ from what the script draws now.
#   cmake -DPYTHON=... -DICONS=<ui/icons> -DFILES=<its files> -DWORK=<scratch folder>
#       -P icon_is_current.cmake
if(NOT PYTHON)
    message(FATAL_ERROR "python3 is needed to draw the icon")
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${PYTHON}" "${ICONS}/make_heart.py" "${WORK}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "make_heart.py failed")
endif()
foreach(name IN LISTS FILES)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${ICONS}/${name}" "${WORK}/${name}"
        RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "ui/icons/${name} is not what make_heart.py draws: run the script")
    endif()
endforeach()
