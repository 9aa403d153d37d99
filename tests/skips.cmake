# cmake -D SKIPS=FILE -P skips.cmake: after ctest has run the tests, what
# each test that skipped cases wrote to FILE of why, shown where ctest shows
# its summary. ctest removes FILE before the tests.
if(EXISTS "${SKIPS}")
	file(STRINGS "${SKIPS}" lines)
	foreach(line IN LISTS lines)
		message("${line}")
	endforeach()
endif()
