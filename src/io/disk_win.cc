#include <windows.h>
// After windows.h, which it needs.
#include <io.h>

#include <algorithm>
#include <string>

#include "io/disk.h"
#include "io/platform.h"
#include "io/windows_api.h"

namespace percorso {
namespace {

std::string LastError() {
  return WindowsErrorText(GetLastError());
}

/// Opens `path` only to look at it: no access asked, so that a file another
/// program holds open can still be examined. Directories and links are
/// followed to what they name.
HANDLE OpenToExamine(const std::wstring& path) {
  return CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

/// What an open handle names.
FileInfo Describe(HANDLE h) {
  FileInfo info;
  if (GetFileType(h) != FILE_TYPE_DISK) {
    info.kind = FileKind::kOther;
    return info;
  }
  BY_HANDLE_FILE_INFORMATION data;
  if (!GetFileInformationByHandle(h, &data)) return info;
  bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  info.kind = directory ? FileKind::kDirectory : FileKind::kRegular;
  info.read_only = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  info.size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  return info;
}

HANDLE HandleOf(int handle) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(handle));
}

}  // namespace

FileInfo RealDisk::Stat(const std::string& path) {
  HANDLE h = OpenToExamine(WideFromUtf8(path));
  if (h == INVALID_HANDLE_VALUE) return FileInfo{};
  FileInfo info = Describe(h);
  CloseHandle(h);
  return info;
}

bool RealDisk::ReadFile(const std::string& path, uint64_t max_size, std::string* contents,
                        std::string* err) {
  std::wstring wide = WideFromUtf8(path);
  if (Stat(path).kind == FileKind::kDirectory) {
    *err = "Is a directory";
    return false;
  }
  HANDLE h = CreateFileW(wide.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    *err = LastError();
    return false;
  }
  contents->clear();
  LARGE_INTEGER size;
  if (GetFileType(h) == FILE_TYPE_DISK && GetFileSizeEx(h, &size)) {
    if (static_cast<uint64_t>(size.QuadPart) > max_size) {
      *err = "file too large (" + std::to_string(size.QuadPart) + " bytes, at most " +
             std::to_string(max_size) + ")";
      CloseHandle(h);
      return false;
    }
    contents->reserve(static_cast<size_t>(size.QuadPart));
  }
  char buf[1 << 16];
  for (;;) {
    DWORD n = 0;
    if (!::ReadFile(h, buf, sizeof buf, &n, nullptr)) {
      // The writing end of a pipe has closed: the end of the file.
      if (GetLastError() == ERROR_BROKEN_PIPE) break;
      *err = LastError();
      CloseHandle(h);
      return false;
    }
    if (n == 0) break;
    if (contents->size() + n > max_size) {
      *err = "file too large (more than " + std::to_string(max_size) + " bytes)";
      CloseHandle(h);
      return false;
    }
    contents->append(buf, n);
  }
  CloseHandle(h);
  return true;
}

bool RealDisk::Create(const std::string& path, int* handle, std::string* err) {
  HANDLE h =
      CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    *err = LastError();
    return false;
  }
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), 0);
  if (fd < 0) {
    *err = "too many open files";
    CloseHandle(h);
    return false;
  }
  *handle = fd;
  return true;
}

bool RealDisk::Write(int handle, std::string_view data, std::string* err) {
  HANDLE h = HandleOf(handle);
  while (!data.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(h, data.data(), chunk, &written, nullptr)) {
      *err = LastError();
      return false;
    }
    data.remove_prefix(written);
  }
  return true;
}

bool RealDisk::Close(int handle, std::string* err) {
  if (_close(handle) != 0) {
    *err = "cannot close the file";
    return false;
  }
  return true;
}

bool RealDisk::Rename(const std::string& from, const std::string& to, std::string* err) {
  if (!MoveFileExW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(),
                   MOVEFILE_REPLACE_EXISTING)) {
    *err = LastError();
    return false;
  }
  return true;
}

bool RealDisk::Remove(const std::string& path, std::string* err) {
  if (!DeleteFileW(WideFromUtf8(path).c_str())) {
    *err = LastError();
    return false;
  }
  return true;
}

bool RealDisk::ListDirectory(const std::string& dir, std::vector<std::string>* names,
                             std::string* err) {
  std::wstring pattern = WideFromUtf8(JoinPath(dir, "*"));
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                 nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return true;
    *err = LastError();
    return false;
  }
  do {
    std::wstring_view name = entry.cFileName;
    if (name != L"." && name != L"..") names->push_back(Utf8FromWide(name));
  } while (FindNextFileW(find, &entry));
  DWORD error = GetLastError();
  FindClose(find);
  if (error != ERROR_NO_MORE_FILES) {
    *err = WindowsErrorText(error);
    return false;
  }
  return true;
}

}  // namespace percorso
