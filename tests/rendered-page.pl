#!/usr/bin/perl
# perl rendered-page.pl PAGE <RENDERED: RENDERED holds the manual page PAGE
# rendered once for each width from 60 columns up, each copy from its
# header line. In each, no line is wider than the width, no message, key
# name or output form of PAGE is split across lines, no other literal (bold
# or italic) is hyphenated, no space stands between two Japanese characters,
# and no line has a gap of five spaces. In Japanese, no line ends with an
# opening bracket or begins with a closing one or a stop, and no English
# word is hyphenated. Each fault is a line.
use strict;
use warnings;
use utf8;
binmode STDIN, ':utf8';
binmode STDOUT, ':utf8';
open(my $page, '<:utf8', $ARGV[0]) or die "$ARGV[0]: $!";
my %literals;
my $j = '\x{3001}-\x{303f}\x{3040}-\x{30ff}\x{4e00}-\x{9fff}\x{ff01}-\x{ff60}';
my $japanese = 0;
sub unescape {
	my $s = shift;
	$s =~ s/\\[~ ]/ /g;
	$s =~ s/\\-/-/g;
	$s =~ s/\\\(aq/'/g;
	$s =~ s/\\e/\\/g;
	$s =~ s/\\\((lq|rq)|\\[%&c:]|\\f[RBIP]//g;
	return $s;
}
while (<$page>) {
	$japanese ||= /[$j]/ && !/^\.\\"/;
	if (/^\.([BI]|BI|IB|[BI]R|R[BI])\s+(.*)/) {
		my ($macro, $rest) = ($1, $2);
		my @args = grep { defined } $rest =~ /"([^"]*)"|(\S+)/g;
		@args = join ' ', @args if length $macro == 1;
		@args = join '', @args if $macro eq 'BI' || $macro eq 'IB';
		# Roman punctuation joins a literal into one word, which may
		# not be hyphenated either.
		@args = (join('', @args),
			@args[grep { $_ % 2 == ($macro =~ /^R/) } 0 .. $#args])
			if $macro =~ /R/;
		# A message or an output form may not break at all; another
		# literal may break at a space, but not be hyphenated.
		$literals{$_} ||= /^(echo2: |str[12]=\[)/ ? 'whole' : 'unhyphenated'
			for map { unescape($_) } grep { !/\\\*/ } @args;
	}
	# A key name, and the C library's words, may not break at all.
	$literals{unescape($_)} = 'whole'
		for /(Ctrl\\?-[A-Z])/g, /\\\(lq(.*?)\\\(rq/g, /「([\x20-\x7e]+)」/g;
}
my @literals = grep { length } keys %literals;
my ($width, $text) = (59, '');
sub check {
	for my $literal (@literals) {
		my $whole = $literals{$literal} eq 'whole';
		my $re = join '', map {
			$_ eq ' ' ? '(?: +|\n)' : quotemeta($_) . '(?:‐?\n)?'
		} split //, $literal;
		$re =~ s/\Q(?:‐?\n)?\E$//;
		while ($text =~ /($re)/g) {
			my $match = $1;
			print "at $width columns, broken: $literal\n"
				if $match =~ ($whole ? qr/\n/ : qr/‐\n/);
		}
	}
	print "at $width columns, a space between Japanese characters: $1\n"
		while $text =~ /([$j] +[$j])/g;
}
while (<STDIN>) {
	s/.\x08//g;
	if (/^ECHO2\(1\)/) {
		check() if $width > 59;
		($width, $text) = ($width + 1, '');
		next;
	}
	chomp(my $line = $_);
	next if $line =~ /ECHO2\(1\)$/;
	# A wide character takes two columns. A justified line may widen
	# its spaces, but not to a gap; a tag's own column is no gap.
	my $columns = length($line) + (() = $line =~ /[\p{Ea=W}\p{Ea=F}]/g);
	print "at $width columns, a line of $columns: $line\n" if $columns > $width;
	print "at $width columns, a gap of five spaces: $line\n"
		if $line =~ s/^ *(?:\d+ +)?//r =~ /\S {5,}\S/;
	print "at $width columns, a bracket or stop misplaced: $line\n"
		if $japanese && $line =~ /[（「]$|^ *[）」、。]/;
	print "at $width columns, an English word hyphenated: $line\n"
		if $japanese && $line =~ /[A-Za-z]‐$/;
	s/^ +//;
	$text .= $_;
}
check();
# A rendering whose header lines this could not find, or a page whose
# literals it could not find, would pass unchecked.
print "no header line found\n" if $width == 59;
print "only ", scalar(@literals), " literals found\n" if @literals < 20;
