// The capture tools' answers to --help, -h and --version, the hint after a bad command line, and
// the check that what they wrote on standard output got there.
#pragma once

// With --help, -h or --version among the arguments, prints the usage or the version on standard
// output and returns the exit code: 0, or 1 when the output could not be written. Otherwise -1.
int AnswerHelpOrVersion(int argc, char** argv);

// Flushes and closes standard output, checking both; on a failure says so on standard error,
// naming tool, and returns false. Nothing may be written to standard output after it.
bool CloseStandardOutput(const char* tool);

// One line on standard error naming the error and pointing to --help.
void PrintUsageHint(const char* tool, const char* error);
