# Runs in cpack after the files are installed into the staging folder and
# before the package is made from it.
message(STATUS "staging: ${CPACK_TEMPORARY_INSTALL_DIRECTORY} / ${CPACK_TEMPORARY_DIRECTORY}")
