# The suites of the core, which need no toolkit: built and run on Linux and, cross-built, under
# Wine. `zf61_test` is the platform's own way of adding a suite.
zf61_test(model_tests
  model/NumbersTest.cpp
  model/GeometryTest.cpp
  model/DrawingStoreTest.cpp
  model/UnitGraAttTest.cpp)
target_link_libraries(model_tests PRIVATE zf61core)

zf61_test(exchange_tests
  exchange/FieldSplitterTest.cpp
  exchange/ReaderTest.cpp
  exchange/SampleFilesTest.cpp
  exchange/ReaderRobustnessTest.cpp
  exchange/WriterTest.cpp)
target_link_libraries(exchange_tests PRIVATE zf61core)

zf61_test(files_tests
  files/AtomicFileTest.cpp)
target_link_libraries(files_tests PRIVATE zf61core)

zf61_test(window_tests
  window/RunFlowTest.cpp
  window/RoomPickingTest.cpp
  window/SettingsTest.cpp
  window/NavigationTest.cpp
  window/FileFaultTest.cpp)
target_link_libraries(window_tests PRIVATE zf61core zf61rooms zf61solids)
target_include_directories(window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/window)


zf61_test(rooms_tests
  rooms/RoomsTest.cpp
  rooms/RoomsPropertyTest.cpp
  rooms/RoomsStopTest.cpp
  rooms/RoomsSharedWorkTest.cpp
  rooms/PieceGroupsTest.cpp
  rooms/PlainRooms.cpp)
target_link_libraries(rooms_tests PRIVATE zf61rooms zf61cgal)

zf61_test(metafile_tests
  metafile/MetafileSceneTest.cpp)
target_link_libraries(metafile_tests PRIVATE zf61core)

zf61_test(solids_tests
  solids/AreaSplitterTest.cpp
  solids/SolidHandBackTest.cpp)
target_link_libraries(solids_tests PRIVATE zf61solids zf61rooms)
