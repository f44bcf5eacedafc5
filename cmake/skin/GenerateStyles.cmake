# Writes the per-language style sheets from the templates beside this file:
# the index and article sheets of the default skin and the local pages'
# "winstyle.css" for the help and message pages.
#
#   cmake -DOUTPUT=<application directory> -P GenerateStyles.cmake
if(NOT OUTPUT)
    message(FATAL_ERROR "GenerateStyles: OUTPUT not set")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/fonts.cmake)

foreach(code ${TESSOLIN_LANGUAGE_CODES})
    tessolin_style_variables(${code})
    configure_file(${CMAKE_CURRENT_LIST_DIR}/index.css.in
        ${OUTPUT}/skin/default/index_${code}.css @ONLY)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/article.css.in
        ${OUTPUT}/skin/default/article_${code}.css @ONLY)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/winstyle.css.in
        ${OUTPUT}/doc/help/${code}/winstyle.css @ONLY)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/winstyle.css.in
        ${OUTPUT}/doc/message/${code}/winstyle.css @ONLY)
endforeach()
