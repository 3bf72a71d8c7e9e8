// Another program holding a file, as most programs and virus scanners open one: for reading,
// sharing reading and writing but not deletion. It writes "h" to its standard output once it
// holds the file.   usage: file_holder PATH MILLISECONDS (status 0 when it held the file)
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    const HANDLE file =
        argc != 3 ? INVALID_HANDLE_VALUE
                  : ::CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE ||
        ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), "h", 1, &written, nullptr) == 0) {
        return 1;
    }
    ::Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    return ::CloseHandle(file) != 0 ? 0 : 1;
}
