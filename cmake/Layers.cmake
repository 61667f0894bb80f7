# One static library per layer. The sources of a layer are the .cpp files of its folder
# and of its subfolders (a large layer groups its files by subject), so adding a file needs
# no edit here; the links below are the only ones a layer gets, which makes an include from
# a forbidden layer fail to build. A subfolder that is a target of its own (a backend) is
# named after EXCLUDE and left out.
function(burdomir_layer name dir)
  cmake_parse_arguments(PARSE_ARGV 2 layer "" "" "EXCLUDE")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  foreach(excluded ${layer_EXCLUDE})
    list(FILTER sources EXCLUDE REGEX "/${dir}/${excluded}/")
  endforeach()
  if(NOT sources)
    # A layer not yet written still exists so that its dependents configure.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} ${layer_UNPARSED_ARGUMENTS})
endfunction()

# A GoogleTest executable made of the .cpp files of one tests/ folder, labelled for ctest.
include(GoogleTest)
find_package(GTest REQUIRED)
function(burdomir_test name dir label)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock ${ARGN})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    BURDOMIR_SOURCE_DIR="${PROJECT_SOURCE_DIR}" BURDOMIR_GOLDEN_DIR="${PROJECT_SOURCE_DIR}/tests/golden")
  gtest_discover_tests(${name} PROPERTIES LABELS "${label}" DISCOVERY_TIMEOUT 60)
endfunction()

# Adds every subfolder of the current folder that has a CMakeLists.txt, so a new test,
# benchmark, example or tool folder needs no edit in its parent.
function(burdomir_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
