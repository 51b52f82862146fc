# libFuzzer targets of the core (fuzz/). libFuzzer comes with clang, so the fuzz preset builds them with
# clang++, the core library alone, and the sanitizers.
option(PUMPVALE_FUZZ "Build the libFuzzer targets (clang only)" OFF)
set(PUMPVALE_FUZZ_SECONDS 20 CACHE STRING "How long each fuzzer runs as a test")
if(PUMPVALE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "PUMPVALE_FUZZ needs clang++, whose runtime holds libFuzzer: use the fuzz preset.")
    endif()
    enable_testing() # their brief runs are tests, with or without the suite
    add_subdirectory(fuzz)
endif()
