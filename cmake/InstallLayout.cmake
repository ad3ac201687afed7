# The package installation: ROOT/bin/tidewell-launcher, ROOT/lib/plugins with the
# Qt plug-ins the launcher needs (it replaces Qt's search list with that folder),
# and ROOT/log/launcher.debug.
get_target_property(_tw_qmake Qt5::qmake IMPORTED_LOCATION)
execute_process(COMMAND ${_tw_qmake} -query QT_INSTALL_PLUGINS
                OUTPUT_VARIABLE TW_QT_PLUGIN_DIR OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT IS_DIRECTORY "${TW_QT_PLUGIN_DIR}/platforms")
  message(FATAL_ERROR "Qt platform plug-ins not found in '${TW_QT_PLUGIN_DIR}'")
endif()

# Platform plug-ins for X11, Wayland and headless runs.
set(_tw_platforms libqxcb.so libqoffscreen.so libqwayland-generic.so libqwayland-egl.so libqminimal.so)
foreach(_p IN LISTS _tw_platforms)
  if(EXISTS "${TW_QT_PLUGIN_DIR}/platforms/${_p}")
    install(FILES "${TW_QT_PLUGIN_DIR}/platforms/${_p}" DESTINATION lib/plugins/platforms)
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
  if(IS_DIRECTORY "${TW_QT_PLUGIN_DIR}/${_d}")
    install(DIRECTORY "${TW_QT_PLUGIN_DIR}/${_d}" DESTINATION lib/plugins)
  endif()
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/launcher/launcher.debug DESTINATION log)
