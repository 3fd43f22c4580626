# Installing Brivana like any desktop program, and packing it as a Debian package.
#
# The program itself runs in its working folder, which holds data.db, the export files and
# the four images. The launcher installed as `brivana` chooses that folder for the person
# (the documents folder's "Brivana"), fills in the images and starts the real program,
# which lives in libexec. Both find each other through paths relative to the launcher, so
# the installed tree works from any root.

include(GNUInstallDirs)

set(BRIVANA_ID org.brivana.Brivana)
set(BRIVANA_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/brivana)
set(BRIVANA_IMAGES_DIR ${CMAKE_INSTALL_DATADIR}/brivana/images)

install(TARGETS brivana RUNTIME DESTINATION ${BRIVANA_PROGRAM_DIR})
install(FILES
    ${CMAKE_SOURCE_DIR}/images/logo.png
    ${CMAKE_SOURCE_DIR}/images/background.png
    ${CMAKE_SOURCE_DIR}/images/Calendar-selection-day-icon.png
    ${CMAKE_SOURCE_DIR}/images/search-icon.png
    DESTINATION ${BRIVANA_IMAGES_DIR})

# The launcher, with the way from its own folder to the program and to the images.
file(RELATIVE_PATH BRIVANA_PROGRAM_FROM_BINDIR /${CMAKE_INSTALL_BINDIR} /${BRIVANA_PROGRAM_DIR}/brivana)
file(RELATIVE_PATH BRIVANA_IMAGES_FROM_BINDIR /${CMAKE_INSTALL_BINDIR} /${BRIVANA_IMAGES_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/brivana.in ${CMAKE_BINARY_DIR}/packaging/brivana @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/brivana DESTINATION ${CMAKE_INSTALL_BINDIR})

# Menu entry, icon at the usual sizes, AppStream metadata and manual page.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${BRIVANA_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/images/icon/brivana-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${BRIVANA_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/images/src/icon/brivana.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${BRIVANA_ID}.svg)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${BRIVANA_ID}.metainfo.xml
    ${CMAKE_BINARY_DIR}/packaging/${BRIVANA_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${BRIVANA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the manual page and the changelog compressed, without a time stamp.
configure_file(${CMAKE_CURRENT_LIST_DIR}/brivana.1 ${CMAKE_BINARY_DIR}/packaging/brivana.1 @ONLY)
foreach(doc brivana.1 changelog)
    set(source ${CMAKE_BINARY_DIR}/packaging/${doc})
    if(doc STREQUAL changelog)
        set(source ${CMAKE_CURRENT_LIST_DIR}/changelog)
    endif()
    execute_process(COMMAND gzip -9 -n -c ${source}
        OUTPUT_FILE ${CMAKE_BINARY_DIR}/packaging/${doc}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/brivana.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brivana)

# The Debian package: brivana_<version>_amd64.deb, its synopsis the summary and its long
# description in English and Spanish. Library dependencies are computed by
# dpkg-shlibdeps; the Qt plugins the program loads at run time (the SQLite driver, the
# window system) cannot be seen in the binary and are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brivana)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Brivana developers")
set(CPACK_PACKAGE_CONTACT "The Brivana developers <brivana@brivana.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bookkeeping for the self-employed in Spain")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://brivana.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-user-dirs, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Brivana keeps the books of a self-employed business in Spain: clients and
suppliers with their account numbers, issued and received invoices with VAT,
equivalence surcharge and income-tax withholding, other expenses and income,
the results of each quarter and month, and one file for the advisory office.
Its interface is in Spanish. The books are kept in the folder Brivana of the
user's documents folder.

Brivana lleva las cuentas de un negocio de autónomo en España: clientes y
proveedores con sus números de cuenta, facturas emitidas y recibidas con IVA,
recargo de equivalencia y retención de IRPF, otros gastos e ingresos, los
resultados de cada trimestre y de cada mes, y un archivo para la asesoría.
Las cuentas se guardan en la carpeta Brivana de la carpeta de documentos.")
include(CPack)

if(BUILD_TESTING)
    add_test(NAME package.deb COMMAND ${CMAKE_SOURCE_DIR}/tests/package/test_package.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(package.deb PROPERTIES ENVIRONMENT "TZ=UTC;LC_ALL=C.UTF-8" TIMEOUT 600)
endif()
