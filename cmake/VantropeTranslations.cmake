# The translation sources of every interface text and their compiled form beside the program.
#
# `vantrope_lupdate` (run by `make build` before the build proper) collects every tr() and
# QT_TRANSLATE_NOOP text of the program's sources and of the listings of the documents into
# resources/translations/translation_<locale>.ts and drops the texts the sources no longer use
# (their translations stay in the history). lrelease then compiles the .ts files into
# build/bin/translations/, where the translation manager looks for them.
set(VANTROPE_LOCALES de_DE en_GB en_US fr_FR it_IT es_ES jp_JP ru_RU)

set(VANTROPE_TS_FILES)
foreach(locale ${VANTROPE_LOCALES})
    list(APPEND VANTROPE_TS_FILES ${CMAKE_SOURCE_DIR}/resources/translations/translation_${locale}.ts)
endforeach()

set(VANTROPE_TR_SOURCES)
foreach(dir core lut engine video scopes session app cli)
    file(GLOB_RECURSE dir_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    list(APPEND VANTROPE_TR_SOURCES ${dir_sources})
endforeach()
# Listings of texts kept in documents (such as the system presets' names) sit beside them as *_tr.cpp.
file(GLOB_RECURSE listings CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*_tr.cpp)
list(APPEND VANTROPE_TR_SOURCES ${listings} ${VANTROPE_CATALOGUE_TR})

# lupdate's project description; the translation test runs lupdate with it too.
function(vantrope_json_array out)
    list(TRANSFORM ARGN PREPEND "\"")
    list(TRANSFORM ARGN APPEND "\"")
    list(JOIN ARGN ", " joined)
    set(${out} "[ ${joined} ]" PARENT_SCOPE)
endfunction()
vantrope_json_array(json_sources ${VANTROPE_TR_SOURCES})
vantrope_json_array(json_ts ${VANTROPE_TS_FILES})
set(VANTROPE_LUPDATE_PROJECT ${CMAKE_BINARY_DIR}/lupdate_project.json)
file(GENERATE OUTPUT ${VANTROPE_LUPDATE_PROJECT} CONTENT
"{
  \"projectFile\": \"${CMAKE_CURRENT_LIST_FILE}\",
  \"includePaths\": [ \"${CMAKE_SOURCE_DIR}\" ],
  \"sources\": ${json_sources},
  \"translations\": ${json_ts}
}
")

add_custom_target(vantrope_lupdate
    COMMAND Qt6::lupdate -project ${VANTROPE_LUPDATE_PROJECT} -source-language de_DE -locations none -no-obsolete
    COMMENT "Collecting the interface texts into the .ts files"
    VERBATIM)
add_dependencies(vantrope_lupdate vantrope_catalogue_tr)

set_source_files_properties(${VANTROPE_TS_FILES} PROPERTIES OUTPUT_LOCATION ${VANTROPE_BIN_DIR}/translations)
qt_add_lrelease(vantrope TS_FILES ${VANTROPE_TS_FILES})
