# What a Windows build made on Debian takes from the build machine: the
# header-only JSON library and GoogleTest's sources. The machine's own
# /usr/include cannot be put on the include path whole (its C library headers
# would shadow mingw-w64's), so the JSON headers are linked into a folder of
# their own.
set(ZEPHLO_HOST_INCLUDE_DIR /usr/include CACHE PATH "Where the header-only libraries are")
set(ZEPHLO_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources")

set(zephlo_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${zephlo_host_headers})
file(CREATE_LINK ${ZEPHLO_HOST_INCLUDE_DIR}/nlohmann ${zephlo_host_headers}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${zephlo_host_headers})

if(ZEPHLO_BUILD_TESTS AND NOT ZEPHLO_FUZZ)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  # Defines GTest::gtest and GTest::gtest_main as find_package(GTest) would.
  add_subdirectory(${ZEPHLO_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
