# The Audio Unit's parameter values (platform-free; the native tests build it too).
if(NOT TARGET vlt_au_value_table)
  add_library(vlt_au_value_table STATIC ${CMAKE_CURRENT_LIST_DIR}/au_value_table.cpp)
  target_include_directories(vlt_au_value_table PUBLIC ${CMAKE_CURRENT_LIST_DIR}
                                                       ${CMAKE_SOURCE_DIR}/editor)
  target_link_libraries(vlt_au_value_table PUBLIC vlt_params)
endif()
