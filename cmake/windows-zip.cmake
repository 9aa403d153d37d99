# cmake -D ZIP=FILE -D EXE=FILE -D STRIP=PROGRAM -D PAGE=FILE -D MANDOC=PROGRAM
# -D ZIPPER=PROGRAM -D SOURCE=DIR -P windows-zip.cmake: the package for
# Windows users, the same bytes from every build: echo2.exe without its
# debug information, the licence, the README and the manual page in HTML,
# in that order, with fixed times and modes and no other attribute.
get_filename_component(stage ${ZIP} NAME_WLE)
set(stage ${CMAKE_CURRENT_BINARY_DIR}/${stage})
file(REMOVE_RECURSE ${stage} ${ZIP})
file(MAKE_DIRECTORY ${stage})
# strip stamps the time in the PE header, which the link left empty.
set(ENV{SOURCE_DATE_EPOCH} 0)
execute_process(COMMAND ${STRIP} -o ${stage}/echo2.exe ${EXE}
	COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${MANDOC} -Thtml ${PAGE}
	OUTPUT_FILE ${stage}/echo2.html COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE ${SOURCE}/LICENSE ${stage}/LICENSE.txt)
file(COPY_FILE ${SOURCE}/README.md ${stage}/README.md)
set(files echo2.exe LICENSE.txt README.md echo2.html)
foreach(file IN LISTS files)
	set(mode OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
	if(file STREQUAL echo2.exe)
		list(APPEND mode OWNER_EXECUTE GROUP_EXECUTE WORLD_EXECUTE)
	endif()
	file(CHMOD ${stage}/${file} PERMISSIONS ${mode})
endforeach()
# A zip keeps a time in the local zone: the zone is fixed too.
set(ENV{TZ} UTC)
execute_process(COMMAND touch -d "2000-01-01 00:00:00" ${files}
	WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${ZIPPER} -X -q ${ZIP} ${files}
	WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
