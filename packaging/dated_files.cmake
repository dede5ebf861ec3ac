# Run by cpack once it has put the files to pack in place, before it packs them: each carries the
# last commit's date, which a zip keeps and an installer gives the files it installs, instead of the
# time they were put in place.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(
        COMMAND find "${CPACK_TEMPORARY_DIRECTORY}" -exec touch --no-dereference
            --date=@$ENV{SOURCE_DATE_EPOCH} {} +
        COMMAND_ERROR_IS_FATAL ANY)
endif()
