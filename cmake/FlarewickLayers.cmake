# fw_layer(NAME DIRS [NOROOT] [INCLUDE dirs...] [EXCLUDE files...] [LIBS libs...])
# NOROOT leaves the repository root off the include path (the engine layer
# sees only its own headers).
# Builds one static library from every source under DIRS. The sources are
# globbed so that new files join their layer without editing this file; a
# layer with no sources yet becomes an interface library.
function(fw_layer name dirs)
  cmake_parse_arguments(L "NOROOT" "" "INCLUDE;EXCLUDE;LIBS" ${ARGN})
  set(sources "")
  foreach(dir ${dirs})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.c)
    list(APPEND sources ${found})
  endforeach()
  foreach(ex ${L_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${ex})
  endforeach()
  set(incs ${L_INCLUDE})
  if(NOT L_NOROOT)
    list(PREPEND incs ${CMAKE_SOURCE_DIR})
  endif()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${incs})
    target_link_libraries(${name} PUBLIC ${L_LIBS})
    target_compile_options(${name} PRIVATE ${FW_WARNINGS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${incs})
    target_link_libraries(${name} INTERFACE ${L_LIBS})
  endif()
endfunction()
