include(GoogleTest)

# Registers a GoogleTest program. Natively every test case becomes its own
# ctest test. Under Wine each start costs a noticeable fraction of a second,
# so a cross-built program runs as one ctest test; they all share one Wine
# desktop (clipboard, window list) and therefore never run side by side.
function(tarvek_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES RESOURCE_LOCK wine_desktop TIMEOUT 900)
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
