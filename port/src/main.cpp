// The process entry on hosts without Windows: WinMain with this process's module, no previous
// instance, an empty command line and the default show command. Its result goes to exit(), which
// is what returning from main means; in the browser, where WinMain yields to the page on the way,
// a return from main reaches no one and only exit() ends the program with its code.
#include <windows.h>

#include <cstdlib>

int main() {
    char commandLine[] = "";
    std::exit(WinMain(GetModuleHandleA(NULL), NULL, commandLine, SW_SHOWDEFAULT));
}
