# Tests of the main window through real key and mouse events, offscreen.
add_executable(discordanza_main_window_tests
  ${CMAKE_CURRENT_LIST_DIR}/main_about_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_keyboard_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_save_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_typing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_fixture.h
  ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp
)
target_link_libraries(discordanza_main_window_tests PRIVATE discordanza_ui discordanza_gui_test_support)
gtest_discover_tests(discordanza_main_window_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen DISCOVERY_TIMEOUT 30)
