# A core library made of every .cpp file in its folder, so that files can be
# added without touching the list file.
function(keystrip_core_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC keystrip_seam ${ARG_LINKS})
endfunction()
