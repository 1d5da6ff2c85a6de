# The core's layers: one object library per folder of src/, each seeing only its own and
# lower layers' headers, so an upward include fails to compile.
#
# The order is the build's: a layer may include and call every layer before it in
# RAMULO_LAYERS and none after it. Each layer compiles against a tree of its own holding
# links to exactly the folders it may include (include "graph/graph.h" resolves through
# it), so the compiler, not a review, keeps the layering. ramulo_core is made of all their
# objects and stays the one library hosts link.
set(RAMULO_LAYERS properties graph traversal views layouts persistence engine interchange
                  control)

set(RAMULO_LAYER_TREES ${CMAKE_BINARY_DIR}/layers)

# ramulo_layer(<folder> [PUBLIC_HEADERS] [LIBRARIES <external>...])
# Defines ramulo_<folder> from src/<folder>/*.cpp, linked to the layer just below it;
# PUBLIC_HEADERS lets the layer include include/ramulo/ too.
function(ramulo_layer layer)
  cmake_parse_arguments(ARG "PUBLIC_HEADERS" "" "LIBRARIES" ${ARGN})
  list(FIND RAMULO_LAYERS ${layer} position)
  if(position LESS 0)
    message(FATAL_ERROR "ramulo_layer: ${layer} is not one of RAMULO_LAYERS")
  endif()

  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(target ramulo_${layer})
  add_library(${target} OBJECT ${sources})

  # The layer's view of src/: itself and every layer below, nothing above.
  set(tree ${RAMULO_LAYER_TREES}/${layer})
  file(REMOVE_RECURSE ${tree})
  file(MAKE_DIRECTORY ${tree})
  foreach(index RANGE ${position})
    list(GET RAMULO_LAYERS ${index} visible)
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${visible} ${tree}/${visible} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PRIVATE ${tree})
  if(ARG_PUBLIC_HEADERS)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/include)
  endif()
  target_include_directories(${target} SYSTEM PUBLIC ${UTFCPP_INCLUDE_DIR})

  if(position GREATER 0)
    math(EXPR below "${position} - 1")
    list(GET RAMULO_LAYERS ${below} below_layer)
    target_link_libraries(${target} PUBLIC ramulo_${below_layer})
  endif()
  if(ARG_LIBRARIES)
    target_link_libraries(${target} PUBLIC ${ARG_LIBRARIES})
  endif()
  target_compile_features(${target} PUBLIC cxx_std_20)
  ramulo_warnings(${target})
endfunction()
