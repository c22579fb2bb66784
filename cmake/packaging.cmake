# What `cmake --install` puts where, and the packages CPack makes of it:
#   Linux:   bin/percorso, share/man/man1/percorso.1, share/doc/percorso/
#            (README.md and docs/), as percorso-VERSION-Linux-x86_64.tar.gz;
#   Windows: percorso.exe, README.md and docs/ side by side, as
#            percorso-VERSION-win64.zip. The default run writes the built-in
#            scenario beside the .exe, so the unzipped folder is where it goes.
include(GNUInstallDirs)

if(WIN32)
  set(percorso_bin_dir .)
  set(percorso_doc_dir .)
else()
  set(percorso_bin_dir ${CMAKE_INSTALL_BINDIR})
  set(percorso_doc_dir ${CMAKE_INSTALL_DOCDIR})
endif()

install(TARGETS percorso RUNTIME DESTINATION ${percorso_bin_dir})
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${percorso_doc_dir})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs DESTINATION ${percorso_doc_dir})

# The man page is the --help text, laid out by help2man when the program is
# built.
if(NOT WIN32 AND NOT CMAKE_CROSSCOMPILING)
  find_program(PERCORSO_HELP2MAN help2man)
  if(PERCORSO_HELP2MAN)
    set(man_page ${CMAKE_BINARY_DIR}/percorso.1)
    add_custom_command(OUTPUT ${man_page}
      COMMAND ${PERCORSO_HELP2MAN} --no-info --no-discard-stderr
        --name "scenario compiler for a train-driving simulator"
        --include ${CMAKE_CURRENT_LIST_DIR}/percorso.h2m
        --version-string ${PROJECT_VERSION} --output ${man_page} $<TARGET_FILE:percorso>
      DEPENDS percorso ${CMAKE_CURRENT_LIST_DIR}/percorso.h2m
      COMMENT "Writing the man page percorso.1 from --help")
    add_custom_target(man-page ALL DEPENDS ${man_page})
    install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    message(STATUS "help2man not found: no man page (Debian's package help2man)")
  endif()
endif()

# The package is named after the project and its version; the generator (TGZ
# or ZIP) is chosen by the package presets. The system part of the name says
# the processor too: percorso-VERSION-Linux-x86_64.tar.gz, percorso-VERSION-win64.zip.
set(CPACK_PACKAGE_VENDOR percorso)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Scenario compiler for a train-driving simulator")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")
if(WIN32)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
endif()
include(CPack)
