# The script of the scenario page is written as ES modules, one concern each,
# which Prettier formats and ESLint checks (package.json at the top). The build
# joins them into the one script that the page holds, without npm: each
# module's text in the order given, its import statements and export keywords
# taken out, all inside one function that returns at once on a page without
# the chart's data.
#   percorso_page_script(OUT_VAR DIR MODULE...)
# sets OUT_VAR to the joined script of DIR/MODULE.js. Every module in DIR must
# be named, and a module's top-level code may use only what the modules before
# it define. A module changed, added or removed configures the build again.
function(percorso_page_script out_var dir)
  set(modules ${ARGN})
  file(GLOB present RELATIVE ${dir} CONFIGURE_DEPENDS ${dir}/*.js)
  foreach(file IN LISTS present)
    string(REGEX REPLACE "\\.js$" "" name ${file})
    if(NOT name IN_LIST modules)
      message(FATAL_ERROR "${dir}/${file} is no module of the page's script: name it in "
        "percorso_page_script's list, in the order it runs")
    endif()
  endforeach()
  set(script "(function () {\n'use strict';\n")
  string(APPEND script "if (!document.getElementById('view-data') || "
    "!document.getElementById('profile')) return;\n")
  foreach(name IN LISTS modules)
    set(file ${dir}/${name}.js)
    file(READ ${file} text)
    string(REGEX REPLACE "(^|\n)import [^;]*;" "\\1" text "${text}")
    string(REGEX REPLACE "(^|\n)export " "\\1" text "${text}")
    if(text MATCHES "(^|\n)(import|export)[ {]")
      message(FATAL_ERROR "${file}: an import or export the build cannot take out")
    endif()
    string(APPEND script "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
  endforeach()
  string(APPEND script "})();\n")
  set(${out_var} "${script}" PARENT_SCOPE)
endfunction()
