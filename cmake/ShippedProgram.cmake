# setup.exe as shipped: on the win32-thread runtime, without exceptions, stripped, time stamp
# zero, run from swap. The tests need the posix-thread runtime (GoogleTest uses std::mutex),
# whose winpthreads imports functions that Windows 2000 and XP lack, and exceptions: a test
# build makes setup.exe in a sub-build.
if(MINGW_THREADS STREQUAL "win32")
  # The program throws nothing and allocates only with new (std::nothrow): without the
  # runtime's exception machinery it imports no function that Windows 98 and ME only stub.
  # It carries its own start-up, heap and string functions instead of a C runtime, which the
  # first Windows 95 does not have, and its code runs on a 486.
  set(shipped_options -fno-exceptions -fno-rtti)
  if(MINGW_TRIPLET MATCHES "^i686")
    list(APPEND shipped_options -march=i486)
  endif()
  target_compile_options(setupcore PRIVATE ${shipped_options})
  add_library(programruntime OBJECT runtime/ProgramStart.cpp runtime/ProgramHeap.cpp runtime/ProgramMemory.cpp)
  target_compile_options(programruntime PRIVATE ${shipped_options})
  # memcpy and the others are written as loops; the compiler must not make calls of them.
  set_source_files_properties(runtime/ProgramMemory.cpp PROPERTIES
    COMPILE_OPTIONS -fno-tree-loop-distribute-patterns)
  # shipped_program(target sources... [LIBRARIES libraries...]): linked as setup.exe is, without
  # the runtime's start files and libraries: only Windows' own DLLs and libgcc's static helpers
  # (64-bit division, stack probes), which come last.
  function(shipped_program target)
    cmake_parse_arguments(PROGRAM "" "" "LIBRARIES" ${ARGN})
    add_executable(${target} WIN32 ${PROGRAM_UNPARSED_ARGUMENTS} $<TARGET_OBJECTS:programruntime>)
    target_compile_options(${target} PRIVATE ${shipped_options})
    target_link_options(${target} PRIVATE -nostdlib)
    target_link_libraries(${target} PRIVATE ${PROGRAM_LIBRARIES} kernel32 user32 gdi32 gcc)
    if(MINGW_TRIPLET MATCHES "^i686") # Windows 95, 98 and ME load only programs that ask for 4.0.
      target_link_options(${target} PRIVATE
        -Wl,--major-os-version,4,--minor-os-version,0,--major-subsystem-version,4,--minor-subsystem-version,0)
    endif()
  endfunction()
  shipped_program(setup app/main.cpp $<TARGET_OBJECTS:setupres> LIBRARIES setupcore)
  if(VELNORA_RUNTIME_CHECK) # the test build's check of the start-up, heap and string functions
    shipped_program(shipped_runtime_check tests/runtime/ShippedRuntimeCheck.cpp LIBRARIES psapi)
  endif()
  # Every build of a commit gives the same bytes.
  target_link_options(setup PRIVATE -s -Wl,--no-insert-timestamp)
  # Windows must not page the program from the disc that it started from: the copy
  # changes discs under it.
  add_custom_command(TARGET setup POST_BUILD
    COMMAND bash ${CMAKE_SOURCE_DIR}/tools/pe-swaprun.sh $<TARGET_FILE:setup> VERBATIM)
  # A changed post-link step must give a new program: the link depends on its script.
  set_property(TARGET setup APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/tools/pe-swaprun.sh)
else()
  # The same sources once more, landing in this build's bin/ like every other program.
  include(ExternalProject)
  ExternalProject_Add(shipped_setup
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/shipped
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
      -DMINGW_TRIPLET=${MINGW_TRIPLET}
      -DMINGW_THREADS=win32
      -DVELNORA_RUNTIME_CHECK=ON
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DCMAKE_COMPILE_WARNING_AS_ERROR=${CMAKE_COMPILE_WARNING_AS_ERROR}
      -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
  add_custom_target(setup ALL)
  add_dependencies(setup shipped_setup)
endif()
