# Proves a shared library exports only the public interface: no symbol of the internal nx::
# code (nor of the engine, interaction or progress classes) is in its dynamic symbol table.
# Run as: cmake -DNM=<nm> -DLIBRARY=<path> -P check_exports.cmake
execute_process(COMMAND ${NM} -D --defined-only -C ${LIBRARY}
                RESULT_VARIABLE failed OUTPUT_VARIABLE table ERROR_VARIABLE error)
if(failed)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}: ${error}")
endif()
# The nx:: names the public headers declare (render.h, graph_files.h).
set(public "nx::(render(Image|Png|Svg|Pdf|File)|drawingSize|imageSize|isRenderTarget|ImageTooLarge|importGraphFile|exportGraphFile)([(:]|$)")
set(exported 0)
set(faults)
string(REPLACE "\n" ";" lines "${table}")
foreach(line IN LISTS lines)
  # "<address> <type> <name>": the name is what follows the type letter.
  if(NOT line MATCHES "^[0-9a-f]* [A-Za-z] (.*)$")
    continue()
  endif()
  set(name "${CMAKE_MATCH_1}")
  math(EXPR exported "${exported} + 1")
  # The entity a symbol belongs to, without "vtable for " and the like.
  string(REGEX REPLACE "^(vtable|typeinfo|typeinfo name|VTT|construction vtable) for " "" entity "${name}")
  if(entity MATCHES "^nx::" AND NOT entity MATCHES "^${public}")
    list(APPEND faults "${name}")
  elseif(entity MATCHES "^(ControlEngine|ControlInteraction|ProgressDialogSink|MemoryPropertyBag)[:(]")
    list(APPEND faults "${name}")
  endif()
endforeach()
if(exported EQUAL 0)
  message(FATAL_ERROR "${LIBRARY} exports nothing")
endif()
if(faults)
  list(LENGTH faults count)
  list(SUBLIST faults 0 20 shown)
  list(JOIN shown "\n  " text)
  message(FATAL_ERROR "${LIBRARY} exports ${count} internal symbols, among them:\n  ${text}")
endif()
message(STATUS "${LIBRARY}: ${exported} exported symbols, none internal")
