# Runs the program with no display: it must end by itself, non-zero, with one line that
# says how to run it offscreen.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${PROGRAM}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    TIMEOUT 30)
if(NOT result MATCHES "^[0-9]+$" OR result EQUAL 0)
    message(FATAL_ERROR "expected a plain non-zero exit, got '${result}'")
endif()
string(STRIP "${out}${err}" said)
if(NOT said MATCHES "QT_QPA_PLATFORM=offscreen" OR said MATCHES "\n")
    message(FATAL_ERROR "expected one line naming QT_QPA_PLATFORM=offscreen, got '${said}'")
endif()

# A display that is named but does not answer is no display either.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DISPLAY=:4711 --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${PROGRAM}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    TIMEOUT 30)
string(STRIP "${out}${err}" said)
if(NOT result MATCHES "^[0-9]+$" OR result EQUAL 0 OR NOT said MATCHES "QT_QPA_PLATFORM=offscreen"
   OR said MATCHES "\n")
    message(FATAL_ERROR "unreachable display: expected one line and a plain non-zero exit, got '${result}': '${said}'")
endif()
