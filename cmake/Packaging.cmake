# The Debian package (`cpack -G DEB`, or scripts/package).
#
# The package installation is what `cmake --install <build> --prefix ROOT` lays
# out, placed at /opt/Varnholt/Tidewell, with two differences: lib/plugins
# holds links to the plug-ins of Debian's Qt packages instead of copies, and
# log/launcher.debug is a link to the conffile /etc/opt/Varnholt/Tidewell/launcher.debug.
# Those and the files that belong to the system rather than to that
# installation (desktop entry, AppStream metadata, hicolor icon, copyright,
# changelog, lintian overrides) are rules of the install component "deb",
# marked EXCLUDE_FROM_ALL with absolute destinations: a plain `cmake --install`
# never installs them, so it keeps writing inside ROOT only. CPack installs
# the default component and "deb" (not the copies of "standalone") into one
# staging tree below DESTDIR (CPACK_SET_DESTDIR), so the absolute destinations
# land in the package and never on the build machine.
set(TW_DEB_PACKAGE tidewell-backup)
set(TW_DEB_PREFIX /opt/Varnholt/Tidewell)
# AppStream component id (reverse DNS of the project's domain).
set(TW_APPSTREAM_ID example.tidewell_backup.tidewell)
set(_tw_pkg_src ${PROJECT_SOURCE_DIR}/packaging)
set(_tw_pkg_bin ${PROJECT_BINARY_DIR}/packaging)

# Generated from the project's version, so the top entry always names the
# version being packaged.
configure_file(${_tw_pkg_src}/changelog.in ${_tw_pkg_bin}/changelog @ONLY)
execute_process(COMMAND gzip -9nc ${_tw_pkg_bin}/changelog
                OUTPUT_FILE ${_tw_pkg_bin}/changelog.gz RESULT_VARIABLE _tw_gzip_rc)
if(NOT _tw_gzip_rc EQUAL 0)
  message(FATAL_ERROR "Packaging: gzip of the changelog failed (${_tw_gzip_rc})")
endif()
# The log-level file: the administrator's settings of an /opt package belong in
# /etc/opt/<its subtree> (FHS), where it is a conffile, so edits survive
# upgrades and removal (only purge deletes it). The launcher reads it from
# "log" in its package installation, where a symbolic link leads there.
set(TW_DEB_CONF_DIR /etc/opt/Varnholt/Tidewell)
file(WRITE ${_tw_pkg_bin}/conffiles "${TW_DEB_CONF_DIR}/launcher.debug\n")
install(FILES ${PROJECT_SOURCE_DIR}/launcher/launcher.debug
        DESTINATION ${TW_DEB_CONF_DIR} COMPONENT deb EXCLUDE_FROM_ALL)
set(_tw_links ${_tw_pkg_bin}/links)
file(REMOVE_RECURSE ${_tw_links})
file(MAKE_DIRECTORY ${_tw_links}/log)
file(CREATE_LINK ${TW_DEB_CONF_DIR}/launcher.debug ${_tw_links}/log/launcher.debug SYMBOLIC)
install(FILES ${_tw_links}/log/launcher.debug DESTINATION ${TW_DEB_PREFIX}/log COMPONENT deb EXCLUDE_FROM_ALL)

# The Qt plug-ins: links to those of Debian's Qt packages, which the package
# depends on, so Debian's (security) updates of them reach the launcher. A
# plug-in that no package owns (a Qt built by hand) is copied instead.
function(_tw_owner_of path out)
  execute_process(COMMAND dpkg-query -S "${path}" OUTPUT_VARIABLE _o ERROR_QUIET RESULT_VARIABLE _rc)
  set(_pkg "")
  if(_rc EQUAL 0 AND _o MATCHES "^([^:, ]+)")
    set(_pkg ${CMAKE_MATCH_1})
  endif()
  set(${out} "${_pkg}" PARENT_SCOPE)
endfunction()
# The packages of the Qt libraries the launcher links are named by the
# shared-library dependencies already, with their versions.
set(_tw_linked_pkgs)
foreach(_t Qt5::Core Qt5::Gui Qt5::Widgets Qt5::Network)
  get_target_property(_loc ${_t} LOCATION)
  get_filename_component(_loc "${_loc}" REALPATH)
  _tw_owner_of("${_loc}" _pkg)
  list(APPEND _tw_linked_pkgs ${_pkg})
