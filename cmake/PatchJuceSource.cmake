# cmake -DORIGINAL=<file> -DPATCH=<file> -DOUTPUT=<file> -P PatchJuceSource.cmake
# Writes a patched copy of an installed JUCE source. JUCE's sources have CRLF
# line ends, our patches LF: the copy is made with LF first. A patch that does
# not apply exactly stops the build.
file(READ "${ORIGINAL}" text)
string(REPLACE "\r\n" "\n" text "${text}")
file(WRITE "${OUTPUT}.unpatched" "${text}")
execute_process(
    COMMAND patch --batch --forward --fuzz=0 --reject-file=- --output=${OUTPUT}.part ${OUTPUT}.unpatched ${PATCH}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
file(REMOVE "${OUTPUT}.unpatched")
if(NOT result EQUAL 0)
    file(REMOVE "${OUTPUT}.part")
    message(FATAL_ERROR "${PATCH} does not apply to ${ORIGINAL}:\n${output}")
endif()
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
