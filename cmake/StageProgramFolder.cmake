# The default program folder tree, staged beside the executables at build time. The program copies
# it into the player's writable folder on first start. Generators of shipped files (personalities,
# sounds, pictures) add themselves as dependencies of `stage_program_folder`.
set(QUORVANE_STAGE_DIR ${CMAKE_BINARY_DIR}/program)
set(QUORVANE_STAGE_SUBDIRS Data Data/PMS Sounds Avatars backgrounds Icons users)

file(GLOB_RECURSE STATIC_PROGRAM_FILES CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/resources/program/*)
set(STAGE_STAMP ${CMAKE_BINARY_DIR}/stage_static.stamp)
set(STAGE_MKDIRS)
foreach(sub IN LISTS QUORVANE_STAGE_SUBDIRS)
  list(APPEND STAGE_MKDIRS COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVANE_STAGE_DIR}/${sub})
endforeach()
add_custom_command(
  OUTPUT ${STAGE_STAMP}
  ${STAGE_MKDIRS}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/resources/program
          ${QUORVANE_STAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${STAGE_STAMP}
  DEPENDS ${STATIC_PROGRAM_FILES}
  COMMENT "Staging the program folder")
add_custom_target(stage_program_folder ALL DEPENDS ${STAGE_STAMP})
