# The Debian package (`cpack -G DEB`, or scripts/package).
#
# The package installation is what `cmake --install <build> --prefix ROOT` lays
# out, placed at /opt/Varnholt/Tidewell. The files that belong to the system
# rather than to that installation (desktop entry, hicolor icon, copyright,
# changelog, lintian overrides) are rules of the install component "deb",
# marked EXCLUDE_FROM_ALL with absolute destinations: a plain `cmake --install`
# never installs them, so it keeps writing inside ROOT only. CPack installs
# the default rules and that component into one staging tree below DESTDIR
# (CPACK_SET_DESTDIR), so the absolute destinations land in the package and
# never on the build machine.
set(TW_DEB_PACKAGE tidewell-backup)
set(TW_DEB_PREFIX /opt/Varnholt/Tidewell)
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
# The log-level file lies in the package installation because the launcher
# reads it relative to its own folder; as a conffile the administrator's edits
# survive upgrades and removal (only purge deletes it).
file(WRITE ${_tw_pkg_bin}/conffiles "${TW_DEB_PREFIX}/log/launcher.debug\n")

install(FILES ${_tw_pkg_src}/${TW_DEB_PACKAGE}.desktop
        DESTINATION /usr/share/applications COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/demo/images/ico_72_tidewell.png
        DESTINATION /usr/share/icons/hicolor/72x72/apps RENAME ${TW_DEB_PACKAGE}.png
        COMPONENT deb EXCLUDE_FROM_ALL)
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
# The default rules (the package installation) and the system-wide files.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${CMAKE_PROJECT_NAME};ALL;/"
    "${PROJECT_BINARY_DIR};${CMAKE_PROJECT_NAME};deb;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME ${TW_DEB_PACKAGE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Every ELF file is scanned, the Qt plug-ins in lib/plugins included.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without a CJK font the Chinese, Japanese and Korean texts show as boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_tw_pkg_bin}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
