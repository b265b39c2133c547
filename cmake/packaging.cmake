# What `cmake --install` lays out and `cpack -G DEB` packs. By default the layout Debian's
# policy gives games: the programs in games/, the shipped files in share/games/kalder (which
# the game finds from its own folder and never writes: the player's own files go to the
# user's data folder); the desktop's files under share/ as for any program.
include(GNUInstallDirs)
option(KALDER_INSTALL_AS_GAME "Install into games/ and share/games/kalder rather than bin/ and share/kalder" ON)
if(KALDER_INSTALL_AS_GAME)
    set(KALDER_INSTALL_GAMESDIR games)
    set(KALDER_INSTALL_GAMEDATADIR share/games/kalder)
else()
    set(KALDER_INSTALL_GAMESDIR ${CMAKE_INSTALL_BINDIR})
    set(KALDER_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATADIR}/kalder)
endif()

set(KALDER_HOMEPAGE "https://github.com/kalder/kalder" CACHE STRING
    "Project home page named in the AppStream metainfo")
configure_file(packaging/org.kalder.Kalder.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/org.kalder.Kalder.metainfo.xml @ONLY)

# kalder_gzip(SOURCE OUTPUT): OUTPUT is SOURCE compressed as Debian wants its manual pages and
# changelogs (best compression, no name or time stamp), remade when SOURCE changes.
function(kalder_gzip source output)
    execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${output} COMMAND_ERROR_IS_FATAL ANY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()
kalder_gzip(${PROJECT_SOURCE_DIR}/packaging/kalder.6 ${CMAKE_BINARY_DIR}/kalder.6.gz)
kalder_gzip(${PROJECT_SOURCE_DIR}/packaging/kalder-tools.6 ${CMAKE_BINARY_DIR}/kalder-tools.6.gz)
kalder_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/changelog.gz)

install(TARGETS kalder kalder-tools RUNTIME DESTINATION ${KALDER_INSTALL_GAMESDIR})
install(FILES ${KALDER_DATA_FILES} DESTINATION ${KALDER_INSTALL_GAMEDATADIR})
install(FILES packaging/org.kalder.Kalder.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/org.kalder.Kalder.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/kalder.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/kalder.6.gz ${CMAKE_BINARY_DIR}/kalder-tools.6.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME kalder)
set(CPACK_PACKAGE_CONTACT "The Kalder developers <kalder@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number puzzle of giving and locking cells")
set(CPACK_PACKAGE_DESCRIPTION [=[
Kalder is a single-player number puzzle. The board is a square of three by
three up to nine by nine cells, each showing a digit. A move takes one unit
from a cell showing two or more and gives it to a neighbour that has not yet
received; the receiver then locks. The puzzle is solved when every cell has
received once and every cell of row r shows r.
.
The game comes with about two hundred puzzles, creates new solvable puzzles
of any size, gives hints, undoes and redoes moves, plays out a solution, keeps
the scores and remembers a half-played puzzle between sessions. The
kalder-tools command makes, checks, shuffles and solves puzzle collections.]=])
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KALDER_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the library scan cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Stripped as Debian strips its programs, the compiler's notes included.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/strip_package.cmake)
include(CPack)
