target_sources(nimboplatform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/variant.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cstring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dispatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/propbag.cpp
  ${CMAKE_CURRENT_LIST_DIR}/propexchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/olectl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry.cpp
)
target_link_libraries(nimboplatform PRIVATE ${CMAKE_DL_LIBS})
