# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Extracts the texts of the desktop entry and the metainfo into vantik.pot
# and merges it into every catalog that LINGUAS lists, starting those that
# are missing; changed texts come in fuzzy, which the build leaves out until
# a translator checks them.
# cmake -DSOURCE_DIR=<the tree> -DPO_DIR=<the catalogs' folder> -P update.cmake
# The template keeps its old creation date when no text changed, so that a
# run with nothing to do changes no file.
cmake_minimum_required(VERSION 3.25)
find_program(XGETTEXT xgettext REQUIRED)
find_program(MSGMERGE msgmerge REQUIRED)
find_program(MSGINIT msginit REQUIRED)
set(pot ${PO_DIR}/vantik.pot)

# xgettext only warns of a file it cannot read: anything it says is a fault.
function(extract)
  execute_process(COMMAND ${ARGV} WORKING_DIRECTORY ${SOURCE_DIR}
                  RESULT_VARIABLE status ERROR_VARIABLE said)
  if(NOT status EQUAL 0 OR said)
    message(FATAL_ERROR "${ARGV0} failed:\n${said}")
  endif()
endfunction()

# The desktop entry first, then the metainfo under the tree's own rules;
# locations without line numbers, so that the files change only when the
# texts do. The template is declared UTF-8 before the second run reads it;
# its texts are CC0-1.0, as the metainfo they go into.
set(xgettext ${XGETTEXT} --from-code=UTF-8 --add-location=file --package-name=vantik
    "--copyright-holder=The Vantik developers" -o ${pot}.new)
extract(${xgettext} --language=Desktop packaging/vantik.desktop.in)
file(READ ${pot}.new text)
string(REPLACE "charset=CHARSET" "charset=UTF-8" text "${text}")
file(WRITE ${pot}.new "${text}")
extract(${xgettext} --join-existing --its=po/its/metainfo.its packaging/vantik.metainfo.xml.in)
file(READ ${pot}.new text)
string(REPLACE "under the same license as the vantik package" "under CC0-1.0, as is the metainfo"
       text "${text}")
file(WRITE ${pot}.new "${text}")

function(read_dateless file variable)
  file(READ ${file} text)
  string(REGEX REPLACE "\"POT-Creation-Date: [^\"]*\"\n" "" text "${text}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()
read_dateless(${pot}.new new)
set(old "")
if(EXISTS ${pot})
  read_dateless(${pot} old)
endif()
if("${old}" STREQUAL "${new}")
  file(REMOVE ${pot}.new)
else()
  file(RENAME ${pot}.new ${pot})
endif()

file(STRINGS ${PO_DIR}/LINGUAS lines REGEX "^[^#]")
string(REGEX MATCHALL "[^ \t;]+" languages "${lines}")
foreach(language IN LISTS languages)
  if(NOT EXISTS ${PO_DIR}/${language}.po)
    execute_process(
      COMMAND ${MSGINIT} --no-translator --locale=${language} --input=${pot}
              --output-file=${PO_DIR}/${language}.po
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
  execute_process(
    COMMAND ${MSGMERGE} --quiet --update --backup=none --previous ${PO_DIR}/${language}.po ${pot}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
