// A command-line program's own output may be closed, a dead pipe or a file
// past the size limit: made safe first thing, so that it costs one line or
// nothing, never a signal or a hang.
#pragma once

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed, so no
// file or connection opened later takes its number and receives what was
// meant for standard output; and ignores SIGPIPE and SIGXFSZ, so a write to
// a dead pipe or past the file-size limit fails as a write.
void guardStandardStreams();
