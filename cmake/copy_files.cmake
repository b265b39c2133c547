# kalder_copy_files(TARGET DESTINATION FILE...): the target TARGET, part of every build, keeps a
# copy of each FILE in the folder DESTINATION; TARGET_copies names the copies.
function(kalder_copy_files target destination)
    set(copies)
    foreach(file IN LISTS ARGN)
        get_filename_component(name ${file} NAME)
        add_custom_command(OUTPUT ${destination}/${name}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${destination}/${name}
            DEPENDS ${file})
        list(APPEND copies ${destination}/${name})
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${copies})
    set(${target}_copies ${copies} PARENT_SCOPE)
endfunction()
