# Runs one scenario with zorvi-host and compares its exit status and standard output.
get_filename_component(dir ${SCENARIO} DIRECTORY)
get_filename_component(name ${SCENARIO} NAME_WE)
# Run from the scenario's folder with a relative path, so that messages name the file plainly.
execute_process(COMMAND ${HOST} --plugin ${PLUGIN} ${name}.4dm WORKING_DIRECTORY ${dir}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(expected_status 0)
if(EXISTS ${dir}/${name}.status)
  file(STRINGS ${dir}/${name}.status expected_status LIMIT_COUNT 1)
endif()
if(NOT "${status}" STREQUAL "${expected_status}")
  message(FATAL_ERROR "${name}: exit status ${status}, expected ${expected_status}\n"
                      "stdout:\n${out}\nstderr:\n${err}")
endif()
if(EXISTS ${dir}/${name}.expected)
  file(READ ${dir}/${name}.expected expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "${name}: output differs\n--- expected\n${expected}--- got\n${out}"
                        "stderr:\n${err}")
  endif()
endif()
if(EXISTS ${dir}/${name}.stderr)
  file(READ ${dir}/${name}.stderr expected_err)
  if(NOT err STREQUAL expected_err)
    message(FATAL_ERROR "${name}: stderr differs\n--- expected\n${expected_err}--- got\n${err}")
  endif()
endif()
