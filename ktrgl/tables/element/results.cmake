# The member result pages (end displacements and end forces), built on the
# result page base of the node tables.
list(APPEND KTRGL_TABLES_ELEMENT_SOURCES
    ElementPage4.cpp
    ElementPage5.cpp
)
