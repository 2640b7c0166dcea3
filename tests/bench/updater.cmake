# A timing program, not a test: ctest does not run it (it takes about 40 s of
# the protocol's own waits). Run build/tests/updater_bench/updater_benchmark.
add_executable(updater_benchmark UpdateBenchmark.cpp)
target_link_libraries(updater_benchmark PRIVATE solune::bootloader solune::simulator)
