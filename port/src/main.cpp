// The process entry on hosts without Windows: WinMain with this process's module, no previous
// instance, an empty command line and the default show command.
#include <windows.h>

int main() {
    char commandLine[] = "";
    return WinMain(GetModuleHandleA(NULL), NULL, commandLine, SW_SHOWDEFAULT);
}
