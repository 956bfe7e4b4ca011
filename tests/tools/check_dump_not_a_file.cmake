# Runs the dump tool on a pipe and on a link to /dev/zero, both named as
# projects: each must end at once with the open-failure status and message.
# Usage: cmake -DDUMP=<kalteron-dump> -DDIR=<scratch folder> -P check_dump_not_a_file.cmake
file(REMOVE_RECURSE "${DIR}")
file(MAKE_DIRECTORY "${DIR}")
execute_process(COMMAND mkfifo "${DIR}/f.klt" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "mkfifo failed: ${rc}")
endif()
file(CREATE_LINK /dev/zero "${DIR}/z.klt" SYMBOLIC)
foreach(name f.klt z.klt)
  # Nobody writes into the pipe: a reader that waits for a writer is stopped here.
  execute_process(COMMAND "${DUMP}" "${DIR}/${name}" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err TIMEOUT 10)
  if(NOT rc EQUAL 1)
    message(FATAL_ERROR "kalteron-dump ${name}: ${rc}")
  endif()
  if(NOT err MATCHES "Файл не может быть открыт !")
    message(FATAL_ERROR "kalteron-dump ${name}: no open-failure message: ${err}")
  endif()
endforeach()
file(REMOVE_RECURSE "${DIR}")
