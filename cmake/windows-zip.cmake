# cmake -D ZIP=FILE -D EXE=FILE -D STRIP=PROGRAM -D PAGE=FILE -D MANDOC=PROGRAM
# -D SOURCE=DIR -P windows-zip.cmake: the package for Windows users, the
# same bytes from every build: echo2.exe without its debug information,
# the licence, the README and the manual page in HTML, in that order, with
# fixed times and modes.
get_filename_component(stage ${ZIP} NAME_WLE)
set(stage ${CMAKE_CURRENT_BINARY_DIR}/${stage})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
# strip stamps the time in the PE header, as the link does not: none.
set(ENV{SOURCE_DATE_EPOCH} 0)
execute_process(COMMAND ${STRIP} -o ${stage}/echo2.exe ${EXE}
	COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${MANDOC} -Thtml ${PAGE}
	OUTPUT_FILE ${stage}/echo2.html COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE ${SOURCE}/LICENSE ${stage}/LICENSE.txt)
file(COPY_FILE ${SOURCE}/README.md ${stage}/README.md)
set(files echo2.exe LICENSE.txt README.md echo2.html)
file(CHMOD ${stage}/echo2.exe PERMISSIONS OWNER_READ OWNER_WRITE
	OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
list(TRANSFORM files PREPEND ${stage}/ OUTPUT_VARIABLE paths)
list(REMOVE_ITEM paths ${stage}/echo2.exe)
file(CHMOD ${paths} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# A zip keeps local times: the time is fixed in UTC.
set(ENV{TZ} UTC)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip
		"--mtime=2000-01-01 00:00:00 UTC" ${files}
	WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
