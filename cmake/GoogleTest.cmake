# GoogleTest is built from Debian's source package for each toolchain, so the
# same tests run natively and, cross-compiled, under Wine.
set(TARVEK_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${TARVEK_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# GCC 12 reports a false -Wrestrict inside GoogleTest's own sources.
target_compile_options(gtest PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
