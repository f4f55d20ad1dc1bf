# The Windows build: the program, its Win32 library, and the tests under Wine.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# Small and self-contained: no MinGW DLL at run time, unused sections dropped.
set(OLTREVAN_LEAN -fno-exceptions -fno-rtti -fno-threadsafe-statics -ffunction-sections -fdata-sections)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static)
target_compile_options(oltrevan_portable PRIVATE ${OLTREVAN_LEAN})

add_library(oltrevan_win STATIC
  app/answer_file_settings.cpp
  app/detection.cpp
  app/run_state.cpp
  app/win32.cpp
  registry/backup.cpp
  registry/impersonate_user.cpp
  registry/maintenance.cpp
  registry/registry.cpp
  registry/registry_platform.cpp
  setup/answer_file_swap.cpp
  setup/run_and_wait.cpp
  setup/run_setup.cpp
  setup/uninstaller.cpp
  ui/dialogs.cpp
  ui/localized_string.cpp)
target_link_libraries(oltrevan_win PUBLIC oltrevan_portable shell32 shlwapi advapi32 user32 gdi32)
target_compile_options(oltrevan_win PRIVATE ${OLTREVAN_WARNINGS} ${OLTREVAN_LEAN})

# Strings, dialogs, icons, version block and manifest; tests of the UI link them too.
add_library(oltrevan_res OBJECT res/oltrevan.rc)
target_include_directories(oltrevan_res PRIVATE ${CMAKE_SOURCE_DIR}/res)

add_executable(oltrevan WIN32 app/main.cpp app/decision_flow.cpp app/gdiplus.cpp app/lean_runtime.cpp $<TARGET_OBJECTS:oltrevan_res>)
target_link_libraries(oltrevan PRIVATE oltrevan_win)
target_compile_options(oltrevan PRIVATE ${OLTREVAN_WARNINGS} ${OLTREVAN_LEAN})
target_link_options(oltrevan PRIVATE -municode -Wl,--gc-sections $<$<CONFIG:MinSizeRel,Release>:-s>)

add_subdirectory(tests/win)

# The read-only report for release and support engineers.
add_executable(oltrevan-report report/report_main.cpp)
target_link_libraries(oltrevan-report PRIVATE oltrevan_win)
target_include_directories(oltrevan-report PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(oltrevan-report PRIVATE ${OLTREVAN_WARNINGS} ${OLTREVAN_LEAN})
target_link_options(oltrevan-report PRIVATE -municode -Wl,--gc-sections $<$<CONFIG:MinSizeRel,Release>:-s>)
