# Cross-compiling with mingw-w64. MINGW_TRIPLET picks the target: i686 for the
# shipped 32-bit program, x86_64 for hosts that cannot execute 32-bit code.
# MINGW_THREADS picks the runtime's thread model: posix for the tests (GoogleTest needs
# std::mutex), win32 for the shipped program (the posix runtime links winpthreads,
# which imports functions that Windows 2000 and XP lack).
set(MINGW_TRIPLET "i686-w64-mingw32" CACHE STRING "mingw-w64 target triplet")
set(MINGW_THREADS "posix" CACHE STRING "thread model of the mingw-w64 runtime: posix or win32")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MINGW_TRIPLET MINGW_THREADS)

# The Wine environment of the tests: WINE_SETTING_<NAME> for each line of tools/wine.env.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../tools/wine.env wine_settings REGEX "^[A-Z_0-9]+=")
foreach(setting IN LISTS wine_settings)
  string(REGEX MATCH "^([A-Z_0-9]+)=(.*)$" matched "${setting}")
  set(WINE_SETTING_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()

set(CMAKE_SYSTEM_NAME Windows)
if(MINGW_TRIPLET MATCHES "^x86_64")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
  set(WINE_LOADER ${WINE_SETTING_WINE_LOADER_64})
else()
  set(CMAKE_SYSTEM_PROCESSOR x86)
  set(WINE_LOADER ${WINE_SETTING_WINE_LOADER_32})
endif()

set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-${MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-${MINGW_THREADS})
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_LOADER})
