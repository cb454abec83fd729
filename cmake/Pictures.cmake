# The pictures the program ships (backgrounds, avatars, end-of-game show frames) are drawn by
# make_pictures into the staged program folder.
add_executable(make_pictures resources/tools/make_pictures.cpp)
target_link_libraries(make_pictures PRIVATE quorvane_shell)

set(PICTURES_STAMP ${CMAKE_BINARY_DIR}/stage_pictures.stamp)
add_custom_command(
  OUTPUT ${PICTURES_STAMP}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make_pictures>
          ${QUORVANE_STAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${PICTURES_STAMP}
  DEPENDS make_pictures
  COMMENT "Drawing the shipped pictures")
add_custom_target(stage_pictures ALL DEPENDS ${PICTURES_STAMP})
add_dependencies(stage_pictures stage_program_folder)
add_dependencies(quorvane stage_pictures)
