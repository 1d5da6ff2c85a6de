# Proves that the Qt libraries' include trees (cmake/layers.cmake) reach what each needs and
# nothing above it: every case names a tree, a header under src/ and whether it must be found.
# Run as: cmake -DCOMPILER=<c++> -DTREES=<dir> -DCASES=<tree:header:found|hidden,...>
#         -P check_tree_includes.cmake
string(REPLACE "," ";" CASES "${CASES}")
set(faults)
set(probe ${CMAKE_CURRENT_BINARY_DIR}/tree_include_probe.cpp)
foreach(case IN LISTS CASES)
  string(REPLACE ":" ";" parts "${case}")
  list(GET parts 0 tree)
  list(GET parts 1 header)
  list(GET parts 2 expected)
  if(NOT IS_DIRECTORY ${TREES}/${tree})
    list(APPEND faults "${tree}: no include tree at ${TREES}/${tree}")
    continue()
  endif()
  file(WRITE ${probe} "#include \"${header}\"\n")
  execute_process(COMMAND ${COMPILER} -std=c++20 -E -I${TREES}/${tree} ${probe}
                  ERROR_VARIABLE error OUTPUT_QUIET)
  # Only the header's own include being missing counts: external ones (Qt) may be absent.
  if(error MATCHES "${header}: No such file")
    if(expected STREQUAL "found")
      list(APPEND faults "${tree} cannot include ${header}")
    endif()
  elseif(expected STREQUAL "hidden")
    list(APPEND faults "${tree} can include ${header}")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Include trees do not match the library order:\n  ${text}")
endif()
