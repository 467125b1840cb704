# zlib comes from Debian's mingw package; minizip's sources come from Debian's
# zlib source package (scripts/bootstrap puts them in ZEPHRION_MINIZIP_SRC) and
# are compiled here, inside the build tree. Nothing third-party is committed.
find_package(ZLIB REQUIRED)

set(ZEPHRION_MINIZIP_SRC "/var/cache/zephrion-deps/minizip" CACHE PATH "minizip sources from Debian's zlib source package")
if(NOT EXISTS "${ZEPHRION_MINIZIP_SRC}/unzip.c")
  message(FATAL_ERROR "minizip sources not found in ${ZEPHRION_MINIZIP_SRC}: run scripts/bootstrap")
endif()

set(_mz "${CMAKE_BINARY_DIR}/third_party/minizip")
foreach(f unzip.c unzip.h ioapi.c ioapi.h iowin32.c iowin32.h crypt.h)
  configure_file("${ZEPHRION_MINIZIP_SRC}/${f}" "${_mz}/${f}" COPYONLY)
endforeach()
add_library(minizip STATIC "${_mz}/unzip.c" "${_mz}/ioapi.c" "${_mz}/iowin32.c")
target_include_directories(minizip SYSTEM PUBLIC "${_mz}")
target_link_libraries(minizip PUBLIC ZLIB::ZLIB)
# minizip's own code is not ours to fix; keep its warnings out of the build.
target_compile_options(minizip PRIVATE -w)

# minizip's writer, for tests that make archives at test time.
foreach(f zip.c zip.h)
  configure_file("${ZEPHRION_MINIZIP_SRC}/${f}" "${_mz}/${f}" COPYONLY)
endforeach()
add_library(minizip_zip STATIC EXCLUDE_FROM_ALL "${_mz}/zip.c")
target_link_libraries(minizip_zip PUBLIC minizip)
target_compile_options(minizip_zip PRIVATE -w)
