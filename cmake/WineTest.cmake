# Windows tests: GoogleTest built from Debian's sources for mingw, one CTest test
# per test executable (starting Wine costs seconds), all sharing the build
# folder's prefix and a persistent wineserver set up by a fixture.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(PANEL_SCRIPTS ${PROJECT_SOURCE_DIR}/scripts)
# The COM port the simulated relay unit is mapped to in the test prefix.
set(PANEL_RELAY_TEST_PORT 5)

add_test(NAME wine_up COMMAND ${PANEL_SCRIPTS}/wine-up.sh ${CMAKE_BINARY_DIR})
set_tests_properties(wine_up PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
add_test(NAME wine_down COMMAND ${PANEL_SCRIPTS}/wine-down.sh ${CMAKE_BINARY_DIR})
set_tests_properties(wine_down PROPERTIES FIXTURES_CLEANUP wine)

# add_wine_test(name [NO_MANIFEST] SOURCES ... LIBS ...)
# Test programs carry the program's manifest, so they drive the same controls.
function(add_wine_test name)
  cmake_parse_arguments(T "NO_MANIFEST" "" "SOURCES;LIBS" ${ARGN})
  if(T_NO_MANIFEST)
    add_executable(${name} ${T_SOURCES})
  else()
    add_executable(${name} ${T_SOURCES} $<TARGET_OBJECTS:app_manifest>)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME wine_${name} COMMAND ${name})
  set_tests_properties(wine_${name} PROPERTIES
    FIXTURES_REQUIRED wine
    RESOURCE_LOCK wineprefix
    TIMEOUT 300
    ENVIRONMENT "PANEL_BUILD_DIR=${CMAKE_BINARY_DIR};PANEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
