# Packs the sample client into a package archive and writes the package's INFO.
# cmake -DCLIENT=<binary> -DSCRIPT=<start-stop> -DOUT_DIR=<root>
#       [-DVERSION=<major.minor.build>] [-DBUILD=<n>] [-DFORMAT=zip] -P pack.cmake
# The build passes the project's version. Without VERSION the project() line of
# this source tree gives it, so a repack by hand cannot disagree with the build;
# BUILD replaces the build number (the demo and tests raise it for an upgrade).
foreach(_v CLIENT SCRIPT OUT_DIR)
  if(NOT DEFINED ${_v})
    message(FATAL_ERROR "pack.cmake: ${_v} is not set")
  endif()
endforeach()
if(NOT DEFINED VERSION)
  file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/../CMakeLists.txt" _project REGEX "^project\\(")
  if(NOT _project MATCHES "VERSION +([0-9.]+)")
    message(FATAL_ERROR "pack.cmake: no version in the project() line of ${CMAKE_CURRENT_LIST_DIR}/../CMakeLists.txt")
  endif()
  set(VERSION ${CMAKE_MATCH_1})
endif()
if(NOT VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "pack.cmake: VERSION '${VERSION}' is not major.minor.build")
endif()
set(_major ${CMAKE_MATCH_1})
set(_minor ${CMAKE_MATCH_2})
if(NOT DEFINED BUILD)
  set(BUILD ${CMAKE_MATCH_3})
elseif(NOT BUILD MATCHES "^[0-9]+$")
  message(FATAL_ERROR "pack.cmake: BUILD '${BUILD}' is not a number")
endif()
# zip by default: the launcher's count pass then reads only the central
# directory instead of decompressing everything, and every entry carries a CRC
# that the extraction checks (bench/RESULTS.md).
if(NOT DEFINED FORMAT)
  set(FORMAT zip)
endif()

set(_info "[Version]\nmajor_version=${_major}\nminor_version=${_minor}\nbuild_version=${BUILD}\nicon_overlay_version=1\n")
set(_tree "${OUT_DIR}/.package-tree")
file(REMOVE_RECURSE "${_tree}")
file(MAKE_DIRECTORY "${_tree}/bin" "${_tree}/package" "${OUT_DIR}/package")
file(WRITE "${_tree}/INFO" "${_info}")
file(COPY "${CLIENT}" DESTINATION "${_tree}/bin"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
get_filename_component(_client_name "${CLIENT}" NAME)
if(NOT _client_name STREQUAL "tidewell-backup-ui")
  file(RENAME "${_tree}/bin/${_client_name}" "${_tree}/bin/tidewell-backup-ui")
endif()
file(COPY "${SCRIPT}" DESTINATION "${_tree}/package"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(_archive "${OUT_DIR}/package/tidewell.qpk")
file(REMOVE "${_archive}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf "${_archive}" --format=${FORMAT} --mtime=2026-01-01 -- INFO bin package
  WORKING_DIRECTORY "${_tree}" RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "pack.cmake: packing failed (${_rc})")
endif()
file(WRITE "${OUT_DIR}/INFO" "${_info}")
file(REMOVE_RECURSE "${_tree}")
