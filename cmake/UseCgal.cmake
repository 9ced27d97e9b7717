# CGAL for the libraries of the program and the tests that check them: `zf61cgal`, linked
# privately. On Linux CGAL uses GMP; the Windows build takes the same header-only CGAL and Boost
# from the build machine and exact numbers from Boost.Multiprecision, as GMP is not there for
# mingw.
include_guard(GLOBAL)

add_library(zf61cgal INTERFACE)
if(WIN32)
  # Only CGAL's and Boost's folders, not all of the build machine's headers.
  set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
  file(MAKE_DIRECTORY ${host_headers})
  foreach(library CGAL boost)
    if(NOT EXISTS ${host_headers}/${library})
      file(CREATE_LINK /usr/include/${library} ${host_headers}/${library} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(zf61cgal SYSTEM INTERFACE ${host_headers})
  target_compile_definitions(zf61cgal INTERFACE CGAL_DISABLE_GMP=1 CGAL_DISABLE_MPFR=1)
else()
  find_package(CGAL REQUIRED)
  target_link_libraries(zf61cgal INTERFACE CGAL::CGAL)
endif()
if(ZF61_SANITIZE OR ZF61_FUZZ)
  # CGAL's face lists reach their faces by a static downcast from the list's node type, which
  # the sanitizer's type check reports although the object is the face; address checks stay.
  target_compile_options(zf61cgal INTERFACE -fno-sanitize=vptr)
endif()
