# One library per source folder, and one more for its `qt/` folder. A library sees the headers of
# its own folder and of the libraries it links, nothing else: each library's headers are linked
# one by one into an include tree of its own in the build folder, and only that tree is on the
# include path of the library and of those that link it. An include against the layering (the
# engine including the computer's headers, the Qt-free part including a `qt/` header) therefore
# names a file the compiler cannot find, and the build stops there.
#
# Sources are globbed per folder, so a new file of a folder joins its library without an edit here.

set(QUORVANE_INCLUDE_TREES ${CMAKE_BINARY_DIR}/include)

# Links each header of `headers` (absolute paths under the source tree) into `tree`, keeping its
# path relative to the source tree, so that "engine/game.h" resolves inside `tree`.
function(quorvane_link_headers tree headers)
  file(REMOVE_RECURSE ${tree})
  foreach(header IN LISTS headers)
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${header})
    get_filename_component(dir ${tree}/${rel} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK ${header} ${tree}/${rel} SYMBOLIC)
  endforeach()
endfunction()

# quorvane_library(<target> <folder> [QT] [LINKS <targets>...])
#   Without QT: the files of <folder> and its subfolders outside any `qt/` folder.
#   With QT: the files under <folder>/qt, compiled with the meta-object compiler.
# A folder without sources yet (its first files still to come) gives a header-only library.
function(quorvane_library target folder)
  cmake_parse_arguments(LIB "QT" "" "LINKS" ${ARGN})
  set(root ${CMAKE_SOURCE_DIR}/${folder})
  if(LIB_QT)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${root}/qt/*.cpp)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${root}/qt/*.h)
  else()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${root}/*.cpp)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${root}/*.h)
    list(FILTER sources EXCLUDE REGEX "/qt/")
    list(FILTER headers EXCLUDE REGEX "/qt/")
  endif()
  # A program's entry point is not part of its folder's library.
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")

  set(tree ${QUORVANE_INCLUDE_TREES}/${target})
  quorvane_link_headers(${tree} "${headers}")
  if(sources)
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC ${tree})
    target_link_libraries(${target} PUBLIC ${LIB_LINKS})
    if(LIB_QT)
      set_target_properties(${target} PROPERTIES AUTOMOC ON)
    endif()
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${tree})
    target_link_libraries(${target} INTERFACE ${LIB_LINKS})
  endif()
endfunction()
