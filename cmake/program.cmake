# The Windows program: quorvel.exe and the library its window tests link.

# Everything but the entry point, so that window tests can load the real windows.
add_library(quorvel_core STATIC
  app/text_buffer_win.cpp
  app/window_layer.cpp
  app/event_loop_win.cpp
  ui/top_window_win.cpp
  ui/window_factory_win.cpp
  ui/window_keys_win.cpp
  ui/label_win.cpp
  ui/layouts.cpp
  ui/edit_box_win.cpp
  ui/message_box_win.cpp
  ui/skin_win.cpp
  ui/skin_paint_win.cpp
  ui/checker_window.cpp
  ui/offer_window.cpp
  system/version_probe_win.cpp
  system/download_page_win.cpp
  system/system_library_win.cpp
)
target_link_libraries(quorvel_core PUBLIC quorvel_logic user32 gdi32 ole32 advapi32)

add_executable(quorvel WIN32 app/main_win.cpp ${QUORVEL_RUNTIME_SOURCES} res/quorvel.rc)
target_link_libraries(quorvel PRIVATE quorvel_core)

# Both architectures: what the executable imports (the x86 build cannot run
# here, so it is inspected instead).
if(CMAKE_OBJDUMP)
  add_test(NAME imports
           COMMAND ${CMAKE_SOURCE_DIR}/tests/imports/check_imports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:quorvel>)
  set_tests_properties(imports PROPERTIES LABELS inspect)
endif()
