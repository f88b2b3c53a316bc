# Run by CPack before it builds the Debian package: writes the package's
# changelog into the staging tree. It is made here and not at configure
# time because its entry is signed by the maintainer, which a packager may
# still give to cpack (-D CPACK_DEBIAN_PACKAGE_MAINTAINER=...).
set(PROJECT_VERSION ${CPACK_PACKAGE_VERSION})
set(PILO_PACKAGE_MAINTAINER ${CPACK_DEBIAN_PACKAGE_MAINTAINER})
set(PILO_CHANGELOG_DATE ${CPACK_PILO_CHANGELOG_DATE})
set(doc ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/pilo)
configure_file(${CPACK_PILO_CHANGELOG_TEMPLATE} ${doc}/changelog @ONLY)
# Compressed at the highest level and without a time stamp, as Debian wants.
execute_process(COMMAND gzip -9nf ${doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
