# Compiler settings for the Windows targets: small, static, no exceptions, and
# reproducible: the same sources give the same bytes in any folder, on any day.
enable_language(RC)

if(MSVC)
  add_compile_options(/W4 /permissive- /GR- /EHs-c- /D_HAS_EXCEPTIONS=0 /Os /Gy)
  add_link_options(/OPT:REF /OPT:ICF /Brepro)
  # The C runtime linked in, as with MinGW: nothing to install beside the program.
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
  # No thread-safe guards on function-local statics: every one of them is first
  # reached on the GUI thread, and the guard is what pulls in the exception runtime.
  add_compile_options(-Wall -Wextra -Wno-missing-field-initializers -Os -fno-exceptions -fno-rtti
                      -fno-threadsafe-statics -ffunction-sections -fdata-sections
                      "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>"
                      "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")
  # No link date in the PE header (the header's checksum depends on the bytes alone).
  add_link_options(-static -Wl,--gc-sections -s -Wl,--no-insert-timestamp)

  # Allocation and throw functions for quorvel.exe that keep libstdc++'s
  # exception machinery out of it (three quarters of its size otherwise).
  set(QUORVEL_RUNTIME_SOURCES app/no_exceptions_runtime.cpp)
endif()
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601)
