# Proves that each layer's include tree hides the layers above it: including any header of
# a higher layer, with only the lower layer's tree on the include path, must fail.
# Run as: cmake -DCOMPILER=<c++> -DTREES=<dir> -DSOURCE_DIR=<src> -DLAYERS=<a,b,...>
#         -P check_layer_includes.cmake (layers lowest first).
string(REPLACE "," ";" LAYERS "${LAYERS}")
set(faults)
list(LENGTH LAYERS count)
math(EXPR last "${count} - 1")
set(probe ${CMAKE_CURRENT_BINARY_DIR}/layer_include_probe.cpp)
foreach(i RANGE ${last})
  list(GET LAYERS ${i} layer)
  if(NOT IS_DIRECTORY ${TREES}/${layer}/${layer})
    list(APPEND faults "${layer}: no include tree at ${TREES}/${layer}")
    continue()
  endif()
  foreach(j RANGE ${last})
    list(GET LAYERS ${j} other)
    file(GLOB headers RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${other}/*.h)
    list(GET headers 0 header)
    file(WRITE ${probe} "#include \"${header}\"\n")
    execute_process(COMMAND ${COMPILER} -std=c++20 -E -I${TREES}/${layer} ${probe}
                    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
    # Its own and lower layers' headers are found; higher ones are not.
    if(j GREATER i AND NOT failed)
      list(APPEND faults "${layer} can include ${header}")
    elseif(j LESS_EQUAL i AND failed)
      # Only the header's own include being missing counts: external ones may be absent.
      execute_process(COMMAND ${COMPILER} -std=c++20 -E -I${TREES}/${layer} ${probe}
                      ERROR_VARIABLE error OUTPUT_QUIET)
      if(error MATCHES "${header}: No such file")
        list(APPEND faults "${layer} cannot include ${header}")
      endif()
    endif()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Layer include trees do not match the layer order:\n  ${text}")
endif()
