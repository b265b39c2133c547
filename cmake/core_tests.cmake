# The core's tests, for the native build and for the browser's compiler alike.

# The tests' own build of the file writer calls a hook at each point of a write, so that a test
# can kill a writer exactly there. Its object is part of the test program, so the linker never
# takes the game's build of it from kalder_base.
add_library(kalder_write_points OBJECT ${PROJECT_SOURCE_DIR}/src/core/base/atomic_file.cpp)
target_compile_definitions(kalder_write_points PUBLIC KALDER_WRITE_POINTS)
target_link_libraries(kalder_write_points PUBLIC kalder_base)

file(GLOB_RECURSE KALDER_CORE_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/core/*.cpp
    ${PROJECT_SOURCE_DIR}/tests/core/*.h)
add_executable(kalder_core_tests ${KALDER_CORE_TESTS})
target_link_libraries(kalder_core_tests PRIVATE kalder_write_points kalder_core kalder_tools
    GTest::gmock GTest::gtest_main)
target_include_directories(kalder_core_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests
    ${PROJECT_SOURCE_DIR}/tools)
target_compile_definitions(kalder_core_tests PRIVATE
    KALDER_SHIPPED_DATA="${PROJECT_SOURCE_DIR}/data/")
