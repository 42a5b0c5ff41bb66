# The checks the fuzz targets run on each input, built as a library by the
# fuzz build and by the program's, whose test replays the inputs the fuzzers
# found. checked: the target that holds the program's code under the checks.
function(orbilex_add_fuzzchecks checked)
  set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  add_library(orbilex_fuzzchecks STATIC
    ${here}/checksupport.cpp
    ${here}/check_codesearch.cpp
    ${here}/check_inistore.cpp
    ${here}/check_ipaddress.cpp
    ${here}/check_locationfile.cpp
    ${here}/check_settingsstore.cpp
    ${here}/check_typeahead.cpp
  )
  target_include_directories(orbilex_fuzzchecks PUBLIC ${here})
  target_link_libraries(orbilex_fuzzchecks PUBLIC ${checked})
endfunction()
