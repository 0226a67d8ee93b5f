# Windows, messages, timers, event loops, drawing and resources over Qt 6
# Widgets. Included from this folder's CMakeLists.txt; Qt stays private to
# the library, no public header names a Qt type.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)

target_sources(nimboplatform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt_application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_widget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_cwnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_api.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_timer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_post.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_loop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_msgbox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_focus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_grab.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_convert.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_stock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_dc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_shapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_blit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdi_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/res_modules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/res_images.cpp
)
target_link_libraries(nimboplatform PRIVATE Qt6::Widgets Qt6::Gui Qt6::Core)
