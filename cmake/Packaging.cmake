# Installs Quillet the way Debian lays out a game, and packages it as a .deb.
#
#   <prefix>/lib/quillet/     the program with Main.bmp and the help files,
#                             which it reads from its own folder
#   <prefix>/games/quillet    a relative link to it, the command on PATH
#   <prefix>/share/...        desktop entry, AppStream metadata, icons, man
#                             page, copyright and changelog
#
# The program finds its folder through /proc/self/exe, so started through the
# link it still reads its files from lib/quillet. Plain lib/ rather than the
# multiarch libdir keeps the link's target the same on every architecture.

set(QUILLET_APP_ID org.quillet.Quillet)
set(QUILLET_PROGRAM_DIR lib/quillet)
set(QUILLET_RELEASE_DATE 2026-12-08)
set(QUILLET_RELEASE_DATE_RFC2822 "Tue, 08 Dec 2026 12:00:00 +0000")
set(CPACK_PACKAGE_CONTACT "Quillet developers <developers@quillet.invalid>")

set(QUILLET_PACKAGING_SRC ${CMAKE_SOURCE_DIR}/packaging)
set(QUILLET_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS quillet RUNTIME DESTINATION ${QUILLET_PROGRAM_DIR})
install(FILES ${QUILLET_DATA_FILES} DESTINATION ${QUILLET_PROGRAM_DIR})

# install(FILES) copies a link as a link.
file(MAKE_DIRECTORY ${QUILLET_PACKAGING_OUT}/games)
file(CREATE_LINK ../${QUILLET_PROGRAM_DIR}/quillet ${QUILLET_PACKAGING_OUT}/games/quillet SYMBOLIC)
install(FILES ${QUILLET_PACKAGING_OUT}/games/quillet DESTINATION games)

# The desktop entry names the launcher by its full path, which is known only
# when installing (cpack and --prefix choose the prefix then).
install(CODE "
  file(READ \"${QUILLET_PACKAGING_SRC}/${QUILLET_APP_ID}.desktop.in\" entry)
  string(REPLACE \"@QUILLET_LAUNCHER@\" \"\${CMAKE_INSTALL_PREFIX}/games/quillet\" entry \"\${entry}\")
  file(WRITE \"${QUILLET_PACKAGING_OUT}/install/${QUILLET_APP_ID}.desktop\" \"\${entry}\")
  file(INSTALL \"${QUILLET_PACKAGING_OUT}/install/${QUILLET_APP_ID}.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\")
")

configure_file(${QUILLET_PACKAGING_SRC}/${QUILLET_APP_ID}.metainfo.xml.in
  ${QUILLET_PACKAGING_OUT}/${QUILLET_APP_ID}.metainfo.xml @ONLY)
install(FILES ${QUILLET_PACKAGING_OUT}/${QUILLET_APP_ID}.metainfo.xml DESTINATION share/metainfo)

foreach(size 16 24 32 48 64 96 128 256 512)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/quillet-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${QUILLET_APP_ID}.png)
endforeach()

# Debian wants the changelog and man page compressed at the highest level and
# without a time stamp, so that rebuilds give the same bytes.
configure_file(${QUILLET_PACKAGING_SRC}/changelog.in ${QUILLET_PACKAGING_OUT}/changelog @ONLY)
configure_file(${QUILLET_PACKAGING_SRC}/quillet.6 ${QUILLET_PACKAGING_OUT}/quillet.6 @ONLY)
set(QUILLET_COMPRESSED "")
foreach(name changelog quillet.6)
  add_custom_command(OUTPUT ${QUILLET_PACKAGING_OUT}/${name}.gz
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${QUILLET_PACKAGING_OUT}/${name} ${QUILLET_PACKAGING_OUT}/${name}.gz
    DEPENDS ${QUILLET_PACKAGING_OUT}/${name} VERBATIM)
  list(APPEND QUILLET_COMPRESSED ${QUILLET_PACKAGING_OUT}/${name}.gz)
endforeach()
add_custom_target(quillet_packaging_docs ALL DEPENDS ${QUILLET_COMPRESSED})
install(FILES ${QUILLET_PACKAGING_OUT}/quillet.6.gz DESTINATION share/man/man6)
install(FILES ${QUILLET_PACKAGING_SRC}/copyright ${QUILLET_PACKAGING_OUT}/changelog.gz DESTINATION share/doc/quillet)

# ---------------------------------------------------------------- the .deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR "The Quillet developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ten patience card games")
# The long description, wrapped as dpkg shows it; cpack puts the summary first.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quillet is a pack of ten patience card games for one player: Baker's Dozen,
Beleaguered Castle, Bisley, Decade, Fourteens, Golf, Maze, Monte Carlo,
Pyramid and Scorpion.
.
A picture chooser opens each game in its own window. Cards are dragged or
clicked with the mouse, moves can be taken back with Undo, and every game
has its own help with its rules and commands. A mail-order form prints to
the default printer.")
# The desktop entry's path and the launcher link assume /usr, as Debian has it.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries come from dpkg-shlibdeps; the text needs a font, which no
# library asks for, and a Wayland desktop the toolkit's Wayland plugin, which
# is loaded at run time: without it the program runs through Xwayland, drawn
# at 1x and blurred by the compositor on a 2x screen.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-wayland")
include(CPack)
