# Runs one scenario with zorvi-host and compares its exit status and standard output. A scenario
# is a method file NAME.4dm with NAME.expected (.status, .stderr, .args) beside it, or a database
# folder with expected.txt (status.txt, stderr.txt, args.txt) inside it. The arguments file holds
# options for zorvi-host, separated by spaces.
if(IS_DIRECTORY ${SCENARIO})
  set(dir ${SCENARIO})
  set(target .)
  set(expected_file ${dir}/expected.txt)
  set(status_file ${dir}/status.txt)
  set(stderr_file ${dir}/stderr.txt)
  set(args_file ${dir}/args.txt)
else()
  get_filename_component(dir ${SCENARIO} DIRECTORY)
  get_filename_component(name ${SCENARIO} NAME_WE)
  set(target ${name}.4dm)
  set(expected_file ${dir}/${name}.expected)
  set(status_file ${dir}/${name}.status)
  set(stderr_file ${dir}/${name}.stderr)
  set(args_file ${dir}/${name}.args)
endif()
set(host_args)
if(EXISTS ${args_file})
  file(STRINGS ${args_file} host_args LIMIT_COUNT 1)
  separate_arguments(host_args UNIX_COMMAND "${host_args}")
endif()
get_filename_component(name ${SCENARIO} NAME_WE)
# Run from the scenario's folder with a relative path, so that messages name the file plainly.
# EMULATOR runs a cross-built host (Wine for the Windows builds); empty otherwise.
execute_process(COMMAND ${EMULATOR} ${HOST} --plugin ${PLUGIN} ${host_args} ${target} WORKING_DIRECTORY ${dir}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(expected_status 0)
if(EXISTS ${status_file})
  file(STRINGS ${status_file} expected_status LIMIT_COUNT 1)
endif()
if(NOT "${status}" STREQUAL "${expected_status}")
  message(FATAL_ERROR "${name}: exit status ${status}, expected ${expected_status}\n"
                      "stdout:\n${out}\nstderr:\n${err}")
endif()
if(EXISTS ${expected_file})
  file(READ ${expected_file} expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "${name}: output differs\n--- expected\n${expected}--- got\n${out}"
                        "stderr:\n${err}")
  endif()
endif()
# Standard error begins with the expected text: a sanitizer build may add its summary after it.
if(EXISTS ${stderr_file})
  file(READ ${stderr_file} expected_err)
  string(LENGTH "${expected_err}" expected_length)
  string(SUBSTRING "${err}" 0 ${expected_length} err)
  if(NOT err STREQUAL expected_err)
    message(FATAL_ERROR "${name}: stderr differs\n--- expected\n${expected_err}--- got\n${err}")
  endif()
endif()
