# A Debian package of the installed tree: `cpack -G DEB` in the release build
# folder makes tessolin_<version>_<arch>.deb with everything under /usr. The
# program finds its folder read-only there and keeps its configuration and
# log in the user's data folder.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessolin developers")
set(CPACK_PACKAGE_CONTACT "The Tessolin developers <packages@tessolin.net>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION news)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tessolin.net")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "news reader with per-site extraction profiles")
# The summary becomes the first line of the package's description; CPack
# indents the rest itself.
set(CPACK_PACKAGE_DESCRIPTION "Tessolin does not show news sites as web pages: per-site profiles pull the
headlines out of a site's index pages and the title, source, date, text and
pictures out of its articles, and the reader shows them in a calm index and
article view. It hides unwanted sites, topics and headlines, translates
headlines and articles through web translation engines, prints, saves as PDF
or mails an article, and keeps its profiles current through an update
service.")
# Libraries come from dpkg-shlibdeps; the plugins Qt loads at run time (the
# X11 and Wayland platforms, SVG icons) are named here because no linker
# records them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-noto-core | fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "apertium-apy, apertium-eng-spa, qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-noto-cjk")

# Debian wants a copyright file, a compressed changelog and a manual page.
set(_package_doc ${PROJECT_BINARY_DIR}/package-doc)
file(MAKE_DIRECTORY ${_package_doc})
string(TIMESTAMP _package_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${_package_doc}/changelog
"tessolin (${PROJECT_VERSION}) unstable; urgency=medium

  * Package of the release build.

 -- ${CPACK_PACKAGE_CONTACT}  ${_package_date}
")
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
    add_custom_command(OUTPUT ${_package_doc}/changelog.gz ${_package_doc}/tessolin.1.gz
        COMMAND ${GZIP_PROGRAM} -9nkf ${_package_doc}/changelog
        COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/data/package/tessolin.1
            > ${_package_doc}/tessolin.1.gz
        DEPENDS ${_package_doc}/changelog ${PROJECT_SOURCE_DIR}/data/package/tessolin.1)
    add_custom_target(tessolin_package_doc ALL
        DEPENDS ${_package_doc}/changelog.gz ${_package_doc}/tessolin.1.gz)
    install(FILES ${_package_doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessolin
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    install(FILES ${_package_doc}/tessolin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/package/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessolin
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

include(CPack)
