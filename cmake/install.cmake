# What `cmake --install` puts where (GNU directories under the prefix), and the Debian package
# built from it (`scripts/package`, or cpack in the build directory).
#
#   bin/velurino                                the program
#   share/velurino/dados/                       the delivered season: text files and pictures
#   share/applications/velurino.desktop         the menu entry
#   share/icons/hicolor/NxN/apps/velurino.png   its icon
#   share/metainfo/velurino.metainfo.xml        the software centres' description

# Installing does not build everything first (tests, fuzzers, benchmarks): scripts/package and
# scripts/setup build the program and its pictures, which is all the install takes.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS velurino RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The delivered text files, never the build tree's data directory, which holds a season in
# progress.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/dados/ DESTINATION ${VELURINO_SEASON_DESTINATION})
if(TARGET velurino-pictures)
    # The pictures are drawn afresh into the installed season, so it holds every one of them
    # whatever became of the build tree's copies.
    install(CODE "
        set(season \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VELURINO_SEASON_DESTINATION}\")
        message(STATUS \"Drawing the pictures into \${season}\")
        execute_process(COMMAND \"$<TARGET_FILE:velurino-pictures>\" \"\${season}\"
                        RESULT_VARIABLE drawn)
        if(NOT drawn EQUAL 0)
            message(FATAL_ERROR \"The pictures could not be drawn into \${season}\")
        endif()")
    install(DIRECTORY ${VELURINO_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/velurino.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/velurino.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velurino)
set(CPACK_PACKAGE_VENDOR "Equipe Velurino")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Campeonato Velurino 2005: tabela, classificação, times e bolão de uma temporada")
# The summary is the package's one-line synopsis; this is the text under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Acompanhe uma temporada do campeonato de futebol Velurino: digite os resultados
das 42 rodadas, veja a classificação, os escudos e mascotes dos 22 times, o
regulamento e a história, e organize um bolão com palpites, cartela impressa e
ranking.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipe Velurino <velurino@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the program links come from dpkg-shlibdeps; beside them, the browser hand-off of
# the teams screen, the fonts the pictures and pages are laid out with, and the Portuguese
# buttons of the message boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "xdg-utils, fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
