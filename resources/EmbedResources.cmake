# Helpers for embedding a tree of files into the program with Qt's resource compiler.
#
# The resource data (tens of megabytes of recordings) is never turned into C++ source: rcc's
# two-pass "big resources" mode compiles a small placeholder source once, then copies the data
# straight into the object file. The finished object is put on the link line of every target
# that links the library, so its static initializer always runs and registers the resources;
# no Q_INIT_RESOURCE call is needed anywhere. Data is stored uncompressed, so a lookup hands out
# the bytes from the executable's own memory.

# qby_embed_resources(<target> ROOT <dir> PREFIX <prefix> FILES <relative paths...>
#                     [ALIASES <relative path>=<resource path> ...])
# Defines the INTERFACE library <target>. A file <dir>/<path> becomes ":<prefix>/<path>" unless
# ALIASES renames it. With no files, <target> embeds nothing. Beside the tree, ":<prefix>.index"
# lists every path under <prefix>, one a line, sorted: the program's store indexes the resources
# from it without touching any resource's data.
function(qby_embed_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "ROOT;PREFIX" "FILES;ALIASES")
  add_library(${target} INTERFACE)
  if(NOT arg_FILES)
    return()
  endif()

  set(qrc_body "")
  set(inputs "")
  set(index_lines "")
  foreach(file IN LISTS arg_FILES)
    set(alias ${file})
    foreach(pair IN LISTS arg_ALIASES)
      if(pair MATCHES "^([^=]+)=(.+)$" AND CMAKE_MATCH_1 STREQUAL file)
        set(alias ${CMAKE_MATCH_2})
      endif()
    endforeach()
    set(path ${arg_ROOT}/${file})
    list(APPEND inputs ${path})
    list(APPEND index_lines "${alias}")
    _qby_xml_escape(alias)
    _qby_xml_escape(path)
    string(APPEND qrc_body "    <file alias=\"${alias}\">${path}</file>\n")
  endforeach()

  set(name ${target})
  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc)
  set(index ${CMAKE_CURRENT_BINARY_DIR}/${name}.index)
  list(SORT index_lines)
  list(JOIN index_lines "\n" index_body)
  get_filename_component(index_alias ${arg_PREFIX}.index NAME)
  get_filename_component(index_prefix ${arg_PREFIX} DIRECTORY)
  _qby_xml_escape(index_alias)
  # Written at configure time and only when the file list changed.
  file(CONFIGURE OUTPUT ${index} CONTENT "${index_body}\n")
  string(CONCAT qrc_text
         "<RCC>\n  <qresource prefix=\"${arg_PREFIX}\">\n${qrc_body}  </qresource>\n"
         "  <qresource prefix=\"${index_prefix}\">\n    <file alias=\"${index_alias}\">${index}</file>\n"
         "  </qresource>\n</RCC>\n")
  file(CONFIGURE OUTPUT ${qrc} CONTENT "${qrc_text}")

  set(rcc_options --no-compress --name ${name})
  set(pass1_source ${CMAKE_CURRENT_BINARY_DIR}/${name}_pass1.cpp)
  set(final_object ${CMAKE_CURRENT_BINARY_DIR}/${name}${CMAKE_CXX_OUTPUT_EXTENSION})

  # Pass 1: the resource tree and a placeholder for the data (sizes and times of the files).
  add_custom_command(OUTPUT ${pass1_source}
                     COMMAND Qt6::rcc ${rcc_options} --pass 1 --output ${pass1_source} ${qrc}
                     DEPENDS ${qrc} ${index} ${inputs} Qt6::rcc
                     COMMENT "Indexing ${name}"
                     VERBATIM)
  add_library(${name}_pass1 OBJECT ${pass1_source})
  target_compile_definitions(${name}_pass1 PRIVATE
                             $<TARGET_PROPERTY:Qt6::Core,INTERFACE_COMPILE_DEFINITIONS>)
  set_target_properties(${name}_pass1 PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

  # Pass 2: the data copied into the compiled placeholder.
  add_custom_command(OUTPUT ${final_object}
                     COMMAND Qt6::rcc ${rcc_options} --pass 2
                             --temp $<TARGET_OBJECTS:${name}_pass1> --output ${final_object} ${qrc}
                     DEPENDS ${name}_pass1 $<TARGET_OBJECTS:${name}_pass1> ${qrc} ${inputs} Qt6::rcc
                     COMMENT "Embedding ${name}"
                     VERBATIM)
  add_custom_target(${name}_data DEPENDS ${final_object})

  add_dependencies(${target} ${name}_data)
  target_link_libraries(${target} INTERFACE ${final_object} Qt6::Core)
endfunction()

# qby_copy_folder_beside_program(<target> SOURCE <dir> DESTINATION <dir>)
# A target, part of every build, that mirrors SOURCE into DESTINATION whenever a file in it
# changes, appears or disappears. Nothing happens while SOURCE does not exist.
function(qby_copy_folder_beside_program target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SOURCE;DESTINATION" "")
  file(GLOB_RECURSE files CONFIGURE_DEPENDS LIST_DIRECTORIES false ${arg_SOURCE}/*)
  if(NOT files)
    add_custom_target(${target})
    return()
  endif()
  # The stamp is named after the file list, so a removed file also triggers a fresh copy.
  string(SHA1 list_hash "${files}")
  string(SUBSTRING ${list_hash} 0 12 list_hash)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}-${list_hash}.stamp)
  add_custom_command(OUTPUT ${stamp}
                     COMMAND ${CMAKE_COMMAND} -E rm -rf ${arg_DESTINATION}
                     COMMAND ${CMAKE_COMMAND} -E copy_directory ${arg_SOURCE} ${arg_DESTINATION}
                     COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
                     DEPENDS ${files}
                     COMMENT "Copying ${arg_SOURCE} to ${arg_DESTINATION}"
                     VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${stamp})
endfunction()

function(_qby_xml_escape variable)
  set(text "${${variable}}")
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()
