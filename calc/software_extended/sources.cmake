# The software extended arithmetic, compiled in when DISCORDANZA_SOFT_EXTENDED
# is set or where long double is not the 80-bit format.
target_sources(discordanza_calc PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/extended_software.cpp
)
