# The site as it plays offline: the help page served beside the game (the help window shows
# it), and a service worker that keeps every file of the site, written once the module and the
# page's files are in place.
add_custom_command(OUTPUT ${KALDER_SITE_DIR}/kalder.htm
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/data/kalder.htm
        ${KALDER_SITE_DIR}/kalder.htm
    DEPENDS ${PROJECT_SOURCE_DIR}/data/kalder.htm)
set(KALDER_SITE_FILES ${kalder_page_copies} ${kalder_page_icons_copies}
    ${KALDER_SITE_DIR}/kalder.htm ${KALDER_SITE_CODE})
string(REPLACE ";" "," KALDER_SITE_FILE_LIST "${KALDER_SITE_FILES}")
add_custom_command(OUTPUT ${KALDER_SITE_DIR}/sw.js
    COMMAND ${CMAKE_COMMAND} -DSITE=${KALDER_SITE_DIR} -DFILES=${KALDER_SITE_FILE_LIST}
        -DTEMPLATE=${CMAKE_CURRENT_LIST_DIR}/sw.js.in
        -P ${PROJECT_SOURCE_DIR}/cmake/service_worker.cmake
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/sw.js.in ${PROJECT_SOURCE_DIR}/cmake/service_worker.cmake
        ${KALDER_SITE_FILES})
add_custom_target(kalder_offline ALL DEPENDS ${KALDER_SITE_DIR}/sw.js)
