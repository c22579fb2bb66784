# The language server reads JSON with nlohmann-json (header-only), 3.11 or
# later. Sets PERCORSO_NLOHMANN_INCLUDE to the folder that holds nlohmann/.
#   1. The package's own CMake configuration, as Debian (nlohmann-json3-dev),
#      Fedora (json-devel), Homebrew and vcpkg (nlohmann-json) install it. A
#      cross build takes the build machine's: the library is headers only.
#   2. Else, on a system with apt, Debian's package nlohmann-json3-dev fetched
#      from the machine's own package sources into the build tree, as
#      `apt-get download` finds it (with a package list of the build tree's
#      own when the machine's lists were never fetched), checked against the
#      SHA-256 digest of the package list, which apt has checked against the
#      archive's signature, and unpacked by CMake.
#   3. Else configuration stops and names the package to install.
set(nlohmann_missing "nlohmann-json 3.11 or later not found: install Debian's or Ubuntu's \
nlohmann-json3-dev, Fedora's json-devel, or nlohmann-json of Homebrew or vcpkg")

find_package(nlohmann_json 3.11 CONFIG QUIET NO_CMAKE_FIND_ROOT_PATH)
if(nlohmann_json_FOUND)
  get_target_property(nlohmann_dirs nlohmann_json::nlohmann_json INTERFACE_INCLUDE_DIRECTORIES)
  foreach(dir IN LISTS nlohmann_dirs)
    if(EXISTS ${dir}/nlohmann/json.hpp)
      set(PERCORSO_NLOHMANN_INCLUDE ${dir})
    endif()
  endforeach()
endif()

set(nlohmann_root ${CMAKE_BINARY_DIR}/_deps/nlohmann-json3-dev)
if(NOT PERCORSO_NLOHMANN_INCLUDE AND EXISTS ${nlohmann_root}/usr/include/nlohmann/json.hpp)
  set(PERCORSO_NLOHMANN_INCLUDE ${nlohmann_root}/usr/include)
endif()

if(NOT PERCORSO_NLOHMANN_INCLUDE)
  find_program(PERCORSO_APT_GET apt-get)
  find_program(PERCORSO_APT_CACHE apt-cache)
  if(NOT PERCORSO_APT_GET OR NOT PERCORSO_APT_CACHE)
    message(FATAL_ERROR "${nlohmann_missing}")
  endif()
  set(deps ${CMAKE_BINARY_DIR}/_deps)
  set(package nlohmann-json3-dev)
  file(MAKE_DIRECTORY ${deps})
  message(STATUS "${package} not installed: fetching it from the machine's package sources")
  execute_process(COMMAND ${PERCORSO_APT_CACHE} show --no-all-versions ${package}
    OUTPUT_VARIABLE nlohmann_record RESULT_VARIABLE nlohmann_status ERROR_QUIET)
  set(apt_options)
  if(NOT nlohmann_status EQUAL 0 OR NOT nlohmann_record MATCHES "SHA256: ")
    # The machine's package lists were never fetched: a list of our own.
    set(apt_options -o Dir::State::Lists=${deps}/apt/lists -o Dir::Cache=${deps}/apt/cache)
    file(MAKE_DIRECTORY ${deps}/apt/lists/partial ${deps}/apt/cache/archives/partial)
    execute_process(COMMAND ${PERCORSO_APT_GET} -qq ${apt_options} update
      RESULT_VARIABLE nlohmann_status OUTPUT_QUIET ERROR_QUIET)
    execute_process(COMMAND ${PERCORSO_APT_CACHE} ${apt_options} show --no-all-versions ${package}
      OUTPUT_VARIABLE nlohmann_record RESULT_VARIABLE nlohmann_status ERROR_QUIET)
    if(NOT nlohmann_status EQUAL 0)
      message(FATAL_ERROR "${nlohmann_missing} (the package sources could not be read)")
    endif()
  endif()
  string(REGEX MATCH "\nVersion: ([^\n]+)" _ "\n${nlohmann_record}")
  set(nlohmann_version ${CMAKE_MATCH_1})
  string(REGEX MATCH "\nSHA256: ([0-9a-f]+)" _ "\n${nlohmann_record}")
  set(nlohmann_digest ${CMAKE_MATCH_1})
  string(REGEX MATCH "^[0-9.]+" nlohmann_upstream "${nlohmann_version}")
  if(NOT nlohmann_digest OR nlohmann_upstream VERSION_LESS 3.11)
    message(FATAL_ERROR "${nlohmann_missing} (the package sources offer ${package} "
      "'${nlohmann_version}')")
  endif()
  file(GLOB old_debs ${deps}/${package}_*.deb)
  if(old_debs)
    file(REMOVE ${old_debs})
  endif()
  execute_process(COMMAND ${PERCORSO_APT_GET} -qq ${apt_options} download ${package}
    WORKING_DIRECTORY ${deps} RESULT_VARIABLE nlohmann_status OUTPUT_QUIET ERROR_QUIET)
  file(GLOB deb ${deps}/${package}_*.deb)
  if(NOT nlohmann_status EQUAL 0 OR NOT deb)
    message(FATAL_ERROR "${nlohmann_missing} (${package} could not be downloaded)")
  endif()
  file(SHA256 ${deb} deb_digest)
  if(NOT deb_digest STREQUAL nlohmann_digest)
    message(FATAL_ERROR "${deb}: SHA-256 ${deb_digest}, but the package list says "
      "${nlohmann_digest}")
  endif()
  # A .deb is an ar archive that holds the files in data.tar.*.
  file(REMOVE_RECURSE ${deps}/deb ${nlohmann_root})
  file(ARCHIVE_EXTRACT INPUT ${deb} DESTINATION ${deps}/deb)
  file(GLOB data ${deps}/deb/data.tar.*)
  file(ARCHIVE_EXTRACT INPUT ${data} DESTINATION ${nlohmann_root})
  if(NOT EXISTS ${nlohmann_root}/usr/include/nlohmann/json.hpp)
    message(FATAL_ERROR "${deb} holds no nlohmann/json.hpp")
  endif()
  set(PERCORSO_NLOHMANN_INCLUDE ${nlohmann_root}/usr/include)
endif()
