# Precompiled headers for the slowest compiles: the test programs that link Qt or share a
# fixture header (GoogleTest, standard headers, the fixture) and the Qt targets (Qt's). Core code never gets a
# Qt header this way: only targets that link Qt receive the Qt list.
#
# With ccache, a precompiled header is only cached under
# `sloppiness = pch_defines,time_macros`; set that or configure with -DRAMULO_PCH=OFF.
option(RAMULO_PCH "Precompile GoogleTest, standard and Qt headers for the tests and Qt targets" ON)

set(RAMULO_PCH_STD <algorithm> <cmath> <cstdint> <filesystem> <fstream> <functional> <map>
                   <memory> <optional> <set> <sstream> <stdexcept> <string> <utility> <vector>)
set(RAMULO_PCH_QT <QCoreApplication> <QFile> <QFileInfo> <QString> <QStringList> <QImage>
                  <QPixmap> <QPainter> <QFontMetrics> <QWidget> <QScrollBar>)
set(RAMULO_PCH_TEST <gtest/gtest.h> <gmock/gmock.h>)

# ramulo_pch_qt(<target>): a Qt library or program precompiles Qt's headers.
function(ramulo_pch_qt target)
  if(RAMULO_PCH)
    target_precompile_headers(${target} PRIVATE ${RAMULO_PCH_STD} ${RAMULO_PCH_QT})
  endif()
endfunction()

# ramulo_pch_test(<target> <uses_qt> [<header>...]): a test program that links Qt or names
# fixture headers (which most of its files include) precompiles them with GoogleTest. The
# other test programs precompile nothing: they compile in one or two unity batches
# (tests/CMakeLists.txt), each of which parses the headers only once anyway.
function(ramulo_pch_test target uses_qt)
  if(NOT RAMULO_PCH OR (NOT uses_qt AND NOT ARGN))
    return()
  endif()
  set(qt)
  if(uses_qt)
    set(qt ${RAMULO_PCH_QT})
  endif()
  target_precompile_headers(${target} PRIVATE ${RAMULO_PCH_TEST} ${RAMULO_PCH_STD} ${qt} ${ARGN})
endfunction()

# ccache without the sloppiness above compiles every precompiled-header target anew: say so.
if(RAMULO_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
  execute_process(COMMAND ${CMAKE_CXX_COMPILER_LAUNCHER} --get-config sloppiness
                  OUTPUT_VARIABLE _sloppiness ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT _sloppiness MATCHES "pch_defines" OR NOT _sloppiness MATCHES "time_macros")
    message(STATUS "ccache caches no precompiled-header target: run "
                   "`ccache --set-config sloppiness=pch_defines,time_macros` or set RAMULO_PCH=OFF")
  endif()
endif()
