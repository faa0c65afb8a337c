include_guard(GLOBAL)

# Debian's hardening flags, as dpkg-buildflags gives them with DEB_BUILD_MAINT_OPTIONS=hardening=+all: the
# stack protector, _FORTIFY_SOURCE, format checks, and full RELRO with immediate binding (-z now); GCC
# makes position-independent executables by default. They apply to every target of an optimised build, so
# the programs the Debian package holds (scripts/package) carry them; tests/package checks that they do.
# The optimisation and debug flags dpkg-buildflags adds are left to CMAKE_BUILD_TYPE. Not in a Debug build
# (_FORTIFY_SOURCE needs the optimiser), nor with the sanitizers or the fuzzer, which check more themselves.
option(VARNEL_HARDENING "Build optimised builds with Debian's hardening flags (dpkg-buildflags)" ON)

set(VARNEL_HARDENED OFF)
if(VARNEL_HARDENING AND NOT VARNEL_SANITIZE AND NOT VARNEL_FUZZ AND NOT CMAKE_CROSSCOMPILING
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    find_program(DPKG_BUILDFLAGS dpkg-buildflags)
    if(DPKG_BUILDFLAGS)
        set(hardening_flags)
        foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                    ${DPKG_BUILDFLAGS} --get ${kind}
                            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
            separate_arguments(flags UNIX_COMMAND "${flags}")
            list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9s]?|ffile-prefix-map=.*)$")
            set(hardening_${kind} ${flags})
        endforeach()
        add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS})
        add_link_options(${hardening_LDFLAGS})
        set(VARNEL_HARDENED ON)
        message(STATUS "Hardening: ${hardening_CPPFLAGS} ${hardening_CXXFLAGS} ${hardening_LDFLAGS}")
    else()
        message(STATUS "Hardening: dpkg-buildflags is missing; the programs are built without Debian's flags")
    endif()
endif()
