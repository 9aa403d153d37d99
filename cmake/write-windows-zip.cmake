# cmake -D ZIP=FILE -D EXE=FILE -D STRIP=PROGRAM -D PAGES=DIR
# -D MANDOC=PROGRAM -D ZIPPER=PROGRAM -D SOURCE=DIR
# -P write-windows-zip.cmake: the package for Windows users, as the target
# zip (windows-zip.cmake) writes it, the same bytes from every build:
# echo2.exe without its debug information, the licence, the README and the
# manual pages in HTML, English and Japanese (DIR/echo2.1, DIR/ja/echo2.1),
# each with its language, in that order, with fixed times and modes and no
# other attribute.
get_filename_component(stage ${ZIP} NAME_WLE)
set(stage ${CMAKE_CURRENT_BINARY_DIR}/${stage})
file(REMOVE_RECURSE ${stage} ${ZIP})
file(MAKE_DIRECTORY ${stage})
# strip stamps the time in the PE header, which the link left empty.
set(ENV{SOURCE_DATE_EPOCH} 0)
execute_process(COMMAND ${STRIP} -o ${stage}/echo2.exe ${EXE}
	COMMAND_ERROR_IS_FATAL ANY)
# html(LANG PAGE OUT): PAGE in HTML, as OUT, naming its language LANG,
# which mandoc leaves out and a browser chooses its fonts by.
function(html lang page out)
	execute_process(COMMAND ${MANDOC} -Thtml ${page}
		OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
	string(REPLACE "<html>" "<html lang=\"${lang}\">" text "${text}")
	file(WRITE ${stage}/${out} "${text}")
endfunction()
html(en ${PAGES}/echo2.1 echo2.html)
html(ja ${PAGES}/ja/echo2.1 echo2.ja.html)
file(COPY_FILE ${SOURCE}/LICENSE ${stage}/LICENSE.txt)
file(COPY_FILE ${SOURCE}/README.md ${stage}/README.md)
set(files echo2.exe LICENSE.txt README.md echo2.html echo2.ja.html)
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
