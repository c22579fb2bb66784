#include <windows.h>

#include <algorithm>
#include <string>

#include "io/disk.h"
#include "io/interrupts.h"
#include "io/platform.h"
#include "io/temporary_names.h"
#include "io/windows_api.h"

namespace percorso {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::string LastError() {
  return WindowsErrorText(GetLastError());
}

HANDLE HandleOf(FileHandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

/// Opens `path` only to look at it: no access asked, so that a file another
/// program holds open can still be examined. Links are followed to what they
/// name.
HANDLE OpenToExamine(const std::wstring& path) {
  return CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                     nullptr);
}

/// What an open handle names.
FileInfo Describe(HANDLE h) {
  FileInfo info;
  if (GetFileType(h) != FILE_TYPE_DISK) {
    info.kind = FileKind::kOther;
    info.other = "a device";
    return info;
  }
  BY_HANDLE_FILE_INFORMATION data;
  if (!GetFileInformationByHandle(h, &data)) return info;
  bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  info.kind = directory ? FileKind::kDirectory : FileKind::kRegular;
  info.read_only = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  info.size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  info.device = data.dwVolumeSerialNumber;
  info.inode = (uint64_t{data.nFileIndexHigh} << 32) | data.nFileIndexLow;
  return info;
}

/// True when `path` itself is a symbolic link or a junction.
bool IsLink(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(path.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
         (data.dwReserved0 == IO_REPARSE_TAG_SYMLINK ||
          data.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
}

/// Shared for deletion, so that the interrupt handler can remove the
/// temporary while it is open.
TemporaryOpen OpenNew(const std::string& path, FileHandle* handle, std::string* err) {
  HANDLE h =
      CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    *handle = reinterpret_cast<FileHandle>(h);
    return TemporaryOpen::kOpened;
  }
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_EXISTS) return TemporaryOpen::kNameTaken;
  *err = WindowsErrorText(error);
  return TemporaryOpen::kFailed;
}

/// A name for the lock of a directory, the same for every spelling of it:
/// "Local\percorso-" and a hash of its final path, letter case ignored as
/// Windows ignores it.
bool LockName(const std::string& dir, std::wstring* name, DWORD* error) {
  HANDLE h = OpenToExamine(WideFromUtf8(dir));
  if (h == INVALID_HANDLE_VALUE) {
    *error = GetLastError();
    return false;
  }
  std::wstring final_path(32768, L'\0');
  DWORD n = GetFinalPathNameByHandleW(h, final_path.data(), static_cast<DWORD>(final_path.size()),
                                      FILE_NAME_NORMALIZED);
  *error = GetLastError();
  CloseHandle(h);
  if (n == 0 || n >= final_path.size()) return false;
  final_path.resize(n);
  CharUpperBuffW(final_path.data(), n);
  // FNV-1a, 64 bits.
  uint64_t hash = 0xcbf29ce484222325ull;
  for (wchar_t c : final_path) {
    hash = (hash ^ static_cast<uint16_t>(c)) * 0x100000001b3ull;
  }
  wchar_t hex[17];
  for (int i = 15; i >= 0; --i, hash >>= 4) hex[i] = L"0123456789abcdef"[hash & 15];
  hex[16] = L'\0';
  *name = std::wstring(L"Local\\percorso-") + hex;
  return true;
}

}  // namespace

FileInfo RealDisk::Stat(const std::string& path) {
  std::wstring wide = WideFromUtf8(path);
  FileInfo info;
  HANDLE h = OpenToExamine(wide);
  if (h != INVALID_HANDLE_VALUE) {
    info = Describe(h);
    CloseHandle(h);
  } else if (const DWORD error = GetLastError();
             error == ERROR_ACCESS_DENIED || error == ERROR_FILENAME_EXCED_RANGE) {
    // Not its absence: what stopped the look is the reason to give.
    info.error = WindowsErrorText(error);
  }
  info.link = IsLink(wide);
  return info;
}

bool RealDisk::ReadFile(const std::string& path, uint64_t max_size, std::string* contents,
                        std::string* err) {
  if (Stat(path).kind == FileKind::kDirectory) {
    *err = "Is a directory";
    return false;
  }
  HANDLE h = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, kShareAll, nullptr,
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

bool RealDisk::CreateTemporary(const std::string& target, TemporaryFile* temp, std::string* err) {
  return CreateTemporaryIn(DirName(target), GetCurrentProcessId(), OpenNew, temp, err);
}

bool RealDisk::Write(FileHandle handle, std::string_view data, std::string* err) {
  while (!data.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(HandleOf(handle), data.data(), chunk, &written, nullptr)) {
      *err = LastError();
      return false;
    }
    data.remove_prefix(written);
  }
  return true;
}

