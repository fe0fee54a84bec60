# Runs the strings dump and compares its output, byte for byte, with the reviewed texts.
execute_process (COMMAND ${DUMP} OUTPUT_VARIABLE actual RESULT_VARIABLE result)

if (NOT result EQUAL 0)
    message (FATAL_ERROR "dump-strings failed: ${result}")
endif()

file (READ ${EXPECTED} expected)
string (REGEX MATCHALL "\n" lines "${actual}")
list (LENGTH lines count)

if (NOT count EQUAL 336)
    message (FATAL_ERROR "dump-strings printed ${count} lines, expected 336")
endif()

if (NOT actual STREQUAL expected)
    file (WRITE ${CMAKE_CURRENT_BINARY_DIR}/dump-strings.actual.tsv "${actual}")
    message (FATAL_ERROR "dump-strings differs from ${EXPECTED}; its output is in dump-strings.actual.tsv")
endif()
