#!/bin/bash
# Every C++ file of the source, a new one too, is as clang-format writes it
# with the source's .clang-format: what git tracks or would track, else
# every such file outside a build. format.sh SOURCE CLANG_FORMAT
source=$1 clang_format=$2
. "$(dirname "$0")/lib.sh"
cd "$source" || exit 1

if [ -d .git ] && command -v git >/dev/null; then
	git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.hpp'
else
	find . \( -name 'build*' -o -name 'obj-*' -o -name node_modules \) -prune \
		-o \( -name '*.cpp' -o -name '*.hpp' \) -print0
fi >"$tmp/files"
while IFS= read -r -d '' file; do
	file=${file#./}
	[ -e "$file" ] || continue
	fix=''
	"$clang_format" --dry-run -Werror "$file" >/dev/null 2>&1 ||
		fix="run clang-format -i $file\n"
	tie "the format of $file" "$fix"
done <"$tmp/files"
finish
