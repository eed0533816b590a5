# Runs keystrip-check once and compares its exit status, standard output and
# standard error byte for byte with what is expected.
#   TOOL, WORKDIR, ARGS (arguments separated by "|"), EXIT
#   STDOUT_FILE (a file of the expected output) or STDOUT (text; "" when neither)
#   STDERR (text; "" when not given) or STDERR_PREFIX (the text begins with it)
#   STDIN_FILE (a file given as standard input; optional)
string(REPLACE "|" ";" arguments "${ARGS}")
set(input "")
if(DEFINED STDIN_FILE)
  set(input INPUT_FILE ${STDIN_FILE})
endif()
execute_process(
  COMMAND ${TOOL} ${arguments}
  ${input}
  WORKING_DIRECTORY ${WORKDIR}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)

if(DEFINED STDOUT_FILE)
  file(READ ${STDOUT_FILE} expected_out)
else()
  set(expected_out "${STDOUT}")
endif()

set(failures "")
if(NOT status STREQUAL EXIT)
  string(APPEND failures "exit status ${status}, expected ${EXIT}\n")
endif()
if(NOT out STREQUAL expected_out)
  string(APPEND failures "standard output:\n${out}\nexpected:\n${expected_out}\n")
endif()
if(DEFINED STDERR_PREFIX)
  string(LENGTH "${STDERR_PREFIX}" prefix_length)
  string(SUBSTRING "${err}" 0 ${prefix_length} err_start)
  if(NOT err_start STREQUAL STDERR_PREFIX)
    string(APPEND failures "standard error:\n${err}\nexpected to begin with:\n${STDERR_PREFIX}\n")
  endif()
elseif(NOT err STREQUAL "${STDERR}")
  string(APPEND failures "standard error:\n${err}\nexpected:\n${STDERR}\n")
endif()
if(failures)
  message(FATAL_ERROR "keystrip-check ${arguments}\n${failures}")
endif()
