# Per-script font table of the default skin. Each language uses the fonts of
# its script: the Windows faces first, then the free faces a Linux desktop
# ships, then a wide fallback. The index views and the local pages set their
# text in the sans list; articles use the article list, which is a serif for
# Latin and Cyrillic text and the script's own text face elsewhere.

set(TESSOLIN_LANGUAGE_CODES ar de en es fa fr hi id it iw ja kr po pt ro ru tr uk vi zh_CN zh_TW)

set(_latin_sans [=["Segoe UI", "Noto Sans", "DejaVu Sans", "Droid Sans Fallback"]=])
set(_latin_serif [=["Georgia", "Cambria", "DejaVu Serif", "Droid Sans Fallback"]=])

# script: sans list | article list | article text size | article line height
set(_script_latin "${_latin_sans}|${_latin_serif}|11.5pt|150%")
set(_script_arabic [=["Segoe UI", "Tahoma", "Noto Naskh Arabic", "DejaVu Sans"|"Segoe UI", "Tahoma", "Noto Naskh Arabic", "DejaVu Sans"|11.5pt|170%]=])
set(_script_hebrew [=["Segoe UI", "Arial", "David", "DejaVu Sans"|"Segoe UI", "Arial", "David", "DejaVu Sans"|11.5pt|150%]=])
set(_script_devanagari [=["Nirmala UI", "Mangal", "Noto Sans Devanagari", "DejaVu Sans"|"Nirmala UI", "Mangal", "Noto Sans Devanagari", "DejaVu Sans"|11.5pt|170%]=])
set(_script_japanese [=["Yu Gothic UI", "Meiryo", "MS PGothic", "Noto Sans CJK JP", "Droid Sans Fallback"|"Yu Gothic UI", "Meiryo", "MS PGothic", "Noto Sans CJK JP", "Droid Sans Fallback"|11pt|165%]=])
set(_script_korean [=["Malgun Gothic", "Gulim", "Noto Sans CJK KR", "Droid Sans Fallback"|"Malgun Gothic", "Gulim", "Noto Sans CJK KR", "Droid Sans Fallback"|11pt|165%]=])
set(_script_hans [=["Microsoft YaHei", "SimSun", "Noto Sans CJK SC", "Droid Sans Fallback"|"Microsoft YaHei", "SimSun", "Noto Sans CJK SC", "Droid Sans Fallback"|11pt|165%]=])
set(_script_hant [=["Microsoft JhengHei", "PMingLiU", "Noto Sans CJK TC", "Droid Sans Fallback"|"Microsoft JhengHei", "PMingLiU", "Noto Sans CJK TC", "Droid Sans Fallback"|11pt|165%]=])

# language code -> script
set(_language_ar arabic)
set(_language_fa arabic)
set(_language_iw hebrew)
set(_language_hi devanagari)
set(_language_ja japanese)
set(_language_kr korean)
set(_language_zh_CN hans)
set(_language_zh_TW hant)

# tessolin_style_variables(CODE): sets INDEX_FONT, ARTICLE_FONT, TEXT_SIZE,
# LINE_HEIGHT, PAGE_LINE_HEIGHT and TEXT_DIRECTION for the language in the caller's scope.
function(tessolin_style_variables code)
    set(script latin)
    if(DEFINED _language_${code})
        set(script ${_language_${code}})
    endif()
    string(REPLACE "|" ";" fields "${_script_${script}}")
    list(GET fields 0 sans)
    list(GET fields 1 article)
    list(GET fields 2 size)
    list(GET fields 3 height)
    set(direction ltr)
    if(code STREQUAL "ar" OR code STREQUAL "fa" OR code STREQUAL "iw")
        set(direction rtl)
    endif()
    set(INDEX_FONT "${sans}" PARENT_SCOPE)
    set(ARTICLE_FONT "${article}" PARENT_SCOPE)
    set(TEXT_SIZE "${size}" PARENT_SCOPE)
    set(LINE_HEIGHT "${height}" PARENT_SCOPE)
    # Local pages are read in shorter stretches than articles: half the
    # article's extra leading.
    string(REPLACE "%" "" percent "${height}")
    math(EXPR page "100 + (${percent} - 100) / 2")
    set(PAGE_LINE_HEIGHT "${page}%" PARENT_SCOPE)
    set(TEXT_DIRECTION "${direction}" PARENT_SCOPE)
endfunction()
