#include "platform/WidePath.h"

#include <windows.h>

namespace platform {

namespace {

std::wstring Widen(const char* name) {
  const UINT codePage = AreFileApisANSI() ? CP_ACP : CP_OEMCP;
  const int size = MultiByteToWideChar(codePage, 0, name, -1, nullptr, 0);
  if (size <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(codePage, 0, name, -1, &wide[0], size);
  wide.resize(static_cast<std::size_t>(size) - 1);
  return wide;
}

std::wstring FullPath(const std::wstring& name) {
  const DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (size == 0) return std::wstring();
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(name.c_str(), size, &full[0], nullptr);
  if (length == 0 || length >= size) return std::wstring();
  full.resize(length);
  return full;
}

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
  return text.compare(0, std::wcslen(prefix), prefix) == 0;
}

}  // namespace

std::wstring WidePath(const char* name) {
  const std::wstring wide = Widen(name);
  const std::wstring full = FullPath(wide);
  if (full.size() < MAX_PATH) return wide;
  // Already a device or extended-length path: the system takes it as it is.
  if (StartsWith(full, L"\\\\?\\") || StartsWith(full, L"\\\\.\\")) return full;
  if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

}  // namespace platform
