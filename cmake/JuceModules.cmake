# The JUCE modules are compiled once per kind of binary, in a static library of
# their own with the module flags:
#  - pandrel_juce_plugin: the copy that goes into the plug-in binaries;
#  - pandrel_juce_host: the copy for tests and tools, which also hosts VST3
#    plug-ins (a plug-in binary must not carry the hosting code).
# The project's own libraries take only pandrel_juce_config (headers and module
# flags), so each final binary links exactly one compiled copy of JUCE.

set(PANDREL_JUCE_FLAGS
    JUCE_VST3_CAN_REPLACE_VST2=0
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_USE_FLAC=0
    JUCE_USE_OGGVORBIS=0
    JUCE_USE_MP3AUDIOFORMAT=0
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_MODAL_LOOPS_PERMITTED=0
    JUCE_STRICT_REFCOUNTEDPOINTER=1)

function(pandrel_add_juce_modules target)
    cmake_parse_arguments(ARG "" "" "MODULES;DEFINITIONS" ${ARGN})
    add_library(${target} STATIC)
    target_link_libraries(${target}
        PRIVATE ${ARG_MODULES}
        PUBLIC juce::pkgconfig_JUCE_IMG_LINUX_DEPS)
    target_compile_definitions(${target}
        PUBLIC ${PANDREL_JUCE_FLAGS} ${ARG_DEFINITIONS}
        INTERFACE $<TARGET_PROPERTY:${target},COMPILE_DEFINITIONS>)
    target_include_directories(${target} SYSTEM
        INTERFACE $<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>)
    set_target_properties(${target} PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        VISIBILITY_INLINES_HIDDEN ON
        CXX_VISIBILITY_PRESET hidden
        C_VISIBILITY_PRESET hidden)
endfunction()

set(PANDREL_PLUGIN_MODULES
    juce::juce_core juce::juce_events juce::juce_data_structures
    juce::juce_graphics juce::juce_gui_basics juce::juce_gui_extra
    juce::juce_audio_basics juce::juce_audio_processors)

pandrel_add_juce_modules(pandrel_juce_plugin MODULES ${PANDREL_PLUGIN_MODULES})

pandrel_add_juce_modules(pandrel_juce_host
    MODULES ${PANDREL_PLUGIN_MODULES} juce::juce_audio_formats
    DEFINITIONS JUCE_PLUGINHOST_VST3=1)

add_library(pandrel_juce_config INTERFACE)
target_compile_definitions(pandrel_juce_config INTERFACE
    $<TARGET_PROPERTY:pandrel_juce_plugin,COMPILE_DEFINITIONS>)
target_include_directories(pandrel_juce_config SYSTEM INTERFACE
    $<TARGET_PROPERTY:pandrel_juce_plugin,INCLUDE_DIRECTORIES>)

# A copy of JUCE's `source` (relative to the modules folder) in the build
# tree with the patches applied in order (none: copied as it is); its path in
# `copyVariable`. The copy is made again when anything in DEPENDS changes.
function(pandrel_copy_juce_source source copyVariable)
    cmake_parse_arguments(ARG "" "" "PATCHES;DEPENDS" ${ARGN})
    set(copy "${CMAKE_CURRENT_BINARY_DIR}/patched-juce/${source}")
    string(REPLACE ";" "|" patchList "${ARG_PATCHES}")
    add_custom_command(OUTPUT "${copy}"
        COMMAND ${CMAKE_COMMAND} "-DORIGINAL=${JUCE_MODULES_DIR}/${source}" "-DPATCHES=${patchList}" "-DOUTPUT=${copy}"
                -P ${PROJECT_SOURCE_DIR}/cmake/PatchJuceSource.cmake
        DEPENDS "${JUCE_MODULES_DIR}/${source}" ${ARG_PATCHES} ${ARG_DEPENDS} ${PROJECT_SOURCE_DIR}/cmake/PatchJuceSource.cmake
        COMMENT "Copying ${source}"
        VERBATIM)
    set(${copyVariable} "${copy}" PARENT_SCOPE)
endfunction()

# Compiles `target`'s JUCE unit `unit` from a copy of `source` in the build
# tree with the patches after it applied in order (each says why); the
# installed JUCE stays as it is. Paths are relative to the JUCE modules folder.
function(pandrel_use_patched_juce_source target unit source)
    pandrel_copy_juce_source("${source}" copy PATCHES ${ARGN})
    set_source_files_properties("${JUCE_MODULES_DIR}/${unit}" PROPERTIES HEADER_FILE_ONLY ON)
    target_sources(${target} PRIVATE "${copy}")
    # The copy's includes are relative to the original's folder.
    get_filename_component(folder "${JUCE_MODULES_DIR}/${source}" DIRECTORY)
    target_include_directories(${target} PRIVATE "${folder}")
endfunction()

# The same for a source that a JUCE unit includes rather than compiles: the
# unit is compiled from an unchanged copy beside the patched copy of the
# source, so that its include of that source finds the patched one first and
# every other include the original. The unit is marked not to be compiled in
# this folder, so every target here that compiles it is named.
# pandrel_use_patched_juce_include(unit source TARGETS target... PATCHES patch...)
function(pandrel_use_patched_juce_include unit source)
    cmake_parse_arguments(ARG "" "" "TARGETS;PATCHES" ${ARGN})
    pandrel_copy_juce_source("${source}" copy PATCHES ${ARG_PATCHES})
    pandrel_copy_juce_source("${unit}" unitCopy DEPENDS "${copy}")
    set_source_files_properties("${JUCE_MODULES_DIR}/${unit}" PROPERTIES HEADER_FILE_ONLY ON)
    set_source_files_properties("${unitCopy}" PROPERTIES OBJECT_DEPENDS "${copy}")
    get_filename_component(folder "${JUCE_MODULES_DIR}/${unit}" DIRECTORY)
    foreach(target IN LISTS ARG_TARGETS)
        target_sources(${target} PRIVATE "${unitCopy}")
        target_include_directories(${target} PRIVATE "${folder}")
    endforeach()
endfunction()

# The X11 window system asks about windows it does not own without letting an
# error reach the host's error handler.
pandrel_use_patched_juce_include(
    juce_gui_basics/juce_gui_basics.cpp
    juce_gui_basics/native/x11/juce_linux_XWindowSystem.cpp
    TARGETS pandrel_juce_plugin pandrel_juce_host
    PATCHES ${PROJECT_SOURCE_DIR}/cmake/patches/juce-x11-parent-query.patch)
target_link_libraries(pandrel_juce_plugin PUBLIC xcb ${CMAKE_DL_LIBS})
target_link_libraries(pandrel_juce_host PUBLIC xcb ${CMAKE_DL_LIBS})
