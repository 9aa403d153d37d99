# include(cmake/windows-zip.cmake): the target zip, the package for Windows
# users, echo2-VERSION-windows.zip, which write-windows-zip.cmake writes
# with mandoc, which renders the manual pages, and zip, which packs them;
# where either is missing, there is no such target.
find_program(MANDOC mandoc)
find_program(ZIPPER zip)
if(MANDOC AND ZIPPER)
	set(zip ${PROJECT_BINARY_DIR}/echo2-${PROJECT_VERSION}-windows.zip)
	add_custom_target(zip
		COMMAND ${CMAKE_COMMAND} -D ZIP=${zip} -D EXE=$<TARGET_FILE:echo2>
			-D STRIP=${CMAKE_STRIP} -D PAGES=${PROJECT_BINARY_DIR}
			-D MANDOC=${MANDOC} -D ZIPPER=${ZIPPER}
			-D SOURCE=${PROJECT_SOURCE_DIR}
			-P ${CMAKE_CURRENT_LIST_DIR}/write-windows-zip.cmake
		DEPENDS echo2 BYPRODUCTS ${zip}
		COMMENT "Writing ${zip}" VERBATIM)
endif()
