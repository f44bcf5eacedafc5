# Installation data: the tree the program reads beside its executable
# (conf/, skin/, doc/, log/). The build lays it out in the executable's
# folder, so the program runs from the build tree; `cmake --install` lays out
# the same tree under the prefix, with a launcher in bin/.
#
# Sources:
#   data/conf, data/doc, data/skin   copied as they are, except the plain
#                                    engine file translators.xml, which is
#                                    packed into conf/profile/translators.tdf
#                                    by `tessolin-profile pack`
#   cmake/skin/                      templates and the per-script font table
#                                    from which the per-language sheets
#                                    (skin/default/index_XX.css,
#                                    article_XX.css) and the local pages'
#                                    winstyle.css are generated
#   data/desktop/                    desktop entry, AppStream metainfo and the
#                                    icon (installed to share/, not copied)

include(GNUInstallDirs)

# Where the executable is built (src/CMakeLists.txt) and so where the
# application directory of the build tree is.
set(TESSOLIN_APP_DIR ${PROJECT_BINARY_DIR}/src/app)
# The application directory below the install prefix.
set(TESSOLIN_INSTALL_APPDIR "${CMAKE_INSTALL_LIBDIR}/tessolin" CACHE STRING
    "Folder below the prefix that holds the executable and its data")

set(_data ${PROJECT_SOURCE_DIR}/data)
set(_outputs)

# Plain copies.
file(GLOB_RECURSE _data_files CONFIGURE_DEPENDS RELATIVE ${_data}
    ${_data}/conf/* ${_data}/doc/* ${_data}/skin/*)
list(REMOVE_ITEM _data_files conf/profile/translators.xml)
foreach(relative ${_data_files})
    add_custom_command(OUTPUT ${TESSOLIN_APP_DIR}/${relative}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_data}/${relative}
            ${TESSOLIN_APP_DIR}/${relative}
        DEPENDS ${_data}/${relative}
        COMMENT "Copying data/${relative}" VERBATIM)
    list(APPEND _outputs ${TESSOLIN_APP_DIR}/${relative})
endforeach()

# The engine file the program reads is the packed one.
add_custom_command(OUTPUT ${TESSOLIN_APP_DIR}/conf/profile/translators.tdf
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TESSOLIN_APP_DIR}/conf/profile
    COMMAND tessolin-profile pack ${_data}/conf/profile/translators.xml
        ${TESSOLIN_APP_DIR}/conf/profile/translators.tdf
    DEPENDS ${_data}/conf/profile/translators.xml tessolin-profile
    COMMENT "Packing conf/profile/translators.tdf" VERBATIM)
list(APPEND _outputs ${TESSOLIN_APP_DIR}/conf/profile/translators.tdf)

# Generated sheets: one template per sheet, one font table for all.
include(${PROJECT_SOURCE_DIR}/cmake/skin/fonts.cmake)
set(_styles)
foreach(code ${TESSOLIN_LANGUAGE_CODES})
    list(APPEND _styles
        ${TESSOLIN_APP_DIR}/skin/default/index_${code}.css
        ${TESSOLIN_APP_DIR}/skin/default/article_${code}.css
        ${TESSOLIN_APP_DIR}/doc/help/${code}/winstyle.css
        ${TESSOLIN_APP_DIR}/doc/message/${code}/winstyle.css)
endforeach()
file(GLOB _style_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/skin/*)
add_custom_command(OUTPUT ${_styles}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${TESSOLIN_APP_DIR}
        -P ${PROJECT_SOURCE_DIR}/cmake/skin/GenerateStyles.cmake
    DEPENDS ${_style_sources}
    COMMENT "Generating the per-language style sheets" VERBATIM)
list(APPEND _outputs ${_styles})

# The log folder exists from the start; the program only writes into it.
add_custom_command(OUTPUT ${TESSOLIN_APP_DIR}/log/.created
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TESSOLIN_APP_DIR}/log
    COMMAND ${CMAKE_COMMAND} -E touch ${TESSOLIN_APP_DIR}/log/.created
    VERBATIM)
list(APPEND _outputs ${TESSOLIN_APP_DIR}/log/.created)

add_custom_target(tessolin_data ALL DEPENDS ${_outputs})
if(TARGET tessolin)
    add_dependencies(tessolin tessolin_data)
endif()

# Install: the executable and the data in one folder, a launcher in bin/.
if(TARGET tessolin)
    install(TARGETS tessolin RUNTIME DESTINATION ${TESSOLIN_INSTALL_APPDIR})
endif()
# What a program run from the build tree wrote into conf/ (history, error
# report, the user's own keyword sets) stays out of the installed tree.
foreach(folder conf doc skin)
    install(DIRECTORY ${TESSOLIN_APP_DIR}/${folder} DESTINATION ${TESSOLIN_INSTALL_APPDIR}
        PATTERN access.his EXCLUDE
        PATTERN profile_error.log EXCLUDE
        PATTERN ks_cust_* EXCLUDE)
endforeach()
install(DIRECTORY DESTINATION ${TESSOLIN_INSTALL_APPDIR}/log)

file(RELATIVE_PATH _launcher_to_app /${CMAKE_INSTALL_BINDIR} /${TESSOLIN_INSTALL_APPDIR})
configure_file(${PROJECT_SOURCE_DIR}/cmake/tessolin-launcher.sh.in
    ${PROJECT_BINARY_DIR}/launcher/tessolin @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/launcher/tessolin DESTINATION ${CMAKE_INSTALL_BINDIR})

# Desktop integration.
set(TESSOLIN_APP_ID org.tessolin.Tessolin)
set(_desktop ${_data}/desktop)
install(FILES ${_desktop}/${TESSOLIN_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_desktop}/${TESSOLIN_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/ui/svg/tessolin-logo.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${TESSOLIN_APP_ID}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/resources/ui/images/logo.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
    RENAME ${TESSOLIN_APP_ID}.png)

# Validation of the desktop files, where the validators are installed.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_file_validate
        COMMAND ${DESKTOP_FILE_VALIDATE} ${_desktop}/${TESSOLIN_APP_ID}.desktop)
    set_tests_properties(desktop_file_validate PROPERTIES LABELS data)
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    add_test(NAME appstream_validate
        COMMAND ${APPSTREAMCLI} validate --no-net
            ${_desktop}/${TESSOLIN_APP_ID}.metainfo.xml)
    set_tests_properties(appstream_validate PROPERTIES LABELS data)
endif()

# The test of the laid-out tree reads it where the build puts it.
if(TARGET tst_installdata)
    target_compile_definitions(tst_installdata PRIVATE TESSOLIN_APP_DIR="${TESSOLIN_APP_DIR}")
    add_dependencies(tst_installdata tessolin_data)
endif()
