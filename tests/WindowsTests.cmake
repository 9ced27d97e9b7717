# The suites of the Windows program, cross-built and run under Wine: the core suites that need
# no toolkit, and the suite of the Windows platform and front-end. GoogleTest is built from
# Debian's sources with the cross compiler. Each suite is one CTest test (one Wine start each).
set(ZF61_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${ZF61_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-output)

function(zf61_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE gtest gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE
    ZF61_SAMPLES_DIR="${CMAKE_SOURCE_DIR}/../shared/samples/real"
    ZF61_PROJECT_SAMPLES_DIR="${CMAKE_SOURCE_DIR}/samples"
    ZF61_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
    ZF61_TEST_OUTPUT_DIR="${CMAKE_BINARY_DIR}/test-output")
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
endfunction()

include(CoreSuites.cmake)

zf61_test(win32_tests
  win32/GdiplusEnvironment.cpp
  win32/TextAndFilesTest.cpp
  win32/GdiCanvasTest.cpp
  win32/PicturesTest.cpp
  win32/RasterPicturesTest.cpp
  win32/DepthTest.cpp
  win32/FormTest.cpp
  win32/GoldenGdiTest.cpp)
target_link_libraries(win32_tests PRIVATE zf61win32shell)
