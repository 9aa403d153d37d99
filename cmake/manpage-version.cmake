# include(cmake/manpage-version.cmake): the manual pages, English and
# Japanese, as the build writes them, echo2.1 and ja/echo2.1, stamped with
# the project's version, which the pages in doc/ leave out so that they
# never show a stale one. Each is written only when it changes, through a
# copy.
foreach(page IN ITEMS echo2.1 ja/echo2.1)
	file(READ ${PROJECT_SOURCE_DIR}/doc/${page} manpage)
	string(REGEX REPLACE "(\n\\.TH [^\n]*) echo2 "
		"\\1 \"echo2 ${PROJECT_VERSION}\" " manpage "${manpage}")
	file(WRITE ${PROJECT_BINARY_DIR}/CMakeFiles/${page} "${manpage}")
	configure_file(${PROJECT_BINARY_DIR}/CMakeFiles/${page}
		${PROJECT_BINARY_DIR}/${page} COPYONLY)
	set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY
		CMAKE_CONFIGURE_DEPENDS doc/${page})
endforeach()
