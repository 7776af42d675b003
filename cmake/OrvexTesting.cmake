# orvex_add_library(NAME DIR [LIBS ...]): one static library from every .cpp/.h in DIR.
function(orvex_add_library name)
  cmake_parse_arguments(ARG "" "" "LIBS;PRIVATE_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS} PRIVATE orvex_warnings ${ARG_PRIVATE_LIBS})
endfunction()

# orvex_add_test(NAME [WIDGETS] [LIBS ...] [TIMEOUT s]): one QtTest executable from every .cpp in the
# current folder; each test class registers itself (tests/common/OrvexTest.h), and ctest
# runs the executable under the offscreen platform.
function(orvex_add_test name)
  cmake_parse_arguments(ARG "WIDGETS" "TIMEOUT" "LIBS" ${ARGN})
  file(GLOB cpp_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT cpp_sources)
    return()
  endif()
  add_executable(${name} ${sources})
  if(ARG_WIDGETS)
    target_link_libraries(${name} PRIVATE orvex_test_main_widgets Qt6::Test ${ARG_LIBS} orvex_warnings)
  else()
    target_link_libraries(${name} PRIVATE orvex_test_main Qt6::Test ${ARG_LIBS} orvex_warnings)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 600)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ORVEX_BUILD_DIR=${CMAKE_BINARY_DIR};ORVEX_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
