# Debian's hardening for the release and package builds: the flags that
# `dpkg-buildflags` gives with DEB_BUILD_MAINT_OPTIONS=hardening=+all (format
# checks, fortified libc calls, stack protector, read-only relocations bound at
# start), and position-independent executables. Not in Debug, sanitizer or
# fuzzing builds: _FORTIFY_SOURCE warns without optimization (fatal with
# -Werror) and duplicates the checks the sanitizers make there.
set(_tw_harden ON)
# Any sanitizer (whichever option asked for it) is seen in the shared options.
get_target_property(_tw_opts tidewell_options INTERFACE_COMPILE_OPTIONS)
if(CMAKE_BUILD_TYPE STREQUAL "Debug" OR TIDEWELL_SANITIZE OR TIDEWELL_FUZZ
   OR "${_tw_opts} ${CMAKE_CXX_FLAGS}" MATCHES "-fsanitize")
  set(_tw_harden OFF)
endif()

if(_tw_harden)
  find_program(TW_DPKG_BUILDFLAGS dpkg-buildflags)
  set(_tw_cflags)
  set(_tw_ldflags)
  if(TW_DPKG_BUILDFLAGS)
    foreach(_kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${TW_DPKG_BUILDFLAGS} --get ${_kind}
        OUTPUT_VARIABLE _flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _rc)
      if(NOT _rc EQUAL 0)
        message(FATAL_ERROR "Hardening: dpkg-buildflags --get ${_kind} failed (${_rc})")
      endif()
      separate_arguments(_flags UNIX_COMMAND "${_flags}")
      # Optimization and debug data stay the build type's; the prefix maps name
      # the folder dpkg-buildflags ran in, not the sources.
      list(FILTER _flags EXCLUDE REGEX "^-(O.*|g.*|f(file|debug|macro)-prefix-map=.*)$")
      if(_kind STREQUAL "LDFLAGS")
        list(APPEND _tw_ldflags ${_flags})
      else()
        list(APPEND _tw_cflags ${_flags})
      endif()
    endforeach()
  else()
    # What dpkg-buildflags of Debian 12 gives, for machines without dpkg-dev.
    set(_tw_cflags -Wdate-time -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security)
    set(_tw_ldflags -Wl,-z,relro -Wl,-z,now)
  endif()
  message(STATUS "Hardening: ${_tw_cflags} ${_tw_ldflags}")
  add_compile_options(${_tw_cflags})
  add_link_options(${_tw_ldflags})
  # PIE explicitly rather than by the compiler's default.
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
else()
  message(STATUS "Hardening: off in this build (Debug, sanitizers or fuzzing)")
endif()
