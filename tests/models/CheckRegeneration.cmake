# Runs the table generator into WORK_DIR and fails unless it reproduces each
# committed table (TABLES, comma-separated) byte for byte.
cmake_policy(VERSION 3.25)
string(REPLACE "," ";" tables "${TABLES}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(outputs "")
foreach(table ${tables})
  get_filename_component(name "${table}" NAME)
  list(APPEND outputs "${WORK_DIR}/${name}")
endforeach()
execute_process(COMMAND ${EMULATOR} ${GENERATOR} ${outputs} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${result}")
endif()
foreach(table ${tables})
  get_filename_component(name "${table}" NAME)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${table}" "${WORK_DIR}/${name}"
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${table} is not what the generator writes (${WORK_DIR}/${name}); "
                        "regenerate it with the target regenerate_response_tables")
  endif()
endforeach()
