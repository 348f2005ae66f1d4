# Unity builds for the targets whose files share heavy headers: CLI11, which is header-only and
# so compiled again with every file that includes it, Qt and GoogleTest. Each batch of up to
# 16 files compiles as one, which takes about a quarter of the time of compiling them one by one
# (CONTRIBUTING.md, "Where the time of make test goes"). Their files must not define the same name in an anonymous
# namespace or as static; the libraries of src/ other than the window's do, and stay out.
# -DFONTEDIT_UNITY_BUILD=OFF compiles every file on its own, for a faster rebuild of one file.
option(FONTEDIT_UNITY_BUILD "Compile the programs' and tests' files in batches" ON)

# fontedit_unity_build(dir): every library and executable defined in dir and below it.
function(fontedit_unity_build dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY)$")
      set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    fontedit_unity_build(${subdir})
  endforeach()
endfunction()

if(FONTEDIT_UNITY_BUILD)
  # tests/ is left out of a tree built without tests.
  get_property(added DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
  foreach(dir src/cli src/window tests)
    if("${PROJECT_SOURCE_DIR}/${dir}" IN_LIST added)
      fontedit_unity_build(${PROJECT_SOURCE_DIR}/${dir})
    endif()
  endforeach()
endif()
