# The core's layers as libraries: vx_core_layers(<folder>...) makes one library per folder of
# src/, named vxcore_<folder>, in the order given, lowest first. A layer's files see their own
# folder and the folders before it in the list, and no other: its include root in the build
# tree holds a link to its own folder alone, and it links to the layer before it, whose root
# and everything below come along. A folder that does not exist is skipped, so a new layer is
# added by naming it in the list and creating the folder.
#
# Sets VXCORE_SOURCES (every layer's sources, for the instrumented copy of the core in fuzz/)
# and VXCORE_TOP (the highest layer) in the caller's scope.
function(vx_core_layers)
  # Looked at again by every build, so that a listed folder which appears later is picked up.
  file(GLOB folders CONFIGURE_DEPENDS LIST_DIRECTORIES true ${PROJECT_SOURCE_DIR}/src/*)
  set(below "")
  set(everything "")
  foreach(folder IN LISTS ARGN)
    set(dir ${PROJECT_SOURCE_DIR}/src/${folder})
    if(NOT IS_DIRECTORY ${dir})
      continue()
    endif()
    # A quoted include looks in the including file's own folder first; "../" would leave it
    # for the rest of src/. Checked whenever the build is configured.
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/*.h ${dir}/*.cpp)
    foreach(file IN LISTS files)
      file(STRINGS ${file} escapes REGEX "^[ \t]*#[ \t]*include[ \t]*\"\\.\\./")
      if(escapes)
        message(FATAL_ERROR "${file} includes a header by a path that leaves its folder: ${escapes}")
      endif()
    endforeach()

    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${dir} ${root}/${folder} SYMBOLIC)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    set(layer vxcore_${folder})
    if(sources)
      add_library(${layer} STATIC ${sources})
      set(scope PUBLIC)
    else()
      add_library(${layer} INTERFACE)  # headers only, e.g. plain value types
      set(scope INTERFACE)
    endif()
    target_include_directories(${layer} ${scope} ${root})
    if(below)
      target_link_libraries(${layer} ${scope} ${below})
    endif()
    set(below ${layer})
    list(APPEND everything ${sources})
  endforeach()
  set(VXCORE_SOURCES ${everything} PARENT_SCOPE)
  set(VXCORE_TOP ${below} PARENT_SCOPE)
endfunction()
