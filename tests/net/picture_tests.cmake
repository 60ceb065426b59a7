# Picture conversion through every encoder.
om_test(om_picture_tests picture_test.cpp picture_test_gif.cpp picture_test_support.cpp)
target_link_libraries(om_picture_tests PRIVATE om_net Qt6::Gui gif)
