# Run by cpack on the staged files before packing: strips every program as Debian's dh_strip
# does, dropping the symbols and the compiler's .comment and .note sections.
find_program(KALDER_STRIP strip REQUIRED)
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS staged)
    file(READ ${file} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND ${KALDER_STRIP} --remove-section=.comment --remove-section=.note
            ${file} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
