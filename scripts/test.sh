#!/usr/bin/env bash
# Builds everything with g++ and runs every test through ctest; then builds it
# all a second time with Clang and the address and undefined-behaviour
# sanitizers, in a folder of its own, and runs the tests again there; then,
# in a third folder, only the programs that run threads at once, with Clang's
# ThreadSanitizer. Arguments go to every ctest run; a -LE of the caller's is
# added to the labels each run leaves out.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"

sanitize_dir="${PANDREL_SANITIZE_BUILD_DIR:-$repo_root/build-sanitize}"
thread_dir="${PANDREL_THREAD_BUILD_DIR:-$repo_root/build-tsan}"

# Tests labelled fuzz throw random input at the code; they are meant for the
# sanitizer build, where a fault they reach stops them. The ardour test is not
# run there: ardour cannot load a plug-in built against the sanitizer runtime.
# The stress test (every thread at once, half a minute) is for the
# ThreadSanitizer build only. The long ardour test (label ardour-long) runs
# only when asked for (README).
normal_exclude="fuzz|stress|ardour-long"
sanitize_exclude="ardour|stress"
thread_exclude="fuzz|ardour"
args=()
while (($# > 0)); do
    case "$1" in
        -LE | --label-exclude)
            normal_exclude+="|$2"
            sanitize_exclude+="|$2"
            thread_exclude+="|$2"
            shift 2
            ;;
        *)
            args+=("$1")
            shift
            ;;
    esac
done

bash "$repo_root/scripts/setup-debian.sh"
configure -DPANDREL_BUILD_TESTS=ON
cmake --build "$build_dir" -j "$jobs"

# Editor and menu tests need a display: give them a virtual one.
run_tests() {
    (cd "$1" && xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --output-on-failure -j "$jobs" --timeout 900 -LE "$2" "${@:3}" ${args[@]+"${args[@]}"})
}
run_tests "$build_dir" "$normal_exclude"

# Built with Clang, so that every run holds the code to both compilers'
# warnings (Debian 12's clang-14; its sanitizer runtime is libclang-rt-14-dev).
build_dir="$sanitize_dir" configure -DPANDREL_BUILD_TESTS=ON -DPANDREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build "$sanitize_dir" -j "$jobs"

# Leaks are checked too: no test program, the GUI ones included, reports
# one (each test program's main shuts JUCE down).
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_tests "$sanitize_dir" "$sanitize_exclude"

# ThreadSanitizer: the processor, editor and plug-in host tests and the stress
# test, which run the audio, host and message threads at once. Only what they
# need is built; any report fails the program that reached it.
build_dir="$thread_dir" configure -DPANDREL_BUILD_TESTS=ON -DPANDREL_SANITIZE_THREAD=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build "$thread_dir" -j "$jobs" --target processor_tests editor_tests host_tests thread_stress_tests
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
run_tests "$thread_dir" "$thread_exclude" -L "^(processor|editor|host|stress)$"
