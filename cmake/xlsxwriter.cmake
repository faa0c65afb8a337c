include_guard(GLOBAL)

# libxlsxwriter, which writes the project's workbook (.xlsx), as the imported target Varnel::xlsxwriter.
#
# It is a static library built from Debian's own source package with USE_DTOA_LIBRARY, which writes every
# number in its shortest exact form whatever the locale; Debian's shared library writes "%.16G" in the C
# library's current locale, which loses the last digits of some doubles and writes a decimal comma in some
# locales. The scripts' install step (scripts/common.sh: scripts/test, run, package, fuzz; scripts/windows
# for Windows) builds it into the cache folder where VARNEL_XLSXWRITER points by default.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
    set(varnel_xlsxwriter_flavour mingw64)
else()
    set(varnel_xlsxwriter_flavour linux)
endif()
if(NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(varnel_cache_home "$ENV{XDG_CACHE_HOME}")
else()
    set(varnel_cache_home "$ENV{HOME}/.cache")
endif()
set(varnel_xlsxwriter_cached "${varnel_cache_home}/varnel/xlsxwriter-${varnel_xlsxwriter_flavour}")
set(VARNEL_XLSXWRITER "${varnel_xlsxwriter_cached}"
    CACHE PATH "Install prefix of libxlsxwriter built static with USE_DTOA_LIBRARY (the scripts build it)")

# Plain paths, not find_library: a cross build searches only inside its root path.
set(varnel_xlsxwriter_library "${VARNEL_XLSXWRITER}/lib/libxlsxwriter.a")
if(NOT EXISTS "${varnel_xlsxwriter_library}" OR NOT EXISTS "${VARNEL_XLSXWRITER}/include/xlsxwriter.h")
    message(FATAL_ERROR
        "libxlsxwriter for ${varnel_xlsxwriter_flavour} is not in ${VARNEL_XLSXWRITER}.\n"
        "Run scripts/test once (scripts/windows for Windows): its install step builds it from Debian's source "
        "package into ${varnel_xlsxwriter_cached}, where it is found by default. A copy built elsewhere (static, "
        "-DUSE_DTOA_LIBRARY=ON) is named with -DVARNEL_XLSXWRITER=<its install prefix>.")
endif()

# zlib: Debian's shared one on Linux, which the Debian package's dependencies provide; on Windows the static
# one of libz-mingw-w64-dev, so that varnel.exe needs no zlib1.dll beside it.
if(WIN32)
    set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)

add_library(Varnel::xlsxwriter STATIC IMPORTED)
set_target_properties(Varnel::xlsxwriter PROPERTIES
    IMPORTED_LOCATION "${varnel_xlsxwriter_library}"
    INTERFACE_INCLUDE_DIRECTORIES "${VARNEL_XLSXWRITER}/include"
    INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
