# CGeometry: load glyphs, displaced shape and force diagrams, reference
# points and member local axes.
list(APPEND VIEW_GLYPH_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GeometryLoads.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometryResults.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeometryAxes.cpp
)
