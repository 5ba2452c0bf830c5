# Runs fenwave-backup once and checks its exit code and output.
# -DTOOL=<executable> -DVERB=<show|check|""> -DFILE=<path> -DRC=<expected exit code>
# -DEXPECT=<regular expression the standard output and error together must match>
set(args)
if(VERB)
  list(APPEND args ${VERB})
endif()
if(FILE)
  list(APPEND args ${FILE})
endif()
execute_process(COMMAND ${TOOL} ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL RC)
  message(FATAL_ERROR "exit code ${rc}, expected ${RC}\nstdout: ${out}\nstderr: ${err}")
endif()
if(NOT "${out}${err}" MATCHES "${EXPECT}")
  message(FATAL_ERROR "output does not match '${EXPECT}'\nstdout: ${out}\nstderr: ${err}")
endif()
