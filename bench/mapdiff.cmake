# The mapdiff tool, in the build's bench folder. The benchmarks time it, and a
# test holds its rows and messages to the window's, so both the benchmarks and
# the tests include this file; the first to do so makes the target. It links
# the reading halves alone: no Qt Gui, no Qt Widgets.
if(NOT TARGET mapdiff)
  add_executable(mapdiff ${CMAKE_CURRENT_LIST_DIR}/mapdiff.cpp)
  target_link_libraries(mapdiff PRIVATE support_core)
  set_target_properties(mapdiff PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endif()
