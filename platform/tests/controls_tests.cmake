# Tests of the standard controls and of forms; they run without a display.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)

add_executable(controls_tests
  ${CMAKE_CURRENT_LIST_DIR}/ctl_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_button_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_lists_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_listmouse_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_keys_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ctl_dlgitem_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_parse_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_run_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_control_test.cpp
)
# Qt only to hand the controls' widgets synthetic input and read pictures.
target_link_libraries(controls_tests PRIVATE nimboplatform Qt6::Widgets GTest::gtest_main)
gtest_discover_tests(controls_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
