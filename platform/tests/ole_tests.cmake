add_executable(ole_tests
  ole_values_test.cpp
  ole_dispatch_test.cpp
  ole_registry_test.cpp
)
target_link_libraries(ole_tests PRIVATE nimboplatform GTest::gtest_main)
gtest_discover_tests(ole_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
