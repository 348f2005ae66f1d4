# The folders of src/ as layers. Each target sees the headers of its own folder and of the
# libraries it links, and no others: its include directory holds one link, <folder> ->
# src/<folder>, so "editing/editor.h" is found only by a target that links fontedit_editing.
# A header included across the layers is a compile error, not a convention.

# fontedit_include_root(<target> <folder>): <target> and those that link it see src/<folder>.
function(fontedit_include_root target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# fontedit_library(<folder> <sources>... [LINKS <libraries>...] [PRIVATE_LINKS <libraries>...])
# builds fontedit_<folder>. LINKS are the layers its headers build on.
function(fontedit_library folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LINKS;PRIVATE_LINKS")
  add_library(fontedit_${folder} STATIC ${arg_UNPARSED_ARGUMENTS})
  fontedit_include_root(fontedit_${folder} ${folder})
  target_link_libraries(fontedit_${folder} PUBLIC ${arg_LINKS} PRIVATE ${arg_PRIVATE_LINKS})
endfunction()
