# The shell's plain logic that needs Qt Core and Gui types (paths, files,
# colours) but no widgets: settings file, number readers, layout, names, the
# pane-settings rules and the colour picker's palette, the backup archive.
find_package(Qt6 REQUIRED COMPONENTS Core Gui)
add_library(tavolux_shell_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/backup_archive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/numbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pane_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_files.cpp)
target_include_directories(tavolux_shell_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tavolux_shell_core PUBLIC Qt6::Core Qt6::Gui)
