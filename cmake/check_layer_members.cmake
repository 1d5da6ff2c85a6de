# Fails when a layer defines a member of a class declared in a lower layer: such a member
# lets the lower layer's header promise what only a higher layer can keep.
# Run as: cmake -DSOURCE_DIR=<src> -DLAYERS=<a,b,...> -P check_layer_members.cmake
# (layers lowest first).
string(REPLACE "," ";" LAYERS "${LAYERS}")
set(lower_classes)
set(faults)
foreach(layer IN LISTS LAYERS)
  # Definitions here of members of classes declared below.
  if(lower_classes)
    list(JOIN lower_classes "|" names)
    file(GLOB sources ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(source IN LISTS sources)
      file(STRINGS ${source} lines REGEX "^[A-Za-z].*(^|[ *&:])(${names})::[~A-Za-z_][A-Za-z0-9_]*\\(")
      foreach(line IN LISTS lines)
        string(REGEX MATCH "(^|[ *&:])(${names})::[~A-Za-z_][A-Za-z0-9_]*" member "${line}")
        string(REGEX REPLACE "^[ *&:]" "" member "${member}")
        file(RELATIVE_PATH where ${SOURCE_DIR} ${source})
        list(APPEND faults "${where}: ${member}")
      endforeach()
    endforeach()
  endif()
  # Then this layer's classes join the lower ones.
  file(GLOB headers ${SOURCE_DIR}/${layer}/*.h)
  foreach(header IN LISTS headers)
    file(STRINGS ${header} lines REGEX "^ *(class|struct) +[A-Za-z_][A-Za-z0-9_]*[^;]*$")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^ *(class|struct) +([A-Za-z_][A-Za-z0-9_]*).*" "\\2" name "${line}")
      list(APPEND lower_classes ${name})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES lower_classes)
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Members defined above the layer that declares their class:\n  ${text}")
endif()
