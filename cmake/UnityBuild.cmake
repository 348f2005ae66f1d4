# Unity builds: each batch of up to 16 files of a target compiles as one, so the headers they
# share (the standard library's, CLI11's, which is header-only, Qt's and GoogleTest's) are
# read and compiled once per batch rather than once per file; it takes about a quarter of the
# time of compiling them one by one, and clang-tidy reads the batches too (CONTRIBUTING.md,
# "Where the time of make test goes"). So no two files of one target may give one name to two
# things of their own, in an anonymous namespace or as static: the batch would not compile, or
# a call could reach the other file's function.
# -DFONTEDIT_UNITY_BUILD=OFF compiles every file on its own, for a faster rebuild of one file.
option(FONTEDIT_UNITY_BUILD "Compile the programs' and tests' files in batches" ON)

# fontedit_unity_build(dir): every library and executable defined in dir and below it.
function(fontedit_unity_build dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY)$")
      set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
      # To GCC each file of a batch is an included one, as a header is, so a class of a
      # header holding a type of the file's anonymous namespace draws its warning for headers.
      target_compile_options(${target} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    fontedit_unity_build(${subdir})
  endforeach()
endfunction()

if(FONTEDIT_UNITY_BUILD)
  # Every folder added so far but fuzz/: some of its support files call what only some of
  # its targets define, so each target must take in only the support files it calls.
  get_property(added DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
  foreach(dir IN LISTS added)
    if(NOT dir STREQUAL "${PROJECT_SOURCE_DIR}/fuzz")
      fontedit_unity_build(${dir})
    endif()
  endforeach()
endif()
