# Timings with Google Benchmark (bench/), built by the bench preset in Release.
option(PUMPVALE_BENCH "Build the benchmarks" OFF)
if(PUMPVALE_BENCH)
    enable_testing() # their brief runs are tests, with or without the suite
    add_subdirectory(bench)
endif()
