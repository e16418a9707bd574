# What `cmake --install` puts where, and the Debian package CPack makes of it
# (scripts/paket.sh). The build folder's own layout, where every program and the
# drawing module sit in build/bin, is left as it is.
include(GNUInstallDirs)

set(KAVRION_KIMLIK org.kavrion.Kavrion)
# The project's web address, under which docs/ is published: the metainfo's home page
# and screenshots point there.
set(KAVRION_ADRES "https://kavrion.org/" CACHE STRING "The project's web address, ending in /")
set(KAVRION_BAKIM "Kavrion geliştiricileri <gelistirici@kavrion.org>" CACHE STRING "Package maintainer")

install(TARGETS kavrion kavrion-rapor kavrion-aktar veritabani-olustur
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# kavrion-rapor looks for its drawing module beside itself, then here, by a path
# relative to its own folder. A private folder under the multiarch library folder, as
# Debian keeps a program's own modules; ldconfig has no business there.
set(KAVRION_MODUL_YERI lib/${CMAKE_LIBRARY_ARCHITECTURE}/kavrion)
install(TARGETS kavrion-rapor-cizim LIBRARY DESTINATION ${KAVRION_MODUL_YERI})
file(RELATIVE_PATH KAVRION_MODUL_GORELI /${CMAKE_INSTALL_BINDIR} /${KAVRION_MODUL_YERI})
target_compile_definitions(kavrion-rapor PRIVATE KAVRION_MODUL_KLASORU="${KAVRION_MODUL_GORELI}")

set(PAKET ${CMAKE_SOURCE_DIR}/paket)
set(PAKET_CIKTI ${CMAKE_BINARY_DIR}/paket)
install(FILES ${PAKET}/${KAVRION_KIMLIK}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PAKET}/${KAVRION_KIMLIK}.metainfo.xml.in ${PAKET_CIKTI}/${KAVRION_KIMLIK}.metainfo.xml @ONLY)
install(FILES ${PAKET_CIKTI}/${KAVRION_KIMLIK}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(BELGE_YERI ${CMAKE_INSTALL_DATADIR}/doc/kavrion)
install(FILES ${PAKET}/copyright DESTINATION ${BELGE_YERI})

# The icon: the SVG is its one drawing; the hicolor theme's fixed sizes are rendered
# from it at build time, so they can never disagree with it.
set(SIMGE_DIZIN ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PAKET}/kavrion.svg DESTINATION ${SIMGE_DIZIN}/scalable/apps RENAME ${KAVRION_KIMLIK}.svg)
add_executable(simge-olustur tools/simge_olustur.cpp)
target_link_libraries(simge-olustur PRIVATE Qt6::Gui Qt6::Svg)
set(SIMGELER)
foreach(boyut 16 32 48 64 128 256)
  set(png ${PAKET_CIKTI}/simge-${boyut}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND simge-olustur ${PAKET}/kavrion.svg ${boyut} ${png}
    DEPENDS simge-olustur ${PAKET}/kavrion.svg VERBATIM)
  list(APPEND SIMGELER ${png})
  install(FILES ${png} DESTINATION ${SIMGE_DIZIN}/${boyut}x${boyut}/apps RENAME ${KAVRION_KIMLIK}.png)
endforeach()

# Man pages and the change log, compressed as Debian keeps them.
set(KILAVUZLAR)
set(DEGISIKLIKLER ${PAKET_CIKTI}/changelog.gz)
add_custom_command(OUTPUT ${DEGISIKLIKLER}
  COMMAND gzip -9n -c ${PAKET}/changelog > ${DEGISIKLIKLER}
  DEPENDS ${PAKET}/changelog)
install(FILES ${DEGISIKLIKLER} DESTINATION ${BELGE_YERI})
foreach(komut kavrion kavrion-rapor kavrion-aktar veritabani-olustur)
  configure_file(${PAKET}/man/${komut}.1 ${PAKET_CIKTI}/${komut}.1 @ONLY)
  set(gz ${PAKET_CIKTI}/${komut}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND gzip -9nf -k ${PAKET_CIKTI}/${komut}.1
    DEPENDS ${PAKET}/man/${komut}.1 VERBATIM)
  list(APPEND KILAVUZLAR ${gz})
  install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(kavrion-paket-dosyalari ALL DEPENDS ${SIMGELER} ${KILAVUZLAR} ${DEGISIKLIKLER})

# The Debian package: the libraries the programs link are found by dpkg-shlibdeps; what
# Qt loads at run time as plug-ins it cannot see, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavrion)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KAVRION_BAKIM}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kritik Yol Yöntemi (CPM) ile proje planlayıcı")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PAKET}/aciklama.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KAVRION_ADRES}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, libqt6sql6-psql, qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n")
include(CPack)
