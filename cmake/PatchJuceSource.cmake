# cmake -DORIGINAL=<file> -DPATCHES=<file|file...> -DOUTPUT=<file> -P PatchJuceSource.cmake
# Writes a copy of an installed JUCE source with the patches applied in order. JUCE's sources have CRLF
# line ends, our patches LF: the copy is made with LF first. A patch that does
# not apply exactly stops the build.
file(READ "${ORIGINAL}" text)
string(REPLACE "\r\n" "\n" text "${text}")
file(WRITE "${OUTPUT}.part" "${text}")
string(REPLACE "|" ";" PATCHES "${PATCHES}")
foreach(patch IN LISTS PATCHES)
    execute_process(
        COMMAND patch --batch --forward --fuzz=0 --reject-file=- ${OUTPUT}.part ${patch}
        RESULT_VARIABLE result
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        file(REMOVE "${OUTPUT}.part")
        message(FATAL_ERROR "${patch} does not apply to ${ORIGINAL}:\n${output}")
    endif()
endforeach()
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
