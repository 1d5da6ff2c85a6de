# The shared libraries hosts link: Ramulo::ramulo (the Qt-free core) and Ramulo::widgets
# (the core, the Qt binding, the widget and rendering in one library), made of the objects of
# the internal static libraries and exporting only what RAMULO_EXPORT marks. Without
# RAMULO_SHARED the internal static libraries themselves are installed.
if(NOT RAMULO_SHARED)
  generate_export_header(ramulo_core BASE_NAME RAMULO
                         EXPORT_FILE_NAME ${RAMULO_GENERATED_INCLUDE}/ramulo/export.h)
  return()
endif()

# ramulo_public_library(<target> <output name> <export name> <objects>...)
function(ramulo_public_library target output export_name)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output} EXPORT_NAME ${export_name}
                        VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
                        AUTOMOC OFF)
  target_include_directories(${target} INTERFACE
    $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/include> $<BUILD_INTERFACE:${RAMULO_GENERATED_INCLUDE}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_compile_features(${target} INTERFACE cxx_std_20)
  target_link_libraries(${target} PRIVATE PkgConfig::TINYXML PkgConfig::GRAPHVIZ
                                          nlohmann_json::nlohmann_json)
  # Every object it needs is inside (sanitizer runtimes come only with executables).
  if(NOT RAMULO_SANITIZE AND NOT RAMULO_FUZZ)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()

ramulo_public_library(ramulo_public_core ramulo ramulo ${RAMULO_LAYER_OBJECTS})
generate_export_header(ramulo_public_core BASE_NAME RAMULO
                       EXPORT_FILE_NAME ${RAMULO_GENERATED_INCLUDE}/ramulo/export.h)

if(TARGET ramulo_widget)
  set(objects ${RAMULO_LAYER_OBJECTS} $<TARGET_OBJECTS:ramulo_qt>
              $<TARGET_OBJECTS:ramulo_revision> $<TARGET_OBJECTS:ramulo_widget>)
  # The translations' resource objects, so their registration runs when the library loads.
  foreach(resources IN LISTS RAMULO_WIDGET_RESOURCE_TARGETS)
    list(APPEND objects $<TARGET_OBJECTS:${resources}>)
  endforeach()
  ramulo_public_library(ramulo_public_widgets ramulo_widgets widgets ${objects})
  add_dependencies(ramulo_public_widgets ramulo_widget)
  # Qt's Core, Gui and Widgets appear in the public headers; the rest is the library's own.
  target_link_libraries(ramulo_public_widgets PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets
                        PRIVATE Qt6::Svg Qt6::PrintSupport Qt6::Qml ZLIB::ZLIB)
endif()
