# The About window's tests: the window driven through real events offscreen,
# and the libjpeg decoding of its picture.
add_executable(about_window_tests
  ${CMAKE_CURRENT_LIST_DIR}/about_test_support.h
  ${CMAKE_CURRENT_LIST_DIR}/about_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_decoder_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_segments.h
)
target_link_libraries(about_window_tests PRIVATE discordanza_ui Qt6::Test GTest::gtest JPEG::JPEG)
gtest_discover_tests(about_window_tests
  DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120
)
