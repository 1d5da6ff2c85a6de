# Checks the revision capture: outside a checkout (here a folder inside this one that is not
# its root) it says so; in this checkout, when it is one, it finds a revision and a date.
set(outside "${WORK_DIR}/not-a-checkout")
file(MAKE_DIRECTORY "${outside}")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${outside} -DOUTPUT=${WORK_DIR}/outside.h
                        -P ${SCRIPT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the capture failed outside a checkout")
endif()
file(READ "${WORK_DIR}/outside.h" text)
foreach(expected "#define RAMULO_REVISION_VERSIONED 0"
                 "#define RAMULO_REVISION_REVISION_TEXT \"unknown\""
                 "#define RAMULO_REVISION_LAST_CHANGE_DATE \"unknown (no date, built outside a git checkout)\"")
  string(FIND "${text}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "outside a checkout, missing: ${expected}\n${text}")
  endif()
endforeach()

if(EXISTS "${SOURCE_DIR}/.git")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SOURCE_DIR} -DOUTPUT=${WORK_DIR}/inside.h
                          -P ${SCRIPT} RESULT_VARIABLE rc)
  file(READ "${WORK_DIR}/inside.h" text)
  if(NOT rc EQUAL 0 OR NOT text MATCHES "VERSIONED 1" OR
     NOT text MATCHES "LAST_CHANGE_DATE \"[0-9-]+ [0-9:]+ \\+0000 \\([A-Z][a-z][a-z], [0-9][0-9] [A-Z][a-z][a-z] [0-9]+\\)\"")
    message(FATAL_ERROR "in the checkout, no revision or date:\n${text}")
  endif()
endif()
