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

# ramulo_include_tree(<target> <tree> <folder>...)
# Compiles <target> against ${RAMULO_LAYER_TREES}/<tree>, a tree of links to the named
# folders of src/, and against include/ (the public headers and the export macro): an
# include of any other folder of src/ does not compile.
function(ramulo_include_tree target tree_name)
  set(tree ${RAMULO_LAYER_TREES}/${tree_name})
  file(REMOVE_RECURSE ${tree})
  file(MAKE_DIRECTORY ${tree})
  foreach(folder IN LISTS ARGN)
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${tree}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PRIVATE ${tree} ${CMAKE_SOURCE_DIR}/include
                                               ${RAMULO_GENERATED_INCLUDE})
endfunction()

# ramulo_layer(<folder> [LIBRARIES <external>...])
# Defines ramulo_<folder> from src/<folder>/*.cpp, linked to the layer just below it;
# every layer sees include/ (the public headers) too.
function(ramulo_layer layer)
  cmake_parse_arguments(ARG "" "" "LIBRARIES" ${ARGN})
  list(FIND RAMULO_LAYERS ${layer} position)
  if(position LESS 0)
    message(FATAL_ERROR "ramulo_layer: ${layer} is not one of RAMULO_LAYERS")
  endif()

  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(target ramulo_${layer})
  add_library(${target} OBJECT ${sources})

  # The layer's view of src/: itself and every layer below, nothing above. The public
  # headers hold the types the interface shares with every layer (geometry, Variant,
  # AutomationError, the host seams).
  list(SUBLIST RAMULO_LAYERS 0 ${position} visible)
  ramulo_include_tree(${target} ${layer} ${visible} ${layer})
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
  ramulo_library_objects(${target})
endfunction()

# Links each layer on its own, as a shared library of its objects and those of the layers
# below it with no undefined symbol allowed, so that a call into a higher layer (a function declared
# below and defined above) fails the build as an upward include does. In sanitizer builds
# (whose runtimes only executables bring) no probe is made.
function(ramulo_layer_link_probes)
  if(RAMULO_SANITIZE OR RAMULO_FUZZ)
    return()
  endif()
  # Each probe holds its layer's objects and those of every layer below it (their symbols
  # are hidden, so a probe cannot link against the lower probes).
  set(objects)
  foreach(layer IN LISTS RAMULO_LAYERS)
    set(probe ramulo_${layer}_link_probe)
    list(APPEND objects $<TARGET_OBJECTS:ramulo_${layer}>)
    add_library(${probe} SHARED ${objects})
    target_link_libraries(${probe} PRIVATE PkgConfig::TINYXML PkgConfig::GRAPHVIZ
                                           nlohmann_json::nlohmann_json)
    target_link_options(${probe} PRIVATE -Wl,--no-undefined)
    set_target_properties(${probe} PROPERTIES AUTOMOC OFF LIBRARY_OUTPUT_DIRECTORY
                          ${CMAKE_BINARY_DIR}/layer_link_probes)
  endforeach()
endfunction()
