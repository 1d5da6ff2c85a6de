# Installs the build into a scratch prefix, then builds the minimal host against it twice,
# through find_package(Ramulo) and through ramulo.pc, and a host of the Qt-free core alone,
# and runs them.
# Arguments: BUILD_DIR, EXAMPLE_DIR, CORE_HOST_DIR, WORK_DIR, GENERATOR, CXX, LAUNCHER (may be empty),
# LIBDIR (the install's library folder), SANITIZE (the sanitizers the libraries were built
# with, may be empty: their hosts must link the sanitizer runtimes too).
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    string(JOIN " " command ${ARGN})
    message(FATAL_ERROR "${command} failed (${result}):\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

function(expect_outputs dir)
  foreach(file tree.png tree.nxx)
    if(NOT EXISTS ${dir}/${file})
      message(FATAL_ERROR "the minimal host wrote no ${dir}/${file}")
    endif()
  endforeach()
  file(READ ${dir}/tree.png magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "89504e47")
    message(FATAL_ERROR "${dir}/tree.png is not a PNG file")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(ENV{QT_QPA_PLATFORM} offscreen)
set(configure ${CMAKE_COMMAND} -S ${EXAMPLE_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=Release)
if(LAUNCHER)
  list(APPEND configure -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
set(sanitize_flags "")
if(SANITIZE)
  set(sanitize_flags -fsanitize=${SANITIZE})
  list(APPEND configure -DCMAKE_CXX_FLAGS=${sanitize_flags} -DCMAKE_EXE_LINKER_FLAGS=${sanitize_flags})
endif()
run(${configure})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)

# The core alone: it builds and links without Qt.
string(REPLACE "-S;${EXAMPLE_DIR};-B;${WORK_DIR}/build" "-S;${CORE_HOST_DIR};-B;${WORK_DIR}/core"
       configure_core "${configure}")
run(${configure_core})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/core)
run(${WORK_DIR}/core/core_host)
if(NOT run_output STREQUAL "There is no document to export\n")
  message(FATAL_ERROR "unexpected output of the core host: ${run_output}")
endif()

file(MAKE_DIRECTORY ${WORK_DIR}/out)
run(${WORK_DIR}/build/minimal_host ${WORK_DIR}/out)
if(NOT run_output MATCHES "^7 vertices, 6 edges")
  message(FATAL_ERROR "unexpected output of the minimal host: ${run_output}")
endif()
expect_outputs(${WORK_DIR}/out)

# The same program through pkg-config alone.
find_program(PKG_CONFIG pkg-config REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
run(${PKG_CONFIG} --cflags --libs ramulo)
separate_arguments(flags UNIX_COMMAND "${run_output}")
run(${CXX} -std=c++20 -fPIC ${sanitize_flags} ${EXAMPLE_DIR}/main.cpp -o ${WORK_DIR}/minimal_host_pc ${flags})
file(MAKE_DIRECTORY ${WORK_DIR}/out_pc)
# pkg-config gives no run path: shared libraries of a private prefix are found this way.
set(ENV{LD_LIBRARY_PATH} ${prefix}/${LIBDIR})
run(${WORK_DIR}/minimal_host_pc ${WORK_DIR}/out_pc)
expect_outputs(${WORK_DIR}/out_pc)
