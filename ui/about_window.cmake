# Sources of the About window (TCalmoraAboutForm), its JPEG picture decoded by
# libjpeg, and the picture itself embedded as a resource.
target_sources(discordanza_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/calmora_about_unit.h
  ${CMAKE_CURRENT_LIST_DIR}/calmora_about_unit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_click_area.h
  ${CMAKE_CURRENT_LIST_DIR}/about_click_area.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_panel.h
  ${CMAKE_CURRENT_LIST_DIR}/about_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_picture.h
  ${CMAKE_CURRENT_LIST_DIR}/about_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_error.h
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_error.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_decoder.h
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_decoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_picture.h
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_screen_depth.h
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_screen_depth.cpp
)
target_link_libraries(discordanza_ui PRIVATE JPEG::JPEG)
qt_add_resources(discordanza_ui about_picture
  PREFIX /about
  BASE ${PROJECT_SOURCE_DIR}/assets
  FILES ${PROJECT_SOURCE_DIR}/assets/calmora.jpg
)
