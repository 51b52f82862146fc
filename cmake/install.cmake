# Installation in the standard places, and the Debian package made from it with CPack
# (cmake --workflow --preset package).
include(GNUInstallDirs)

install(TARGETS pumpvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The modules the program loads when first needed (ui/CMakeLists.txt).
install(TARGETS pumpvale_results pumpvale_print LIBRARY DESTINATION ${PUMPVALE_MODULE_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/pumpvale.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/pumpvale.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME pumpvale)
set(CPACK_PACKAGE_VENDOR "The Pumpvale developers")
set(CPACK_PACKAGE_CONTACT "The Pumpvale developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "energy cost of a progressive cavity pump against an AODD pump")
set(CPACK_PACKAGE_DESCRIPTION
    "For one duty point, a fluid pressure and a flow, Pumpvale computes the annual
electricity cost of a durvane progressive cavity pump, that of the compressor
feeding a typical air operated double diaphragm pump of the inlet size chosen,
and the savings between the two.")
set(CPACK_STRIP_FILES ON)

# Debian names the file pumpvale_<version>_<architecture>.deb and works out the libraries it needs;
# the windows are drawn in DejaVu Sans, a font no library asks for.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SECTION science)

include(CPack)
