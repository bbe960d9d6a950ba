# Debian's hardening flags in every build: taken from dpkg-buildflags (all hardening features),
# or the same list where it is missing. Only the hardening flags are kept: the build type keeps
# choosing optimisation and debug information. Sanitizer builds leave out _FORTIFY_SOURCE,
# which clashes with their own checks, and Debug builds too (it needs optimisation).

set(TRELVIX_HARDEN_COMPILE -fstack-protector-strong -fstack-clash-protection -fcf-protection
    -Wformat -Werror=format-security -D_FORTIFY_SOURCE=2)
set(TRELVIX_HARDEN_LINK -Wl,-z,relro -Wl,-z,now)

find_program(TRELVIX_DPKG_BUILDFLAGS dpkg-buildflags)
if(TRELVIX_DPKG_BUILDFLAGS)
  set(compile "")
  set(link "")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${TRELVIX_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed)
      continue()
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    foreach(flag IN LISTS flags)
      if(flag MATCHES "^-fstack-|^-fcf-|^-Wformat|^-Werror=format|^-D_FORTIFY_SOURCE")
        list(APPEND compile ${flag})
      elseif(flag MATCHES "^-Wl,-z,")
        list(APPEND link ${flag})
      endif()
    endforeach()
  endforeach()
  if(compile AND link)
    set(TRELVIX_HARDEN_COMPILE ${compile})
    set(TRELVIX_HARDEN_LINK ${link})
  endif()
endif()

# Newer dpkg adds these two. Control-flow marks reach a program only where the C library's start
# files carry them too (not on Debian 12; scripts/package tells hardening-check so).
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "TRELVIX_HAS${flag}" known)
  check_cxx_compiler_flag(${flag} ${known})
  if(${known} AND NOT flag IN_LIST TRELVIX_HARDEN_COMPILE)
    list(APPEND TRELVIX_HARDEN_COMPILE ${flag})
  endif()
endforeach()

if(TRELVIX_SANITIZE OR TRELVIX_TSAN OR CMAKE_BUILD_TYPE STREQUAL "Debug")
  list(FILTER TRELVIX_HARDEN_COMPILE EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
endif()
add_compile_options(${TRELVIX_HARDEN_COMPILE})
add_link_options(${TRELVIX_HARDEN_LINK})

# Position-independent executables.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
message(STATUS "Hardening: ${TRELVIX_HARDEN_COMPILE} ${TRELVIX_HARDEN_LINK} PIE")
