# The Windows test programs: the settings model, the form against it, the
# frame codec and the command line alone, and the window on a COM port that
# the Wine prefix maps onto the virtual unit's pseudo-terminal on Linux.
# Built by the target windows-tests.
set(windows_tests tst_commandline tst_framecodec tst_settingsmodel tst_formproperty tst_comport)
foreach(name ${windows_tests})
  if(name STREQUAL "tst_comport")
    add_executable(${name} windows/${name}.cpp)
  else()
    add_executable(${name} ${name}.cpp)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support)
  target_link_libraries(${name} PRIVATE kv3318window Qt6::Test)
endforeach()
add_custom_target(windows-tests DEPENDS ${windows_tests})
