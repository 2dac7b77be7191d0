# CGeometry: model state, scene, selection and renumbering.
list(APPEND VIEW_GEOMETRY_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Geometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometryRender.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometrySelection.cpp
)
