# The Windows test programs: the settings model, the frame codec and the
# command line alone, and the window on a COM port that the Wine prefix maps
# onto the virtual unit's pseudo-terminal on Linux. Built by the target
# windows-tests.
add_library(kv3318windowstestsupport STATIC support/formcase.h support/formcase.cpp
  support/records.h)
target_include_directories(kv3318windowstestsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/support)
target_link_libraries(kv3318windowstestsupport PUBLIC kv3318window Qt6::Test)

set(windows_tests tst_commandline tst_framecodec tst_settingsmodel tst_formfixture tst_comport)
foreach(name ${windows_tests})
  if(name STREQUAL "tst_comport")
    add_executable(${name} windows/${name}.cpp)
  else()
    add_executable(${name} ${name}.cpp)
  endif()
  target_link_libraries(${name} PRIVATE kv3318windowstestsupport kv3318window Qt6::Test)
endforeach()
add_custom_target(windows-tests DEPENDS ${windows_tests})

# Z: is the Linux root in every Wine prefix, and Qt takes '/' on Windows too.
target_compile_definitions(tst_formfixture PRIVATE
  KV3318_FORM_FIXTURE="Z:${PROJECT_SOURCE_DIR}/tests/fixtures/form.txt")
target_compile_definitions(tst_settingsmodel PRIVATE
  KV3318_FORM_UI="Z:${PROJECT_SOURCE_DIR}/src/form/mainwindow.ui")