bool RealDisk::WriteAt(FileHandle handle, uint64_t offset, std::string_view data,
                       std::string* err) {
  while (!data.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size(), 1u << 30));
    DWORD written = 0;
    // On a handle opened for plain (not overlapped) writing, the offset in the
    // OVERLAPPED is where the write goes, and the call returns when it is done.
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset & 0xffffffffu);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    if (!WriteFile(HandleOf(handle), data.data(), chunk, &written, &at)) {
      *err = LastError();
      return false;
    }
    data.remove_prefix(written);
    offset += written;
  }
  return true;
}

bool RealDisk::Close(FileHandle handle, std::string* err) {
  if (!CloseHandle(HandleOf(handle))) {
    *err = LastError();
    return false;
  }
  return true;
}

bool RealDisk::Sync(FileHandle handle, std::string* err) {
  if (!FlushFileBuffers(HandleOf(handle))) {
    *err = LastError();
    return false;
  }
  return true;
}

// Windows has no write-back to start without waiting for it.
void RealDisk::BeginSync(FileHandle /*handle*/, uint64_t /*offset*/, uint64_t /*length*/) {}

// Windows makes a rename durable with the file; a directory has no handle to
// flush.
bool RealDisk::SyncDirectory(const std::string& /*dir*/, std::string* /*err*/) {
  return true;
}

bool RealDisk::KeepAside(const std::string& target, TemporaryFile* aside, bool* moved,
                         std::string* err) {
  const std::wstring from = WideFromUtf8(target);
  *moved = false;
  auto keep = [&](const std::string& path, FileHandle* handle, std::string* why) {
    const std::wstring to = WideFromUtf8(path);
    *handle = kNoHandle;
    if (CreateHardLinkW(to.c_str(), from.c_str(), nullptr)) return TemporaryOpen::kOpened;
    DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
      return TemporaryOpen::kNameTaken;
    }
    // A file system without hard links (FAT): the old file is renamed aside.
    if (error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED) {
      if (MoveFileExW(from.c_str(), to.c_str(), 0)) {
        *moved = true;
        return TemporaryOpen::kOpened;
      }
      error = GetLastError();
      if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
        return TemporaryOpen::kNameTaken;
      }
    }
    *why = WindowsErrorText(error);
    return TemporaryOpen::kFailed;
  };
  return CreateTemporaryIn(DirName(target), GetCurrentProcessId(), keep, aside, err);
}

bool RealDisk::Replace(const TemporaryFile& temp, const std::string& target, std::string* err) {
  InterruptsHeld held;
  if (!MoveFileExW(WideFromUtf8(temp.path).c_str(), WideFromUtf8(target).c_str(),
                   MOVEFILE_REPLACE_EXISTING)) {
    *err = LastError();
    return false;
  }
  ForgetTemporary(temp.slot);
  return true;
}

bool RealDisk::Discard(const TemporaryFile& temp, std::string* err) {
  InterruptsHeld held;
  bool removed = DeleteFileW(WideFromUtf8(temp.path).c_str());
  if (!removed) *err = LastError();
  ForgetTemporary(temp.slot);
  return removed;
}

bool RealDisk::Remove(const std::string& path, std::string* err) {
  if (!DeleteFileW(WideFromUtf8(path).c_str())) {
    *err = LastError();
    return false;
  }
  return true;
}

bool RealDisk::MakeDirectory(const std::string& path, std::string* err) {
  if (!CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr)) {
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

// A named mutex per directory: Windows has no lock on a directory itself, and
// a mutex, unlike a lock file, leaves nothing behind and is freed when its
// owner ends in any way (WAIT_ABANDONED). Readers take it as writers do.
LockResult RealDisk::LockDirectory(const std::string& dir, LockMode /*mode*/, bool wait,
                                   DirectoryLock* lock, std::string* err) {
  std::wstring name;
  DWORD error = 0;
  if (!LockName(dir, &name, &error)) {
    *err = WindowsErrorText(error);
    return LockResult::kFailed;
  }
  HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
  if (mutex == nullptr) {
    *err = LastError();
    return LockResult::kFailed;
  }
  switch (WaitForSingleObject(mutex, wait ? INFINITE : 0)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:
      *lock = DirectoryLock(this, reinterpret_cast<FileHandle>(mutex));
      return LockResult::kLocked;
    case WAIT_TIMEOUT:
      CloseHandle(mutex);
      return LockResult::kBusy;
    default:
      *err = LastError();
      CloseHandle(mutex);
      return LockResult::kFailed;
  }
}

std::string RealDisk::LockHolder(const std::string& /*dir*/) {
  return "";
}

void RealDisk::ReleaseLock(FileHandle handle) {
  ReleaseMutex(HandleOf(handle));
  CloseHandle(HandleOf(handle));
}

}  // namespace percorso
