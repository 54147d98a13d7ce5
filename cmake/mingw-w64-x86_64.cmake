# Cross-compiling for Windows x86_64 with Debian's mingw-w64 (posix threads).
# QT_WINDOWS_PREFIX, a CMake variable or from the environment, names the Qt
# built for Windows; the host tools (moc, uic, rcc) come from QT_HOST_PATH.
if(NOT QT_WINDOWS_PREFIX)
  set(QT_WINDOWS_PREFIX $ENV{QT_WINDOWS_PREFIX})
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER /usr/bin/${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${mingw}-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/${mingw}-windres)
set(CMAKE_AR /usr/bin/${mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${mingw}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${QT_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
