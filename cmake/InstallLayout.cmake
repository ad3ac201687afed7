# The package installation: ROOT/bin/tidewell-launcher, ROOT/lib/plugins with the
# Qt plug-ins the launcher needs (it replaces Qt's search list with that folder),
# and ROOT/log/launcher.debug.
#
# The plug-ins and the log-level file are rules of the install component
# "standalone": a plain `cmake --install` lays them out as copies and a plain
# file, a self-contained tree. The Debian package leaves that component out
# and links to Debian's own plug-ins and to a conffile in /etc/opt instead
# (cmake/Packaging.cmake), from the list TW_QT_PLUGINS made here.
get_target_property(_tw_qmake Qt5::qmake IMPORTED_LOCATION)
execute_process(COMMAND ${_tw_qmake} -query QT_INSTALL_PLUGINS
                OUTPUT_VARIABLE TW_QT_PLUGIN_DIR OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT IS_DIRECTORY "${TW_QT_PLUGIN_DIR}/platforms")
  message(FATAL_ERROR "Qt platform plug-ins not found in '${TW_QT_PLUGIN_DIR}'")
endif()

# The plug-ins, as paths below TW_QT_PLUGIN_DIR.
set(TW_QT_PLUGINS)

# Platform plug-ins for X11, Wayland and headless runs (offscreen is the one
# the launcher falls back to when no display can be opened).
set(_tw_platforms libqxcb.so libqoffscreen.so libqwayland-generic.so libqwayland-egl.so libqminimal.so)
foreach(_p IN LISTS _tw_platforms)
  if(EXISTS "${TW_QT_PLUGIN_DIR}/platforms/${_p}")
    list(APPEND TW_QT_PLUGINS platforms/${_p})
  elseif(_p STREQUAL "libqxcb.so" OR _p STREQUAL "libqoffscreen.so")
    message(FATAL_ERROR "Qt platform plug-in ${_p} is missing")
  endif()
endforeach()

# What those platform plug-ins load in turn, and nothing more: every start pays
# for the rest. Image-format plug-ins are all loaded to identify the window icon
# (a PNG, which QtGui reads itself), input contexts serve text entry, which the
# dialog has none of (ibus brings D-Bus into the start), and a platform theme
# such as gtk3 loads a whole other toolkit for one progress bar.
foreach(_d xcbglintegrations wayland-shell-integration wayland-decoration-client
           wayland-graphics-integration-client)
  file(GLOB _files LIST_DIRECTORIES false RELATIVE "${TW_QT_PLUGIN_DIR}" "${TW_QT_PLUGIN_DIR}/${_d}/*")
  list(SORT _files)
  list(APPEND TW_QT_PLUGINS ${_files})
endforeach()

foreach(_f IN LISTS TW_QT_PLUGINS)
  get_filename_component(_sub "${_f}" DIRECTORY)
  install(FILES "${TW_QT_PLUGIN_DIR}/${_f}" DESTINATION lib/plugins/${_sub} COMPONENT standalone)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/launcher/launcher.debug DESTINATION log COMPONENT standalone)
