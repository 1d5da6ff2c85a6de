# Installing Ramulo: libraries, headers, the Ramulo CMake package and ramulo.pc.
include(CMakePackageConfigHelpers)

set(RAMULO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Ramulo)

if(RAMULO_SHARED)
  install(TARGETS ramulo_public_core ramulo_public_widgets EXPORT RamuloTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  set(RAMULO_PC_LIBS "-lramulo_widgets")
else()
  install(TARGETS ramulo_core ramulo_qt ramulo_revision ramulo_widget EXPORT RamuloTargets
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  # The translations are an object library linked into every host of the widget library.
  if(RAMULO_WIDGET_RESOURCE_TARGETS)
    install(TARGETS ${RAMULO_WIDGET_RESOURCE_TARGETS} EXPORT RamuloTargets
            OBJECTS DESTINATION ${CMAKE_INSTALL_LIBDIR})
  endif()
  set(RAMULO_PC_LIBS "-lramulo_widget -lramulo_qt -lramulo_revision -lramulo_core")
endif()
install(EXPORT RamuloTargets NAMESPACE Ramulo:: DESTINATION ${RAMULO_CMAKE_DIR})

# The public headers need nothing of src/: they are the whole interface.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/ramulo DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${RAMULO_GENERATED_INCLUDE}/ramulo/export.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ramulo)

configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/RamuloConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/RamuloConfig.cmake
                              INSTALL_DESTINATION ${RAMULO_CMAKE_DIR})
# Before 1.0 a minor version may change the interface.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/RamuloConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/RamuloConfig.cmake ${CMAKE_BINARY_DIR}/RamuloConfigVersion.cmake
        DESTINATION ${RAMULO_CMAKE_DIR})

# The prefix as seen from the .pc file, so the installed tree can move.
file(RELATIVE_PATH RAMULO_PC_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
string(REGEX REPLACE "/$" "" RAMULO_PC_PREFIX "${RAMULO_PC_PREFIX}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/ramulo.pc.in ${CMAKE_BINARY_DIR}/ramulo.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/ramulo.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
