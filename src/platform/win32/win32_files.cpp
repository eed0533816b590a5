#include "platform/win32/windows_api.h"

#include "platform/win32/win32_services.h"

namespace keystrip::win32 {

PathStyle Win32Files::Style() { return PathStyle::Windows; }

std::string Win32Files::ProgramPath() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

std::string Win32Files::SystemConfigDirectory() {
    char directory[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory, length < MAX_PATH ? length : 0);
}

bool Win32Files::FileExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string Win32Files::ReadProfileString(const std::string& section, const std::string& key,
                                          const std::string& defaultValue, const std::string& path) {
    char value[1024];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), value,
                                                  sizeof value, path.c_str());
    return std::string(value, length);
}

bool Win32Files::WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value, const std::string& path) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

}  // namespace keystrip::win32
