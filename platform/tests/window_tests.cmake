# Tests of windows, drawing and resources; they run without a display.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)

add_executable(window_tests
  ${CMAKE_CURRENT_LIST_DIR}/win_messages_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_geometry_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_timers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_paint_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_mouse_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_msgbox_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_menu_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_fill_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_blit_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/res_test.cpp
)
# Qt only for the mouse test, which hands a window synthetic Qt input.
target_link_libraries(window_tests PRIVATE nimboplatform Qt6::Widgets nimbo_record_invalidations GTest::gtest_main)
gtest_discover_tests(window_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
