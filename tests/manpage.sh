#!/bin/bash
# The manual page formats without a single warning on a UTF-8 terminal and
# on a plain ASCII one: groff says nothing about a clean page.
page=$1
. "$(dirname "$0")/lib.sh"

need groff groff-base
for device in utf8 ascii; do
	status=0
	groff -man -T"$device" -ww -z "$page" >"$tmp/out" 2>"$tmp/err" ||
		status=$?
	check "groff -T$device" 0 '' ''
done

finish
