# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix thread model, which Qt needs).
# VARNEL_WINDOWS_QT names the install prefix of Qt built for Windows (scripts/windows builds it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(VARNEL_WINDOWS_QT "$ENV{VARNEL_WINDOWS_QT}" CACHE PATH "Install prefix of Qt built for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VARNEL_WINDOWS_QT)

# Qt's package files are found only inside the root path; host programs (moc, rcc) come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${VARNEL_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
