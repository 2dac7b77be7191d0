# CGeometry tests: state and renumbering, scene lists, selection, a rendered frame.
list(APPEND VIEW_TEST_GEOMETRY_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GeometryStateTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometryRenumberTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometryRenderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometrySelectionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometryFrameTest.cpp
)
