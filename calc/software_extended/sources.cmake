# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

# The software extended arithmetic. Every file compiles to nothing unless
# DISCORDANZA_SOFT_EXTENDED is set (by the CMake option, or by calc/extended.h
# where long double is not the 80-bit format).
set(discordanza_soft_extended_core
  ${CMAKE_CURRENT_LIST_DIR}/add.cpp
  ${CMAKE_CURRENT_LIST_DIR}/compare.cpp
  ${CMAKE_CURRENT_LIST_DIR}/divide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/double_conversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/integer_conversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/multiply.cpp
  ${CMAKE_CURRENT_LIST_DIR}/round_and_pack.cpp
  ${CMAKE_CURRENT_LIST_DIR}/round_to_integer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unpack.cpp
)
target_sources(discordanza_calc PRIVATE
  ${discordanza_soft_extended_core}
  ${CMAKE_CURRENT_LIST_DIR}/extended_software.cpp
)

# The same arithmetic compiled in on every machine, without the Extended
# adapter, for the test that checks it against the x87 unit bit for bit.
# Built only when something links it.
add_library(discordanza_soft_extended_core OBJECT EXCLUDE_FROM_ALL ${discordanza_soft_extended_core})
target_compile_definitions(discordanza_soft_extended_core PUBLIC DISCORDANZA_SOFT_EXTENDED=1)
target_include_directories(discordanza_soft_extended_core PUBLIC ${PROJECT_SOURCE_DIR})
