# setup.exe as shipped: on the win32-thread runtime, without exceptions, stripped, time stamp
# zero, run from swap. The tests need the posix-thread runtime (GoogleTest uses std::mutex),
# whose winpthreads imports functions that Windows 2000 and XP lack, and exceptions: a test
# build makes setup.exe in a sub-build.
if(MINGW_THREADS STREQUAL "win32")
  # The program throws nothing and allocates only with new (std::nothrow): without the
  # runtime's exception machinery it imports no function that Windows 98 and ME only stub.
  target_compile_options(setupcore PRIVATE -fno-exceptions -fno-rtti)
  add_executable(setup WIN32 app/main.cpp app/ProgramHeap.cpp $<TARGET_OBJECTS:setupres>)
  target_compile_options(setup PRIVATE -fno-exceptions -fno-rtti)
  target_link_libraries(setup PRIVATE setupcore)
  # Every build of a commit gives the same bytes.
  target_link_options(setup PRIVATE -s -Wl,--no-insert-timestamp)
  # Windows 98 and ME load only programs that ask for Windows 4.0.
  if(MINGW_TRIPLET MATCHES "^i686")
    target_link_options(setup PRIVATE
      -Wl,--major-os-version,4,--minor-os-version,0,--major-subsystem-version,4,--minor-subsystem-version,0)
  endif()
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
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DCMAKE_COMPILE_WARNING_AS_ERROR=${CMAKE_COMPILE_WARNING_AS_ERROR}
      -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
  add_custom_target(setup ALL)
  add_dependencies(setup shipped_setup)
endif()
