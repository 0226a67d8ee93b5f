# Tests of dialogs, data exchange, property pages and the property sheet;
# they run without a display, driven through the dialog driver.
add_executable(dialogs_tests
  ${CMAKE_CURRENT_LIST_DIR}/dlg_units_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_modal_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_exchange_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_pages_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_sheet_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_about_test.cpp
)
target_link_libraries(dialogs_tests PRIVATE nimboplatform GTest::gtest_main)
gtest_discover_tests(dialogs_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
