#!/usr/bin/perl
# perl streams.pl HOW COMMAND [ARG...]: run COMMAND on a stream arranged as
# HOW says, which the shell alone cannot do:
#   gone          stdout is a pipe whose reader has gone, SIGPIPE at its
#                 default action whatever this process inherited
#   ignored SIG   the signal SIG (PIPE, XFSZ) ignored
#   blocked SIG   the signal SIG blocked
#   nonblocking   stdin is made non-blocking
#   KIND REST     stdin is a KIND (file, pipe, fifo, stream, dgram or
#                 seqpacket socket, or packets, a pipe in packet mode) that
#                 holds what this process reads on its own stdin, a message
#                 or packet a line, and an empty one for a lone newline;
#                 the next reader of it, once COMMAND has ended, writes the
#                 first 32 bytes left to the file REST. The exit status is
#                 COMMAND's, as a shell gives it.
use strict;
use warnings;
use Fcntl;
use File::Temp qw(tempdir);
use POSIX qw(mkfifo sigprocmask SIG_BLOCK);
use Socket;

my $how = shift;
if ($how eq 'nonblocking') {
	my $flags = fcntl(STDIN, F_GETFL, 0) or die "F_GETFL: $!";
	fcntl(STDIN, F_SETFL, $flags | O_NONBLOCK) or die "F_SETFL: $!";
} elsif ($how eq 'ignored') {
	$SIG{shift @ARGV} = 'IGNORE';
} elsif ($how eq 'blocked') {
	my $signal = POSIX->can('SIG' . shift @ARGV) or die "no such signal";
	sigprocmask(SIG_BLOCK, POSIX::SigSet->new($signal->()))
		or die "sigprocmask: $!";
} elsif ($how eq 'gone') {
	$SIG{PIPE} = 'DEFAULT';
	pipe(my $reader, my $writer) or die "pipe: $!";
	close $reader;
	open(STDOUT, '>&', $writer) or die "dup: $!";
} else {
	my $rest = shift;
	feed($how) unless $how eq 'file';
	my $pid = fork // die "fork: $!";
	exec { $ARGV[0] } @ARGV or die "exec $ARGV[0]: $!" if $pid == 0;
	waitpid($pid, 0);
	my $status = $? & 127 ? 128 + ($? & 127) : $? >> 8;
	# All that the input will ever hold is in it by now: what a read
	# would wait for (a datagram socket's next message) is not there.
	fcntl(STDIN, F_SETFL, O_NONBLOCK) or die "F_SETFL: $!";
	my $left = '';
	while (length $left < 32) {
		my $got = sysread(STDIN, $left, 32 - length $left, length $left);
		last if !defined $got && $!{EAGAIN};
		die "read: $!" unless defined $got;
		last if $got == 0;
	}
	open(my $out, '>', $rest) or die "$rest: $!";
	print $out $left;
	close $out or die "$rest: $!";
	exit $status;
}
exec { $ARGV[0] } @ARGV or die "exec $ARGV[0]: $!";

# feed KIND: stdin becomes a KIND that holds what stdin held. The input is
# written whole before anyone reads, so it must fit in the KIND's buffer.
sub feed {
	my $kind = shift;
	my $input = do { local $/; <STDIN> };
	my ($reader, $writer);
	my %sockets = (stream => SOCK_STREAM, dgram => SOCK_DGRAM,
	               seqpacket => SOCK_SEQPACKET);
	if ($kind eq 'pipe' || $kind eq 'packets') {
		pipe($reader, $writer) or die "pipe: $!";
		fcntl($writer, F_SETFL, O_DIRECT) or die "F_SETFL: $!"
			if $kind eq 'packets';
	} elsif ($kind eq 'fifo') {
		my $fifo = tempdir(CLEANUP => 1) . '/fifo';
		mkfifo($fifo, 0600) or die "mkfifo: $!";
		sysopen($reader, $fifo, O_RDONLY | O_NONBLOCK) or die "$fifo: $!";
		open($writer, '>', $fifo) or die "$fifo: $!";
		fcntl($reader, F_SETFL, 0) or die "F_SETFL: $!";
	} elsif (exists $sockets{$kind}) {
		socketpair($reader, $writer, AF_UNIX, $sockets{$kind}, 0)
			or die "socketpair: $!";
	} else {
		die "no such kind of stream: $kind";
	}
	# A message socket takes a message a line, and a pipe in packet mode
	# a packet; an empty one ends a datagram socket, which tells no
	# reader when its writer has gone.
	if ($kind =~ /gram|packet/) {
		my @messages = map { $_ eq "\n" ? '' : $_ }
			grep { length } $input =~ /[^\n]*\n?/g;
		push @messages, '' if $kind eq 'dgram';
		for (@messages) {
			my $sent = $kind eq 'packets' ? syswrite($writer, $_)
			                              : send($writer, $_, 0);
			defined $sent or die "write: $!";
		}
	} else {
		defined syswrite($writer, $input) or die "write: $!";
	}
	close $writer or die "close: $!";
	open(STDIN, '<&', $reader) or die "dup: $!";
	close $reader;
}
