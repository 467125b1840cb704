# Every test binary runs under Wine through cmake/wine-run, inside one session
# per test run: the wine_session_start test makes a fresh prefix and display,
# wine_session_stop ends them. Tests take the "wine" fixture, so ctest -j2 and
# ctest -R run the session steps as needed.
set(ZEPHRION_WINE_SESSION "${CMAKE_BINARY_DIR}/wine-session")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/cmake/wine-run;${ZEPHRION_WINE_SESSION}")

add_test(NAME wine_session_start
         COMMAND "${CMAKE_SOURCE_DIR}/scripts/wine-session" start "${ZEPHRION_WINE_SESSION}" "${ZEPHRION_ARCH}")
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
add_test(NAME wine_session_stop
         COMMAND "${CMAKE_SOURCE_DIR}/scripts/wine-session" stop "${ZEPHRION_WINE_SESSION}")
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)

# zephrion_add_wine_test(<target> [TIMEOUT s] [LOCKS res...])
function(zephrion_add_wine_test target)
  cmake_parse_arguments(arg "" "TIMEOUT" "LOCKS" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT ${arg_TIMEOUT})
  if(arg_LOCKS)
    set_tests_properties(${target} PROPERTIES RESOURCE_LOCK "${arg_LOCKS}")
  endif()
endfunction()

# zephrion_test_binary(<name> SOURCES files... [LIBS libs...] [TIMEOUT s] [LOCKS res...])
# A GoogleTest binary with the shared test main, run under Wine as one test.
function(zephrion_test_binary name)
  cmake_parse_arguments(arg "" "TIMEOUT" "SOURCES;LIBS;LOCKS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_compile_options(${name} PRIVATE ${ZEPHRION_WARNINGS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/resources)
  target_link_libraries(${name} PRIVATE zp_test_support GTest::gmock ${arg_LIBS})
  set(extra)
  if(arg_TIMEOUT)
    list(APPEND extra TIMEOUT ${arg_TIMEOUT})
  endif()
  if(arg_LOCKS)
    list(APPEND extra LOCKS ${arg_LOCKS})
  endif()
  zephrion_add_wine_test(${name} ${extra})
endfunction()
