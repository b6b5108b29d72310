# The installed documentation and the Debian package: `cpack -G DEB` in a
# build folder (scripts/paquete.sh) makes varlek_<version>-1_<arch>.deb.

# The release's date, as NEWS and paquete/changelog give it, for the manual pages.
set(VARLEK_FECHA 2026-12-07)
add_subdirectory(man)

set(VARLEK_DOCUMENTACION ${CMAKE_INSTALL_DATADIR}/doc/varlek)
set(VARLEK_DOC_BINARIA ${CMAKE_BINARY_DIR}/documentacion)

# Debian keeps changelogs compressed, without a time stamp in the header.
set(VARLEK_CAMBIOS)
foreach(par "NEWS;changelog.gz" "paquete/changelog;changelog.Debian.gz")
  list(GET par 0 fuente)
  list(GET par 1 nombre)
  add_custom_command(OUTPUT ${VARLEK_DOC_BINARIA}/${nombre}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VARLEK_DOC_BINARIA}
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/${fuente} > ${VARLEK_DOC_BINARIA}/${nombre}
    DEPENDS ${CMAKE_SOURCE_DIR}/${fuente})
  list(APPEND VARLEK_CAMBIOS ${VARLEK_DOC_BINARIA}/${nombre})
endforeach()
add_custom_target(varlek_cambios ALL DEPENDS ${VARLEK_CAMBIOS})

# The teacher's note (tools/guion/profesor.txt) goes with the documentation.
install(FILES README.md doc/Profesor.rtf paquete/copyright ${VARLEK_CAMBIOS} DESTINATION ${VARLEK_DOCUMENTACION})
# The lintian warnings the package explains rather than fixes.
install(FILES paquete/lintian DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME varlek)
# The structures the shipped powder samples are made from, as examples for
# varlek-muestra.
install(FILES data/cobre.cif data/halita.cif data/silicio.cif DESTINATION ${VARLEK_DOCUMENTACION}/examples)

set(CPACK_PACKAGE_NAME varlek)
set(CPACK_PACKAGE_VENDOR "Varlek")
set(CPACK_PACKAGE_CONTACT "Varlek maintainers <maintainers@users.noreply.c-seed-32f21881.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_GENERATOR DEB)
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://varlek.org/")
# The libraries come from dpkg-shlibdeps; the fonts the program maps the
# original ones to and the toolkit's Spanish translation it loads are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation2, fonts-liberation, fonts-comic-neue, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "X-ray diffraction practice with a simulated diffractometer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Varlek is a teaching program for a university laboratory practice on X-ray
diffraction. It simulates a theta-2theta diffractometer in front of a
two-dimensional crystal: the student defines the crystal, the wavelength and
the scan, and watches the diffractogram grow point by point. It includes
problem crystals with a hidden structure, three powder samples, the practice's
guide and command-line companions for teachers. The interface is in Spanish.
.
Varlek es un programa didáctico para las prácticas de laboratorio de
difracción de rayos X. Simula un difractómetro θ–2θ frente a un cristal
bidimensional: el alumno define el cristal, la longitud de onda y el barrido,
y ve crecer el difractograma punto a punto. Incluye cristales problema de
estructura oculta, tres muestras de polvo, el guión de la práctica y órdenes
para el profesor.")
include(CPack)
