# The pictures the program ships (backgrounds, avatars, end-of-game show frames) are drawn by
# make_pictures into the staged program folder.
add_executable(make_pictures resources/tools/make_pictures.cpp)
target_link_libraries(make_pictures PRIVATE board_qt)

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

# The chat's emoticons, drawn by make_emoticons into the staged Icons/ folder as GIF pictures.
add_executable(make_emoticons resources/tools/make_emoticons.cpp)
target_link_libraries(make_emoticons PRIVATE net_qt)
set(EMOTICONS_STAMP ${CMAKE_BINARY_DIR}/stage_emoticons.stamp)
add_custom_command(
  OUTPUT ${EMOTICONS_STAMP}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make_emoticons>
          ${QUORVANE_STAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${EMOTICONS_STAMP}
  DEPENDS make_emoticons
  COMMENT "Drawing the chat's emoticons")
add_custom_target(stage_emoticons ALL DEPENDS ${EMOTICONS_STAMP})
add_dependencies(stage_emoticons stage_program_folder)
add_dependencies(quorvane stage_emoticons)
