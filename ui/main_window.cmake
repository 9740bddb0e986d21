# Sources of the main window (TForm1), its logo, and the windows built at
# start-up.
target_sources(discordanza_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/main_fields.h
  ${CMAKE_CURRENT_LIST_DIR}/main_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_key_filter.h
  ${CMAKE_CURRENT_LIST_DIR}/main_key_filter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_layout.h
  ${CMAKE_CURRENT_LIST_DIR}/main_startup.h
  ${CMAKE_CURRENT_LIST_DIR}/main_startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_unit.h
  ${CMAKE_CURRENT_LIST_DIR}/main_unit.cpp
)
target_link_libraries(discordanza_ui PUBLIC discordanza_frame discordanza_report)
qt_add_resources(discordanza_ui main_window_assets
  PREFIX /
  BASE ${PROJECT_SOURCE_DIR}
  FILES ${PROJECT_SOURCE_DIR}/assets/main_logo.bmp
)
