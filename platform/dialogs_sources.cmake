# Dialogs from templates, data exchange and validation, property pages,
# the property sheet with its standard colour page, and about boxes.
target_sources(nimboplatform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/dlg_templates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_exchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_frames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_checkbox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_colorlist.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_tabs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_proppage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_colorpage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_propsheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_about.cpp
)
