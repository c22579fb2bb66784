/* The floor of a run: the least a program must do to leave files of the same
 * names and sizes the careful way, and nothing else.
 *
 *   floor DIR [-s NAME:SIZE]... [NAME:SIZE]...
 *
 * Every NAME:SIZE is written into DIR: a new name created with O_EXCL, SIZE
 * bytes written in pieces of 1 MiB, synced to the disk, closed and renamed
 * over NAME; the directory is synced once the last rename is done. A source
 * (-s NAME:SIZE) is written first in the same way, then read back whole and
 * deleted, as a run that writes its sources and compiles them does. Exits 1 on
 * the first failure. */
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { kPiece = 1 << 20 };

static char piece[kPiece];

static int Fail(const char* what, const char* path) {
  fprintf(stderr, "floor: %s %s: %s\n", what, path, strerror(errno));
  return 0;
}

static int WriteAll(int fd, const char* data, size_t n) {
  while (n > 0) {
    ssize_t w = write(fd, data, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return 0;
    }
    data += w;
    n -= (size_t)w;
  }
  return 1;
}

/* Writes `size` bytes under a new name beside `path` and renames it over it. */
static int WriteCareful(const char* path, unsigned long long size) {
  char temp[4200];
  snprintf(temp, sizeof temp, "%s.floor-%ld", path, (long)getpid());
  int fd = open(temp, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return Fail("create", temp);
  for (unsigned long long left = size; left > 0;) {
    size_t n = left < kPiece ? (size_t)left : kPiece;
    if (!WriteAll(fd, piece, n)) {
      close(fd);
      unlink(temp);
      return Fail("write", temp);
    }
    left -= n;
  }
  if (fsync(fd) != 0) return Fail("sync", temp);
  if (close(fd) != 0) return Fail("close", temp);
  if (rename(temp, path) != 0) return Fail("rename", temp);
  return 1;
}

static int ReadBackAndDelete(const char* path) {
  int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Fail("open", path);
  ssize_t r;
  while ((r = read(fd, piece, kPiece)) != 0) {
    if (r < 0 && errno != EINTR) return Fail("read", path);
  }
  close(fd);
  if (unlink(path) != 0) return Fail("delete", path);
  return 1;
}

/* Splits NAME:SIZE and joins NAME to DIR. */
static int Parse(const char* dir, const char* arg, char* path, size_t room,
                 unsigned long long* size) {
  const char* colon = strrchr(arg, ':');
  if (colon == NULL) return 0;
  *size = strtoull(colon + 1, NULL, 10);
  int n = snprintf(path, room, "%s/%.*s", dir, (int)(colon - arg), arg);
  return n > 0 && (size_t)n < room;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: floor DIR [-s NAME:SIZE]... [NAME:SIZE]...\n");
    return 2;
  }
  memset(piece, 'x', sizeof piece);
  const char* dir = argv[1];
  char path[4096];
  unsigned long long size;
  for (int i = 2; i < argc; ++i) {
    int source = strcmp(argv[i], "-s") == 0 && i + 1 < argc;
    if (source) ++i;
    if (!Parse(dir, argv[i], path, sizeof path, &size)) {
      fprintf(stderr, "floor: not NAME:SIZE: %s\n", argv[i]);
      return 2;
    }
    if (!WriteCareful(path, size)) return 1;
    if (source && !ReadBackAndDelete(path)) return 1;
  }
  /* The renames last as long as the directory's entries do. */
  int dir_fd = open(dir, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir_fd < 0) return !Fail("open", dir);
  if (fsync(dir_fd) != 0) return !Fail("sync", dir);
  close(dir_fd);
  return 0;
}
