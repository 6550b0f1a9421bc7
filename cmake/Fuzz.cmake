# libFuzzer targets (-DVENTRA_FUZZ=ON, clang only). The whole build is instrumented for coverage
# and sanitizers, so the fuzzers see into the libraries they drive. Each fuzzer is also a CTest
# test that runs for VENTRA_FUZZ_SECONDS from its seed corpus; new inputs go to the build folder.
if(NOT VENTRA_FUZZ)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VENTRA_FUZZ needs clang: configure with CC=clang CXX=clang++")
endif()

set(VENTRA_FUZZ_SECONDS 60 CACHE STRING "How long each fuzzer runs as a test")
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
add_link_options(-fsanitize=address,undefined)
add_custom_target(fuzzers)

# ventra_add_fuzzer(NAME SOURCES src... LIBRARIES lib... CORPUS dir)
function(ventra_add_fuzzer name)
  cmake_parse_arguments(FUZZ "" "CORPUS" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${FUZZ_SOURCES})
  target_link_libraries(${name} PRIVATE ${FUZZ_LIBRARIES})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${name})
  set(found ${CMAKE_CURRENT_BINARY_DIR}/${name}-found)
  add_test(NAME fuzz.${name}
           COMMAND sh -c "mkdir -p '${found}' && exec \"$0\" \"$@\"" $<TARGET_FILE:${name}>
                   -max_total_time=${VENTRA_FUZZ_SECONDS} -rss_limit_mb=2048 -print_final_stats=1
                   ${found} ${FUZZ_CORPUS})
endfunction()
