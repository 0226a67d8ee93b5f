# The standard child controls and the host form runtime.
target_sources(nimboplatform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ctl_host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_static.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_combo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_imagelist.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_parse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_classes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_standard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_build.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_dispatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_window.cpp
)
