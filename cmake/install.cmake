# Installation in the standard places, and the Debian package made from it with CPack
# (cmake --workflow --preset package).
include(GNUInstallDirs)

install(TARGETS pumpvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/pumpvale.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/pumpvale.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/pumpvale.metainfo.xml
        RENAME org.example.pumpvale.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pumpvale)

# The manual page and the changelog go in compressed, as Debian wants them; -n leaves out the time, so
# the same sources give the same package.
find_program(PUMPVALE_GZIP gzip REQUIRED)
set(pumpvale_compressed)
foreach(source packaging/pumpvale.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
                       COMMAND ${PUMPVALE_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${CMAKE_BINARY_DIR}/packaging/${name}.gz
                       DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
    list(APPEND pumpvale_compressed ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
endforeach()
add_custom_target(pumpvale_docs ALL DEPENDS ${pumpvale_compressed})
install(FILES ${CMAKE_BINARY_DIR}/packaging/pumpvale.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pumpvale)


# pumpvale-batch, the command-line batch, and its manual page (batch/).
install(TARGETS pumpvale-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/pumpvale-batch.1.gz
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
                   COMMAND ${PUMPVALE_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/packaging/pumpvale-batch.1 > ${CMAKE_BINARY_DIR}/packaging/pumpvale-batch.1.gz
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/pumpvale-batch.1 VERBATIM)
add_custom_target(pumpvale_batch_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/pumpvale-batch.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/pumpvale-batch.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The programs go in stripped, whatever the build: the debug information (which names the build
# folder) and the compiler's version notes have no use in an installed program.
if(CMAKE_STRIP)
    foreach(program pumpvale pumpvale-batch)
        install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-all --remove-section=.comment --remove-section=.note
                      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\" COMMAND_ERROR_IS_FATAL ANY)")
    endforeach()
endif()

# Everything the rules above install, built: tools/run.sh builds it, so that cmake --install works
# right after it.
add_custom_target(pumpvale_installable)
add_dependencies(pumpvale_installable pumpvale pumpvale-batch pumpvale_docs pumpvale_batch_docs)

set(CPACK_PACKAGE_NAME pumpvale)
set(CPACK_PACKAGE_VENDOR "The Pumpvale developers")
set(CPACK_PACKAGE_CONTACT "The Pumpvale developers <pumpvale-developers@example.org>")
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
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://pumpvale.example.org/")

include(CPack)
