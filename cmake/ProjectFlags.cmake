# Flags for every target, JUCE included: the engine relies on exact float
# behaviour, so no contraction into fused multiply-adds and no fast-math, and
# the binaries must run on any x86-64, so no -march=native.
add_compile_options(-ffp-contract=off -fno-fast-math)

# The engine's vector lanes as plain arrays instead of the compiler's vector
# types (dsp/framework/VectorLanes.h): for compilers without them, and to
# check that both give the same audio.
option(PANDREL_PORTABLE_LANES "Build the engine's vector lanes as plain arrays" OFF)
if(PANDREL_PORTABLE_LANES)
    add_compile_definitions(PANDREL_PORTABLE_LANES)
endif()

# The checking build: address and undefined-behaviour sanitizers on every
# target, JUCE and the plug-ins included, so that a fault anywhere stops the
# test that reaches it.
option(PANDREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(PANDREL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        # Clang puts its runtime into programs only; the plug-in modules,
        # linked with no undefined symbols, need it as a shared library, found
        # where the compiler keeps it.
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libclang_rt.asan-x86_64.so
            OUTPUT_VARIABLE pandrel_asan_runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
        get_filename_component(pandrel_asan_runtime_dir "${pandrel_asan_runtime}" DIRECTORY)
        add_link_options(-shared-libsan "-Wl,-rpath,${pandrel_asan_runtime_dir}")
    endif()
endif()

# The thread-checking build (Clang): ThreadSanitizer on every target, with
# line tables for its reports. Clang 14's shared TSan runtime crashes at
# start-up on Debian 12, so the runtime goes statically into the programs;
# the plug-in modules they load leave its symbols undefined (-z undefs, set
# per module where the modules are known, after JUCE's --no-undefined).
option(PANDREL_SANITIZE_THREAD "Build with ThreadSanitizer" OFF)
if(PANDREL_SANITIZE_THREAD)
    add_compile_options(-fsanitize=thread -gline-tables-only)
    add_link_options(-fsanitize=thread)
endif()

# Warnings for the project's own targets only (JUCE's sources raise many).
add_library(pandrel_warnings INTERFACE)
target_compile_options(pandrel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
    -Wunused -Wformat=2 -Wimplicit-fallthrough
    $<$<BOOL:${PANDREL_WARNINGS_AS_ERRORS}>:-Werror>)

# Applies the common settings of a project library or program.
function(pandrel_configure_target target)
    target_link_libraries(${target} PRIVATE pandrel_warnings)
    set_target_properties(${target} PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        VISIBILITY_INLINES_HIDDEN ON
        CXX_VISIBILITY_PRESET hidden
        C_VISIBILITY_PRESET hidden)
endfunction()
