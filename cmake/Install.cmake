# Installation: `cmake --install build [--prefix P]` gives
#
#   P/lib/quillby/quillby            the program, with its libraries and the registration tool
#   P/lib/quillby/libqbyplatform.so  (the program's folder, App.Path, holds Animations/ too)
#   P/lib/quillby/libqbysoundsdl.so  the sound backend, loaded from beside libqbyplatform.so
#   P/lib/quillby/liblangtext.so, libsizeguard.so, regsvr
#   P/lib/quillby/Animations/        the write-along animations
#   P/bin/quillby                    launcher: names the machine-wide registry, starts the program
#   P/share/applications/quillby.desktop, P/share/icons/hicolor/256x256/apps/quillby.png
#   P/share/quillby/registry.reg     the machine-wide registry: the class libraries are
#                                    registered in it when they are installed
include(GNUInstallDirs)

set(QBY_INSTALL_PROGRAM_DIR lib/quillby)

# Everything in one folder finds its neighbours there.
set_target_properties(quillby regsvr PROPERTIES INSTALL_RPATH "$ORIGIN")
set(QBY_INSTALLED_LIBRARIES langtext)
if(TARGET sizeguard)
  list(APPEND QBY_INSTALLED_LIBRARIES sizeguard)
endif()
install(TARGETS quillby regsvr qbyplatform qbysoundsdl ${QBY_INSTALLED_LIBRARIES}
        RUNTIME DESTINATION ${QBY_INSTALL_PROGRAM_DIR}
        LIBRARY DESTINATION ${QBY_INSTALL_PROGRAM_DIR})
if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/resources/Animations)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/Animations DESTINATION ${QBY_INSTALL_PROGRAM_DIR})
endif()

# The launcher. The program finds the machine-wide registry in the share folder beside its own
# prefix (where the libraries were registered at installation), wherever the tree was put.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/install/quillby CONTENT [[#!/bin/sh
# Starts Quillby from its installed folder.
launcher=$(readlink -f "$0")
prefix=$(dirname "$(dirname "$launcher")")
: "${QUILLBY_MACHINE_REGISTRY:=$prefix/share/quillby/registry.reg}"
export QUILLBY_MACHINE_REGISTRY
exec "$prefix/lib/quillby/quillby" "$@"
]] @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/quillby DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry and its icon.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/install/quillby.desktop CONTENT [[[Desktop Entry]
Type=Application
Name=Quillby
GenericName=English Words and Alphabet
Comment=Learn English words and the alphabet with pictures and spoken words
Exec=quillby
Icon=quillby
Terminal=false
Categories=Education;Languages;
]] @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/install/quillby.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/quillby.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# Registers the installed class libraries machine-wide. A staged installation (DESTDIR) would
# record the staging paths, so there the registration is left to the package's own install
# step, with the command printed here.
set(QBY_REGISTER_LIBRARIES "")
foreach(library ${QBY_INSTALLED_LIBRARIES})
  string(APPEND QBY_REGISTER_LIBRARIES " $<TARGET_FILE_NAME:${library}>")
endforeach()
install(CODE "
  set(libraries ${QBY_REGISTER_LIBRARIES})
  separate_arguments(libraries)
  set(prefix \"\${CMAKE_INSTALL_PREFIX}\")
  set(folder \"\${prefix}/${QBY_INSTALL_PROGRAM_DIR}\")
  set(registry \"\${prefix}/${CMAKE_INSTALL_DATADIR}/quillby/registry.reg\")
  if(NOT \"\$ENV{DESTDIR}\" STREQUAL \"\")
    foreach(library \${libraries})
      message(STATUS \"Staged installation: register after unpacking with \"
                     \"QUILLBY_REGISTER_MACHINE=1 QUILLBY_MACHINE_REGISTRY=\${registry} \${folder}/regsvr \${folder}/\${library}\")
    endforeach()
  else()
    file(MAKE_DIRECTORY \"\${prefix}/${CMAKE_INSTALL_DATADIR}/quillby\")
    foreach(library \${libraries})
      execute_process(COMMAND \${CMAKE_COMMAND} -E env QUILLBY_REGISTER_MACHINE=1
                              \"QUILLBY_MACHINE_REGISTRY=\${registry}\" \"\${folder}/regsvr\" \"\${folder}/\${library}\"
                      RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
      if(NOT result EQUAL 0)
        message(FATAL_ERROR \"Registering \${library} failed: \${output}\")
      endif()
      message(STATUS \"Registered \${library} in \${registry}\")
    endforeach()
  endif()
")
