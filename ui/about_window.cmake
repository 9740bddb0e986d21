# Sources of the About window (TCalmoraAboutForm).
target_sources(discordanza_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/calmora_about_unit.h
  ${CMAKE_CURRENT_LIST_DIR}/calmora_about_unit.cpp
)
