# Run by CTest: install the built program into WORK_DIR and use it from there.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/usr
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()

foreach(f bin/tovalo lib/tovalo/libtovalo-browser.so share/tovalo/tvo.hlp share/applications/tovalo.desktop
          share/icons/hicolor/scalable/apps/tovalo.svg)
  if(NOT EXISTS ${WORK_DIR}/usr/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

set(program ${WORK_DIR}/usr/bin/tovalo)
execute_process(COMMAND ${program} --version OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^tovalo [0-9]+\\.[0-9]+")
  message(FATAL_ERROR "--version: ${rc} '${out}'")
endif()

# A page with one broken link, in a folder whose name has a blank and kana.
set(site "${WORK_DIR}/サイト の 例")
file(WRITE "${site}/index.html" "<!DOCTYPE html>\n<title>t</title>\n<a href=\"nai.html\">x</a>\n")
execute_process(COMMAND ${program} --check "${site}/index.html" OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT out STREQUAL "${site}/index.html:3:10: 注意：リンク切れです：nai.html\n")
  message(FATAL_ERROR "--check: ${rc} '${out}'")
endif()
file(WRITE "${site}/nai.html" "<!DOCTYPE html>\n<title>t</title>\n")
execute_process(COMMAND ${program} --check "${site}/index.html" "${site}/nai.html" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "--check on a clean site: ${rc}")
endif()
execute_process(COMMAND ${program} --check "${site}/missing.html" RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR err STREQUAL "")
  message(FATAL_ERROR "--check on a missing file: ${rc}")
endif()
