# Read by CPack once for each generator: the setup program's file name.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "Vardek-${CPACK_PACKAGE_VERSION}-setup")
endif()
