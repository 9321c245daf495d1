# The two programs, the Win32 wrappers they share, and the tests that run under Wine.
enable_language(RC)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

if(MINGW)
  # One self-contained .exe: no libstdc++/libgcc/winpthread DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  if(CMAKE_CROSSCOMPILING)
    set(DEK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    configure_file(${CMAKE_SOURCE_DIR}/scripts/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  endif()
endif()

if(MSVC)
  # The DLLs the programs import are resolved from the system folder only, as the programs
  # themselves load every other DLL (platform/dll_search.h).
  add_link_options(/DEPENDENTLOADFLAG:0x800)
  # Each program that has a manifest carries it in its resource script. The linker's own manifest
  # would clash with it (or, written in after linking, replace it), so the linker writes none.
  add_link_options(/MANIFEST:NO)
endif()

# windres does not report the files a script pulls in: a new icon or manifest must still rebuild.
set_source_files_properties(resources/dek.rc resources/dekset.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/resources/dek.ico;${CMAKE_SOURCE_DIR}/resources/app.manifest;${CMAKE_SOURCE_DIR}/resources/resource_ids.h;${CMAKE_SOURCE_DIR}/resources/version_info.rc;${CMAKE_BINARY_DIR}/generated/dek_version.h")

# The programs start at wWinMain (MSVC finds it by itself; mingw needs -municode).
function(dek_use_wide_entry_point target)
  if(MINGW)
    target_link_options(${target} PRIVATE -municode)
  endif()
endfunction()

include(cmake/delay_load.cmake)

add_library(dek_platform STATIC
  platform/com.cpp
  platform/common_dialogs.cpp
  platform/dll_search.cpp
  platform/display_monitors.cpp
  platform/dpi.cpp
  platform/error_text.cpp
  platform/files.cpp
  platform/folder_watch.cpp
  platform/list_box.cpp
  platform/message_box.cpp
  platform/picture_formats.cpp
  platform/pictures.cpp
  platform/process.cpp
  platform/registry.cpp
  platform/shell.cpp
  platform/shell_folders.cpp
  platform/shell_link.cpp
  platform/single_instance.cpp
  platform/sound.cpp
  platform/window.cpp
)
target_link_libraries(dek_platform PUBLIC platform_logic shell32 ole32 uuid comctl32 comdlg32 gdi32 user32 advapi32 winmm msvfw32)

# Everything of the changer but its entry point, so that tests can link it too.
add_library(dek_changer STATIC
  changer/main_window.cpp
  changer/core/program.cpp
  changer/collection/adding.cpp
  changer/collection/collection.cpp
  changer/collection/collection_editor.cpp
  changer/collection/collection_lists.cpp
  changer/collection/picture_window.cpp
  changer/collection/position_dialog.cpp
  changer/collection/wall_records.cpp
  changer/desktop/apply.cpp
  changer/desktop/change_sound.cpp
  changer/desktop/change_timer.cpp
  changer/desktop/desktop_changer.cpp
  changer/desktop/monitor_wallpapers.cpp
  changer/dialogs/settings_dialog.cpp
  changer/tray/tray_icon.cpp
)
target_link_libraries(dek_changer PUBLIC dek_logic dek_platform)

# The changer.
add_executable(Dek WIN32 changer/main.cpp resources/dek.rc)
target_link_libraries(Dek PRIVATE dek_changer)
dek_use_wide_entry_point(Dek)
dek_delay_load(Dek)

# The shortcut maker, beside Dek.exe. Everything but its entry point is a library, so that
# tests can call the shortcut routine directly.
add_library(dekset_maker STATIC
  shortcut_maker/make_shortcut.cpp
  shortcut_maker/shortcut_window.cpp
)
target_link_libraries(dekset_maker PUBLIC dek_logic dek_platform)
add_executable(DekSet WIN32 shortcut_maker/main.cpp resources/dekset.rc)
target_link_libraries(DekSet PRIVATE dekset_maker)
dek_use_wide_entry_point(DekSet)
dek_delay_load(DekSet)

if(DEK_BUILD_TESTS)
  # Finds the programs' windows and presses their buttons for scripts/screenshots.sh.
  add_executable(screenshot_driver tools/screenshot_driver.cpp)
  target_include_directories(screenshot_driver PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(screenshot_driver PRIVATE user32)
  dek_use_wide_entry_point(screenshot_driver)

  add_subdirectory(tests/support)
  add_subdirectory(tests/platform)
  add_subdirectory(tests/window)
  add_subdirectory(tests/e2e)
  add_subdirectory(tests/release)
endif()
if(DEK_BUILD_BENCH)
  add_subdirectory(bench)
endif()
