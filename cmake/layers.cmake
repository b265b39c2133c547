# Each layer of src/core is a static library that sees only its own folders and those of the
# layers below it: its include path is a folder of links to exactly those folders, so an
# include that runs upward is not found and fails the build.

# kalder_core_layer(NAME FOLDERS folder... [BELOW layer]): the library kalder_NAME from
# src/core/<folder>/, linking kalder_<layer> when given.
function(kalder_core_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 layer "" "BELOW" "FOLDERS")
    set(root ${CMAKE_BINARY_DIR}/layers/${name})
    set(sources)
    foreach(folder IN LISTS layer_FOLDERS)
        set(source_folder ${PROJECT_SOURCE_DIR}/src/core/${folder})
        file(MAKE_DIRECTORY ${root}/core)
        file(CREATE_LINK ${source_folder} ${root}/core/${folder} SYMBOLIC)
        file(GLOB folder_sources CONFIGURE_DEPENDS ${source_folder}/*.cpp ${source_folder}/*.h)
        list(APPEND sources ${folder_sources})
    endforeach()
    add_library(kalder_${name} STATIC ${sources})
    target_include_directories(kalder_${name} PUBLIC ${root})
    if(layer_BELOW)
        target_link_libraries(kalder_${name} PUBLIC kalder_${layer_BELOW})
    endif()
endfunction()
