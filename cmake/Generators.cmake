# Generators of the shipped files, written into the staged program folder at build time from
# reviewable sources: the personality files (from resources/personalities), every sound
# (synthesised; spoken remarks by espeak-ng when it is installed, a tune otherwise) and the
# tutorial's prepared positions (from resources/tutorial).
set(GENERATOR_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources/tools)
set(PERSONALITY_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources/personalities)
file(GLOB PERSONALITY_SOURCES CONFIGURE_DEPENDS ${PERSONALITY_DIR}/*.txt)

add_library(quorvane_generators STATIC ${GENERATOR_DIR}/personality_source.cpp
                                       ${GENERATOR_DIR}/position_source.cpp
                                       ${GENERATOR_DIR}/wav_synth.cpp
                                       ${GENERATOR_DIR}/builtin_sounds.cpp
                                       ${GENERATOR_DIR}/data_files_source.cpp)
target_include_directories(quorvane_generators PUBLIC ${GENERATOR_DIR})
target_link_libraries(quorvane_generators PUBLIC records)

add_executable(quorvane_make_pms ${GENERATOR_DIR}/make_pms.cpp)
target_link_libraries(quorvane_make_pms PRIVATE quorvane_generators)
add_executable(quorvane_make_sounds ${GENERATOR_DIR}/make_sounds.cpp)
target_link_libraries(quorvane_make_sounds PRIVATE quorvane_generators)
add_executable(quorvane_make_data_files ${GENERATOR_DIR}/make_data_files.cpp)
target_link_libraries(quorvane_make_data_files PRIVATE quorvane_generators)
add_executable(quorvane_make_positions ${GENERATOR_DIR}/make_positions.cpp)
target_link_libraries(quorvane_make_positions PRIVATE quorvane_generators)

find_program(ESPEAK_NG_PROGRAM espeak-ng)
if(NOT ESPEAK_NG_PROGRAM)
  set(ESPEAK_NG_PROGRAM "")
  message(STATUS "espeak-ng not found: spoken remarks become short tunes")
endif()

set(PMS_STAMP ${CMAKE_BINARY_DIR}/generated_pms.stamp)
add_custom_command(
  OUTPUT ${PMS_STAMP}
  COMMAND quorvane_make_pms ${PERSONALITY_DIR} ${QUORVANE_STAGE_DIR}/Data/PMS
  COMMAND ${CMAKE_COMMAND} -E touch ${PMS_STAMP}
  DEPENDS quorvane_make_pms ${PERSONALITY_SOURCES}
  COMMENT "Writing the personality files")

set(SOUNDS_STAMP ${CMAKE_BINARY_DIR}/generated_sounds.stamp)
add_custom_command(
  OUTPUT ${SOUNDS_STAMP}
  COMMAND quorvane_make_sounds ${PERSONALITY_DIR} ${QUORVANE_STAGE_DIR} "${ESPEAK_NG_PROGRAM}"
  COMMAND ${CMAKE_COMMAND} -E touch ${SOUNDS_STAMP}
  DEPENDS quorvane_make_sounds ${PERSONALITY_SOURCES}
  COMMENT "Synthesising the sounds")

# The tutorial's prepared positions: records 31-38 of the saved-game store, each checked as the
# game checks a position it restores, so a position that is not a sound game stops the build.
set(POSITIONS_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/resources/tutorial/positions.txt)
set(POSITIONS_STORE ${QUORVANE_STAGE_DIR}/Data/backup.sav)
add_custom_command(
  OUTPUT ${POSITIONS_STORE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVANE_STAGE_DIR}/Data
  COMMAND quorvane_make_positions ${POSITIONS_SOURCE} ${POSITIONS_STORE}
  DEPENDS quorvane_make_positions ${POSITIONS_SOURCE}
  COMMENT "Writing the tutorial's positions")

# The label texts, the settings records and the profile template.
set(DATA_SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources/data)
file(GLOB DATA_SOURCES CONFIGURE_DEPENDS ${DATA_SOURCE_DIR}/*.txt)
set(DATA_FILES_STAMP ${CMAKE_BINARY_DIR}/generated_data_files.stamp)
add_custom_command(
  OUTPUT ${DATA_FILES_STAMP}
  COMMAND quorvane_make_data_files ${DATA_SOURCE_DIR} ${QUORVANE_STAGE_DIR}/Data
  COMMAND ${CMAKE_COMMAND} -E touch ${DATA_FILES_STAMP}
  DEPENDS quorvane_make_data_files ${DATA_SOURCES}
  COMMENT "Writing the shipped data files")

add_custom_target(generated_program_files DEPENDS ${PMS_STAMP} ${SOUNDS_STAMP} ${POSITIONS_STORE}
                                                  ${DATA_FILES_STAMP})
add_dependencies(stage_program_folder generated_program_files)

# The core tests check the shipped files in the staged folder.
add_dependencies(core_tests stage_program_folder)
target_compile_definitions(core_tests PRIVATE QUORVANE_STAGE_DIR="${QUORVANE_STAGE_DIR}")
target_link_libraries(core_tests PRIVATE quorvane_generators)
