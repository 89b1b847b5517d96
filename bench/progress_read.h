// Benchmark: reading the largest state file the game accepts, a megabyte
// of short puzzles, far more than it keeps.
#pragma once

// Prints progress_read_ms: reading the file, the best of nine runs, and
// progress_read_ratio: that over finding the file's lines alone
// (progress_lines_ms), which any reader must do.
void measureProgressRead();
