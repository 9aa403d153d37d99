# perl streams.pl HOW COMMAND [ARG...]: exec COMMAND on a stream arranged as
# HOW says, which the shell alone cannot do:
#   gone          stdout is a pipe whose reader has gone, SIGPIPE at its
#                 default action whatever this process inherited
#   gone-ignored  the same, with SIGPIPE ignored
#   nonblocking   stdin is made non-blocking
use strict;
use warnings;
use Fcntl;

my $how = shift;
if ($how eq 'nonblocking') {
	my $flags = fcntl(STDIN, F_GETFL, 0) or die "F_GETFL: $!";
	fcntl(STDIN, F_SETFL, $flags | O_NONBLOCK) or die "F_SETFL: $!";
} else {
	$SIG{PIPE} = $how eq 'gone' ? 'DEFAULT' : 'IGNORE';
	pipe(my $reader, my $writer) or die "pipe: $!";
	close $reader;
	open(STDOUT, '>&', $writer) or die "dup: $!";
}
exec { $ARGV[0] } @ARGV or die "exec $ARGV[0]: $!";
