# Install rules: the game and its data under share/qorvane, a launcher in bin, the menu entry, icons.
#
#   bin/qorvane                      sh launcher: cd to share/qorvane, exec the game
#   libexec/qorvane/qorvane          the program
#   share/qorvane/Qorvane_Readme.pdf the manual the Instructions button opens
#   share/qorvane/data/media/img/    the nine illustrations
#   share/applications/qorvane.desktop, share/icons/hicolor/*/apps/qorvane.{png,svg}
#
# The launcher finds the rest through paths relative to itself, so the prefix can be moved.
include(GNUInstallDirs)

foreach(dir CMAKE_INSTALL_BINDIR CMAKE_INSTALL_LIBEXECDIR CMAKE_INSTALL_DATADIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "${dir} (${${dir}}) must be relative to the install prefix: "
                        "the qorvane launcher finds the game from its own place")
  endif()
endforeach()

set(QORVANE_INSTALL_SHARE "${CMAKE_INSTALL_DATADIR}/qorvane")
set(QORVANE_INSTALL_LIBEXEC "${CMAKE_INSTALL_LIBEXECDIR}/qorvane")

file(RELATIVE_PATH QORVANE_LAUNCHER_TO_DATA "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${QORVANE_INSTALL_SHARE}")
file(RELATIVE_PATH QORVANE_LAUNCHER_TO_BINARY "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${QORVANE_INSTALL_LIBEXEC}/qorvane")
configure_file(${PROJECT_SOURCE_DIR}/packaging/qorvane-launcher.sh.in
               ${PROJECT_BINARY_DIR}/packaging/qorvane @ONLY)

install(TARGETS qorvane RUNTIME DESTINATION ${QORVANE_INSTALL_LIBEXEC})
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/qorvane DESTINATION ${CMAKE_INSTALL_BINDIR})

set(QORVANE_PLATES brownBox paperNote 3switches electronics tunerCircuit CarryingBox fire-escape
                   buildingExplosion flames)
list(TRANSFORM QORVANE_PLATES PREPEND ${PROJECT_SOURCE_DIR}/data/media/img/)
list(TRANSFORM QORVANE_PLATES APPEND .jpg)
install(FILES ${QORVANE_PLATES} DESTINATION ${QORVANE_INSTALL_SHARE}/data/media/img)
install(FILES ${PROJECT_SOURCE_DIR}/Qorvane_Readme.pdf DESTINATION ${QORVANE_INSTALL_SHARE})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/qorvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
        FILES_MATCHING PATTERN "qorvane.png" PATTERN "qorvane.svg")

# The install test runs this cmake on the build folder.
if(TARGET install_test)
  target_compile_definitions(install_test PRIVATE QORVANE_CMAKE="${CMAKE_COMMAND}")
endif()
