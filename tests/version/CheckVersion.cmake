# cmake -DPROGRAM=... -DEXPECTED="name x.y.z" -P CheckVersion.cmake
execute_process(COMMAND ${PROGRAM} --version
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "${EXPECTED}\n")
  message(FATAL_ERROR "${PROGRAM} --version: status ${rc}, printed \"${out}\", expected \"${EXPECTED}\"\n${err}")
endif()

# A version that could not be written is a failure, not a silent success.
execute_process(COMMAND ${PROGRAM} --version RESULT_VARIABLE rc OUTPUT_FILE /dev/full ERROR_QUIET TIMEOUT 30)
if(rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --version into a full device: status 0")
endif()
