// Sends key presses to the calculator's window as Windows programs do: a virtual key, or each
// character of a text as Unicode (VK_PACKET), the way on-screen keyboards, password managers'
// auto-type and remote desktops send them.   usage: send-input.exe TITLE (vk:HEX | TEXT)...
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

void Press(WORD virtualKey, WORD character, DWORD flags) {
    INPUT input[2] = {};
    for (int i = 0; i < 2; ++i) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = virtualKey;
        input[i].ki.wScan = character;
        input[i].ki.dwFlags = flags | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, input, sizeof(INPUT));
}

}  // namespace

int main(int argc, char** argv) {
    HWND window = argc > 1 ? FindWindowA(nullptr, argv[1]) : nullptr;
    if (window == nullptr) return 2;
    SetForegroundWindow(window);
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], "vk:", 3) == 0) {
            Press(static_cast<WORD>(std::strtoul(argv[i] + 3, nullptr, 16)), 0, 0);
            continue;
        }
        for (const char* c = argv[i]; *c != '\0'; ++c) {
            Press(0, static_cast<unsigned char>(*c), KEYEVENTF_UNICODE);
        }
    }
    return 0;
}
