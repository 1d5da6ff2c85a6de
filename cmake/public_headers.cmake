# Proves the public headers stand alone: each is compiled on its own (twice, for its include
# guard) with only include/, the generated export header and Qt on the include path, so a
# public header that reaches into src/ fails the build and its test.
file(GLOB RAMULO_PUBLIC_HEADERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/include/ramulo/*.h)
set(RAMULO_PUBLIC_HEADER_PROBES)
foreach(header IN LISTS RAMULO_PUBLIC_HEADERS)
  get_filename_component(name ${header} NAME_WE)
  set(probe ${CMAKE_BINARY_DIR}/public_header_probes/${name}.cpp)
  set(text "#include \"ramulo/${name}.h\"\n#include \"ramulo/${name}.h\"\n")
  # Rewritten only when it changes, so a configure does not recompile the probes.
  if(EXISTS ${probe})
    file(READ ${probe} old)
  else()
    set(old "")
  endif()
  if(NOT old STREQUAL text)
    file(WRITE ${probe} "${text}")
  endif()
  list(APPEND RAMULO_PUBLIC_HEADER_PROBES ${probe})
endforeach()

add_library(ramulo_public_headers OBJECT ${RAMULO_PUBLIC_HEADER_PROBES})
target_include_directories(ramulo_public_headers PRIVATE ${CMAKE_SOURCE_DIR}/include
                                                         ${RAMULO_GENERATED_INCLUDE})
# Qt's include folders only: linking an object library compiles, it links nothing.
target_link_libraries(ramulo_public_headers PRIVATE Qt6::Core Qt6::Gui Qt6::Widgets)
target_compile_features(ramulo_public_headers PRIVATE cxx_std_20)
set_target_properties(ramulo_public_headers PROPERTIES AUTOMOC OFF)
ramulo_warnings(ramulo_public_headers)

if(RAMULO_BUILD_TESTS)
  add_test(NAME public_headers_stand_alone
           COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target ramulo_public_headers)
endif()

# The shared libraries export no internal symbol.
if(RAMULO_BUILD_TESTS)
  foreach(library IN ITEMS ramulo_public_core ramulo_public_widgets)
    if(TARGET ${library})
      add_test(NAME ${library}_exports_only_the_interface
               COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DLIBRARY=$<TARGET_FILE:${library}>
                       -P ${CMAKE_SOURCE_DIR}/cmake/check_exports.cmake)
    endif()
  endforeach()
endif()
