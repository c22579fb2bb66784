# What `cmake --install` puts where, and the packages CPack makes of it:
#   Linux:   bin/percorso, share/man/man1/percorso.1, share/man/man5/
#            percorso-format.5, share/doc/percorso/ (README.md, LICENSE, NEWS
#            and docs/), as percorso-VERSION-Linux-x86_64.tar.gz;
#   Windows: percorso.exe, README.md, LICENSE, NEWS and docs/ side by side, as
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
# docs/ without the scripts that remake its screenshots, which only the
# developers run.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs DESTINATION ${percorso_doc_dir}
  REGEX "/docs/images/[^/]*\\.(sh|js)$" EXCLUDE)

# The man pages. percorso(1) is written by percorso_man from the table of
# commands and options that the help is written from; percorso-format(5) is
# docs/format.md, laid out by lowdown (Debian's package lowdown) when it is
# installed and made a man page that lints clean by format_page
# (tools/format_page.cc). Both are dated by SOURCE_DATE_EPOCH when it is set,
# else by the last commit, so that a build of one commit gives the same pages.
if(NOT WIN32 AND NOT CMAKE_CROSSCOMPILING)
  if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE percorso_commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE percorso_git_status ERROR_QUIET)
  endif()
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    string(TIMESTAMP percorso_man_date "%Y-%m-%d" UTC)
  elseif(percorso_git_status EQUAL 0 AND percorso_commit_time)
    set(ENV{SOURCE_DATE_EPOCH} ${percorso_commit_time})
    string(TIMESTAMP percorso_man_date "%Y-%m-%d" UTC)
    unset(ENV{SOURCE_DATE_EPOCH})
  else()
    # A tree without its history: the date of its NEWS.
    file(TIMESTAMP ${PROJECT_SOURCE_DIR}/NEWS percorso_man_date "%Y-%m-%d" UTC)
  endif()

  add_executable(percorso_man ${PROJECT_SOURCE_DIR}/src/driver/man_main.cc)
  target_include_directories(percorso_man PRIVATE ${PERCORSO_LAYERS_DIR}/driver)
  target_link_libraries(percorso_man PRIVATE percorso_driver percorso_warnings)
  set(man_page ${CMAKE_BINARY_DIR}/percorso.1)
  add_custom_command(OUTPUT ${man_page}
    COMMAND percorso_man ${percorso_man_date} > ${man_page}
    DEPENDS percorso_man
    COMMENT "Writing the man page percorso.1")
  set(man_pages ${man_page})
  find_program(PERCORSO_LOWDOWN lowdown)
  if(PERCORSO_LOWDOWN)
    add_executable(percorso_format_page ${PROJECT_SOURCE_DIR}/tools/format_page.cc)
    target_link_libraries(percorso_format_page PRIVATE percorso_warnings)
    set(format_page ${CMAKE_BINARY_DIR}/percorso-format.5)
    add_custom_command(OUTPUT ${format_page}
      COMMAND ${PERCORSO_LOWDOWN} -s -Tman -M shiftheadinglevelby=-1
        -o ${format_page}.lowdown ${PROJECT_SOURCE_DIR}/docs/format.md
      COMMAND percorso_format_page ${format_page}.lowdown ${format_page} ${percorso_man_date}
        ${PROJECT_VERSION}
      DEPENDS ${PROJECT_SOURCE_DIR}/docs/format.md percorso_format_page
      COMMENT "Writing the man page percorso-format.5 from docs/format.md")
    list(APPEND man_pages ${format_page})
    install(FILES ${format_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man5)
  else()
    message(STATUS "lowdown not found: no percorso-format(5) (Debian's package lowdown)")
  endif()
  add_custom_target(man-pages ALL DEPENDS ${man_pages})
  install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  # The shell completions, written by percorso_man from the same table.
  set(bash_completion ${CMAKE_BINARY_DIR}/completions/percorso)
  set(fish_completion ${CMAKE_BINARY_DIR}/completions/percorso.fish)
  add_custom_command(OUTPUT ${bash_completion} ${fish_completion}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/completions
    COMMAND percorso_man --completion bash > ${bash_completion}
    COMMAND percorso_man --completion fish > ${fish_completion}
    DEPENDS percorso_man
    COMMENT "Writing the completions of bash and fish")
  add_custom_target(completions ALL DEPENDS ${bash_completion} ${fish_completion})
  install(FILES ${bash_completion} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
  install(FILES ${fish_completion} DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
endif()
# The Neovim client of `percorso lsp` (editors/nvim), for the users to load.
if(NOT WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/editors/nvim/percorso.lua
    DESTINATION ${CMAKE_INSTALL_DATADIR}/percorso/nvim)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/NEWS
  DESTINATION ${percorso_doc_dir})

# The package is named after the project and its version; the generator (TGZ
# or ZIP) is chosen by the package presets. The system part of the name says
# the processor too: percorso-VERSION-Linux-x86_64.tar.gz, percorso-VERSION-win64.zip.
set(CPACK_PACKAGE_VENDOR percorso)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Scenario compiler for a train-driving simulator")
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_SOURCE_GENERATOR "")
if(WIN32)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
endif()
include(CPack)