endforeach()
set(TW_DEB_PLUGIN_DEPENDS)
foreach(_f IN LISTS TW_QT_PLUGINS)
  get_filename_component(_sub "${_f}" DIRECTORY)
  _tw_owner_of("${TW_QT_PLUGIN_DIR}/${_f}" _pkg)
  if(_pkg)
    file(MAKE_DIRECTORY ${_tw_links}/plugins/${_sub})
    file(CREATE_LINK ${TW_QT_PLUGIN_DIR}/${_f} ${_tw_links}/plugins/${_f} SYMBOLIC)
    install(FILES ${_tw_links}/plugins/${_f} DESTINATION ${TW_DEB_PREFIX}/lib/plugins/${_sub}
            COMPONENT deb EXCLUDE_FROM_ALL)
    if(NOT _pkg IN_LIST _tw_linked_pkgs AND NOT _pkg IN_LIST TW_DEB_PLUGIN_DEPENDS)
      list(APPEND TW_DEB_PLUGIN_DEPENDS ${_pkg})
    endif()
  else()
    message(WARNING "Packaging: no Debian package owns the Qt plug-in ${_f}; the package carries a copy")
    install(FILES ${TW_QT_PLUGIN_DIR}/${_f} DESTINATION ${TW_DEB_PREFIX}/lib/plugins/${_sub}
            COMPONENT deb EXCLUDE_FROM_ALL)
  endif()
endforeach()
list(JOIN TW_DEB_PLUGIN_DEPENDS ", " _tw_plugin_depends)
message(STATUS "Packaging: Qt plug-ins linked from ${TW_QT_PLUGIN_DIR}; Depends adds: ${_tw_plugin_depends}")

# CPack strips the launcher as `strip` does; Debian's packages also drop the
# compiler's .comment and .note sections (lintian: binary-has-unneeded-section).
find_program(TW_STRIP NAMES ${CMAKE_STRIP} strip)
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${TW_STRIP}\" --remove-section=.comment --remove-section=.note
                    \"\$ENV{DESTDIR}${TW_DEB_PREFIX}/bin/tidewell-launcher\" RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
      message(FATAL_ERROR \"strip of the launcher failed: \${_rc}\")
    endif()
  endif()" COMPONENT deb EXCLUDE_FROM_ALL)

install(FILES ${_tw_pkg_src}/${TW_DEB_PACKAGE}.desktop
        DESTINATION /usr/share/applications COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/demo/images/ico_72_tidewell.png
        DESTINATION /usr/share/icons/hicolor/72x72/apps RENAME ${TW_DEB_PACKAGE}.png
        COMPONENT deb EXCLUDE_FROM_ALL)
# Software centres find the application by its AppStream metadata.
configure_file(${_tw_pkg_src}/${TW_APPSTREAM_ID}.metainfo.xml.in
               ${_tw_pkg_bin}/${TW_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${_tw_pkg_bin}/${TW_APPSTREAM_ID}.metainfo.xml
        DESTINATION /usr/share/metainfo COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${_tw_pkg_src}/copyright ${_tw_pkg_bin}/changelog.gz
        DESTINATION /usr/share/doc/${TW_DEB_PACKAGE} COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${_tw_pkg_src}/lintian-overrides
        DESTINATION /usr/share/lintian/overrides RENAME ${TW_DEB_PACKAGE}
        COMPONENT deb EXCLUDE_FROM_ALL)

if(TIDEWELL_SANITIZE)
  message(STATUS "Packaging: this build links the sanitizers; its package is for tests only")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TW_DEB_PACKAGE})
set(CPACK_PACKAGE_VERSION ${CMAKE_PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Varnholt")
set(CPACK_PACKAGE_CONTACT "Tidewell Backup developers <packaging@tidewell-backup.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop backup client with its per-user launcher")
set(CPACK_PACKAGE_DESCRIPTION "\
Tidewell Backup keeps each user's private copy of the backup client in
~/.TidewellBackup up to date with the copy installed for the whole
machine. Its launcher installs or upgrades that private copy safely (the
old copy comes back if an upgrade fails), shows a progress dialog in the
user's language and then starts the client.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${TW_DEB_PREFIX})
set(CPACK_INSTALL_PREFIX ${TW_DEB_PREFIX})
set(CPACK_SET_DESTDIR ON)
# The default rules (the package installation without the "standalone" copies)
# and the package's own files.
set(_tw_default_component Unspecified)
if(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME)
  set(_tw_default_component ${CMAKE_INSTALL_DEFAULT_COMPONENT_NAME})
endif()
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${CMAKE_PROJECT_NAME};${_tw_default_component};/"
    "${PROJECT_BINARY_DIR};${CMAKE_PROJECT_NAME};deb;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME ${TW_DEB_PACKAGE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Every ELF file is scanned; the linked Qt plug-ins come with their packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_tw_plugin_depends}")
# Without a CJK font the Chinese, Japanese and Korean texts show as boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
# The maintainer scripts only move an administrator's edit of the log-level
# file from where packages up to 1.0.0 had it (see packaging/preinst).
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_tw_pkg_bin}/conffiles
    ${_tw_pkg_src}/preinst ${_tw_pkg_src}/postinst ${_tw_pkg_src}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
