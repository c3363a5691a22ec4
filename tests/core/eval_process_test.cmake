# Runs qalcor-eval as a process: a few lines in, the exact lines out, and the exit codes.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/eval_input.txt "1+2\nANS*2\nvar_r+1\nlog(8)\n")
execute_process(COMMAND ${EVAL} --var r=2.5
    INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/eval_input.txt
    OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "3\n6\n3.5\nError\n")
    message(FATAL_ERROR "unexpected output (${rc}): [${out}]")
endif()
execute_process(COMMAND ${EVAL} --var a=1 --var A=2 OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR err STREQUAL "")
    message(FATAL_ERROR "duplicate name should exit 2 with a message, got ${rc}: ${err}")
endif()
execute_process(COMMAND ${EVAL} --help OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Usage")
    message(FATAL_ERROR "--help failed")
endif()
