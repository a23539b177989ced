# testing.cmake: how the test folders declare their tests. Included when BUILD_TESTING is on.

# Unit tests: GoogleTest, run in the test's source folder, no window; PASTURON_DATA names the
# build's data folder. They link only what
# they name after (target_link_libraries) and the headless test support.
function(pasturon_add_unit_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE pasturon_unit_main)
  gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    PROPERTIES ENVIRONMENT "ALSOFT_DRIVERS=null;PASTURON_DATA=${PASTURON_DATA_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()

# In the sanitizer build, rendered tests and the game run with Mesa's driver kept loaded and its
# own leaks suppressed (tests/lib/keep_libraries_loaded.cpp, tests/lib/mesa_leaks.supp).
set(PASTURON_TEST_PRELOAD "")
set(PASTURON_LEAK_OPTIONS "")
if(PASTURON_SANITIZE)
  add_library(pasturon_keep_loaded SHARED ${CMAKE_SOURCE_DIR}/tests/lib/keep_libraries_loaded.cpp)
  target_compile_options(pasturon_keep_loaded PRIVATE -fno-sanitize=all)
  target_link_options(pasturon_keep_loaded PRIVATE -fno-sanitize=all)
  set(PASTURON_TEST_PRELOAD $<TARGET_FILE:pasturon_keep_loaded>)
  set(PASTURON_LEAK_OPTIONS "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lib/mesa_leaks.supp")
endif()

# GoogleTest programs that need an OpenGL window: run under a private Xvfb with Mesa's
# software renderer.
function(pasturon_add_gl_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE pasturon_gl_harness pasturon_gl_main)
  set(program $<TARGET_FILE:${name}>)
  if(PASTURON_SANITIZE)
    set(program env LD_PRELOAD=${PASTURON_TEST_PRELOAD} ${program})
  endif()
  add_test(NAME ${name}
    COMMAND xvfb-run -a -s "-screen 0 1280x1024x24" ${program}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  set_tests_properties(${name} PROPERTIES LABELS gl
    ENVIRONMENT "ALSOFT_DRIVERS=null;LIBGL_ALWAYS_SOFTWARE=1;PASTURON_DATA=${PASTURON_DATA_DIR};${PASTURON_LEAK_OPTIONS}")
endfunction()

# Shell scripts that drive the real programs (end to end); PASTURON_FONT is the game's font.
function(pasturon_add_script_test name script)
  add_test(NAME ${name} COMMAND bash ${script}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  set_tests_properties(${name} PROPERTIES LABELS e2e
    ENVIRONMENT "PASTURON_BIN=$<TARGET_FILE:pasturon>;PASTURON_BUILD=${CMAKE_BINARY_DIR};PASTURON_SOURCE=${CMAKE_SOURCE_DIR};PASTURON_DATA=${PASTURON_DATA_DIR};PASTURON_FONT=${PASTURON_GAME_FONT};LIBGL_ALWAYS_SOFTWARE=1;PASTURON_PRELOAD=${PASTURON_TEST_PRELOAD};${PASTURON_LEAK_OPTIONS}")
endfunction()

# libFuzzer targets, run for a bounded time by the test command.
function(pasturon_add_fuzzer name seeds)
  if(NOT PASTURON_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_test(NAME ${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/run_fuzzer.sh $<TARGET_FILE:${name}> ${seeds}
      ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()
