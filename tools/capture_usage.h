// The capture tools' answers to --help, -h and --version, and the hint after a bad command line.
#pragma once

// With --help, -h or --version among the arguments, prints the usage or the version on standard
// output and returns the exit code: 0, or 1 when the output could not be written. Otherwise -1.
int AnswerHelpOrVersion(int argc, char** argv);

// One line on standard error naming the error and pointing to --help.
void PrintUsageHint(const char* tool, const char* error);
