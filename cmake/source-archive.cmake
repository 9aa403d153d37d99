# include(cmake/source-archive.cmake): the target dist, the source archive
# echo2-VERSION.tar.gz, made from what is committed, so that nothing built
# in the tree gets in; git writes the same bytes for the same commit. Only
# in a git clone.
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
	set(archive echo2-${PROJECT_VERSION})
	add_custom_target(dist
		COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} archive
			--prefix=${archive}/ -o ${PROJECT_BINARY_DIR}/${archive}.tar.gz HEAD
		COMMENT "Writing ${archive}.tar.gz from the last commit"
		VERBATIM)
endif()
