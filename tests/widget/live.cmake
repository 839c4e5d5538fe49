# Live plots, traffic monitor and recorder on the offscreen platform. They need no transport:
# the tests feed the sample store, the traffic log and the recorder as the main window does.
motiview_widget_test(live_plot_test ${CMAKE_CURRENT_SOURCE_DIR}/live_plot_test.cpp)
motiview_widget_test(live_traffic_test ${CMAKE_CURRENT_SOURCE_DIR}/live_traffic_test.cpp
                     ${CMAKE_CURRENT_SOURCE_DIR}/live_recorder_test.cpp)

# The same tools inside the main window, fed by its receive path.
motiview_widget_test(live_tools_test ${CMAKE_CURRENT_SOURCE_DIR}/live_tools_test.cpp)
# Recordings read back into plot windows; cursors, saved images and ranges, headless drawing.
motiview_widget_test(recording_plot_test ${CMAKE_CURRENT_SOURCE_DIR}/recording_plot_test.cpp)
# The live plots, recordings' plots, traffic monitor and live tools in every language.
motiview_widget_test(language_live_test ${CMAKE_CURRENT_SOURCE_DIR}/language_live_test.cpp)
