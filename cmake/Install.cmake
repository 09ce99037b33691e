# Installation in Debian's layout for games, and the .deb built from it.
#
#   PREFIX/games/duskhollow                      launcher: the game with its data folder
#   PREFIX/lib/games/duskhollow/duskhollow       the executable
#   PREFIX/share/games/duskhollow/               everything else of the run directory
#   PREFIX/share/applications/duskhollow.desktop
#   PREFIX/share/metainfo/io.github.duskhollow.Duskhollow.metainfo.xml   (AppStream)
#   PREFIX/share/icons/hicolor/256x256/apps/duskhollow.png
#   PREFIX/share/man/man6/duskhollow.6.gz
#   PREFIX/share/doc/duskhollow/                 copyright, changelog.gz
#
#   cmake --install build --prefix /some/prefix
#   cpack --config build/CPackConfig.cmake -B build     (scripts/package does it all)

set(DUSK_INSTALL_BINDIR games)
set(DUSK_INSTALL_LIBEXECDIR lib/games/duskhollow)
set(DUSK_INSTALL_DATADIR share/games/duskhollow)
set(DUSK_INSTALL_DOCDIR share/doc/duskhollow)
# The id software centres know the game by; the metainfo file is named after it.
set(DUSK_APPSTREAM_ID io.github.duskhollow.Duskhollow)
set(DUSK_PACKAGE_MAINTAINER "Duskhollow developers <duskhollow@example.org>"
    CACHE STRING "Maintainer of the Debian package, \"Name <address>\"")
set(DUSK_RELEASE_DATE "Mon, 07 Dec 2026 00:00:00 +0000")
set(DUSK_COPYRIGHT_YEAR 2026)

set(DUSK_PACKAGING_SOURCE ${CMAKE_SOURCE_DIR}/packaging)
set(DUSK_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

# Installing and packing take what is built and build nothing: `cmake
# --install` never did, and the tests pack the build tree they run from,
# where building everything would be a whole build inside a test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# Directories as Debian wants them whatever the umask of the one installing.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# --- files made at build time ------------------------------------------------
configure_file(${DUSK_PACKAGING_SOURCE}/duskhollow.in ${DUSK_PACKAGING_OUT}/duskhollow @ONLY)
configure_file(${DUSK_PACKAGING_SOURCE}/copyright ${DUSK_PACKAGING_OUT}/copyright @ONLY)
configure_file(${DUSK_PACKAGING_SOURCE}/duskhollow.6 ${DUSK_PACKAGING_OUT}/gz/duskhollow.6 @ONLY)
configure_file(${DUSK_PACKAGING_SOURCE}/changelog ${DUSK_PACKAGING_OUT}/gz/changelog @ONLY)

# Manual page and changelog compressed as Debian expects: gzip -9, without the
# original name and time stamp, so the bytes are repeatable.
find_program(DUSK_GZIP gzip REQUIRED)
set(DUSK_GZIPPED "")
foreach(name duskhollow.6 changelog)
  set(packed ${DUSK_PACKAGING_OUT}/${name}.gz)
  add_custom_command(
    OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E copy ${DUSK_PACKAGING_OUT}/gz/${name} ${DUSK_PACKAGING_OUT}/${name}
    COMMAND ${DUSK_GZIP} -9nf ${DUSK_PACKAGING_OUT}/${name}
    DEPENDS ${DUSK_PACKAGING_OUT}/gz/${name})
  list(APPEND DUSK_GZIPPED ${packed})
endforeach()

add_custom_command(
  OUTPUT ${DUSK_PACKAGING_OUT}/duskhollow.png
  COMMAND artgen --icon ${DUSK_PACKAGING_OUT}/duskhollow.png
  DEPENDS artgen
  COMMENT "Painting the application icon")

add_custom_target(packaging_files ALL DEPENDS ${DUSK_GZIPPED} ${DUSK_PACKAGING_OUT}/duskhollow.png)

# --- install rules -------------------------------------------------------------
install(TARGETS duskhollow RUNTIME DESTINATION ${DUSK_INSTALL_LIBEXECDIR})
install(PROGRAMS ${DUSK_PACKAGING_OUT}/duskhollow DESTINATION ${DUSK_INSTALL_BINDIR})

# The whole run directory but the executable, so whatever folders the game
# gains come along. A file the game or a library leaves behind while playing
# in the build tree is no data.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" DUSK_RUN_DIR_REGEX "${DUSK_RUN_DIR}")
install(DIRECTORY ${DUSK_RUN_DIR}/ DESTINATION ${DUSK_INSTALL_DATADIR}
  REGEX "^${DUSK_RUN_DIR_REGEX}/duskhollow$" EXCLUDE
  PATTERN "imgui.ini" EXCLUDE
  PATTERN "core" EXCLUDE
  PATTERN "core.[0-9]*" EXCLUDE)

install(FILES ${DUSK_PACKAGING_SOURCE}/duskhollow.desktop DESTINATION share/applications)
install(FILES ${DUSK_PACKAGING_SOURCE}/${DUSK_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${DUSK_PACKAGING_OUT}/duskhollow.png DESTINATION share/icons/hicolor/256x256/apps)
install(FILES ${DUSK_PACKAGING_OUT}/duskhollow.6.gz DESTINATION share/man/man6)
install(FILES ${DUSK_PACKAGING_OUT}/copyright ${DUSK_PACKAGING_OUT}/changelog.gz
  DESTINATION ${DUSK_INSTALL_DOCDIR})

# --- the Debian package ----------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME duskhollow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${DUSK_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "first-person stealth game in a forest clearing at dusk")
# The long description keeps to Debian's 80 columns: CPack does not wrap it.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Dusk falls over a forest clearing where ten kids wander about, each with\n"
  "a lantern. Unseen, the player sneaks up behind every kid and screams to\n"
  "frighten it; a kid that sees the player drains the player's health.\n"
  "Frighten all ten to win.\n"
  "\n"
  "The game needs OpenGL 3.3.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
