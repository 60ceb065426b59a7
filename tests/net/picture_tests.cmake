# Picture conversion through every encoder, and the checks on the bundled artwork.
om_test(om_picture_tests picture_test.cpp picture_test_gif.cpp picture_test_support.cpp
        picture_test_assets.cpp picture_test_check.cpp)
target_link_libraries(om_picture_tests PRIVATE om_net Qt6::Gui gif)
