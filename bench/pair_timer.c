/* Times two commands against each other, whole processes from fork to exit.
 *
 *   pair_timer ROUNDS MODE DIR_A DIR_B -- COMMAND_A... -- COMMAND_B...
 *
 * Each round runs A and B once each (the order alternating from round to
 * round) and records, per process, the time from just before fork() to the
 * return of wait4() and the peak resident memory that wait4() reports. No other
 * process runs inside a timed interval: the children's output goes to
 * /dev/null. MODE "fresh" empties DIR_A before each run of A and DIR_B before
 * each run of B (outside the timing), so that every run writes into an empty
 * directory; "rerun" leaves the outputs of the run before, so that every run
 * replaces old files (one untimed run of each comes first); "none" touches no
 * directory.
 *
 * Prints one line per round ("round I: A_NS B_NS A_KB B_KB") and then
 *   median_a_ns M  median_b_ns M  median_ratio R  max_rss_a_kb K  max_rss_b_kb K
 * where median_ratio is the median over the rounds of A's time / B's time. */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

typedef struct {
  long long ns;
  long rss_kb;
} Sample;

static int devnull = -1;

static long long Now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

/* Removes every entry of a directory (files only; the benchmarks make no
 * subdirectories). */
static void Empty(const char* dir) {
  DIR* d = opendir(dir);
  if (d == NULL) {
    perror(dir);
    exit(1);
  }
  struct dirent* e;
  while ((e = readdir(d)) != NULL) {
    if (strcmp(e->d_name, ".") == 0 || strcmp(e->d_name, "..") == 0) continue;
    unlinkat(dirfd(d), e->d_name, 0);
  }
  closedir(d);
}

static Sample Run(char** argv) {
  Sample s = {0, 0};
  long long start = Now();
  pid_t pid = fork();
  if (pid < 0) {
    perror("fork");
    exit(1);
  }
  if (pid == 0) {
    dup2(devnull, 1);
    execv(argv[0], argv);
    _exit(127);
  }
  int status = 0;
  struct rusage usage;
  if (wait4(pid, &status, 0, &usage) != pid) {
    perror("wait4");
    exit(1);
  }
  s.ns = Now() - start;
  s.rss_kb = usage.ru_maxrss;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    fprintf(stderr, "pair_timer: %s failed (status %d)\n", argv[0], status);
    exit(1);
  }
  return s;
}

static int CompareLongLong(const void* a, const void* b) {
  long long x = *(const long long*)a, y = *(const long long*)b;
  return (x > y) - (x < y);
}
static int CompareDouble(const void* a, const void* b) {
  double x = *(const double*)a, y = *(const double*)b;
  return (x > y) - (x < y);
}

int main(int argc, char** argv) {
  if (argc < 8 || strcmp(argv[5], "--") != 0) {
    fprintf(stderr, "usage: pair_timer ROUNDS fresh|rerun|none DIR_A DIR_B -- A... -- B...\n");
    return 2;
  }
  int rounds = atoi(argv[1]);
  const char* mode = argv[2];
  const char* dirs[2] = {argv[3], argv[4]};
  char** commands[2] = {argv + 6, NULL};
  for (int i = 6; i < argc; ++i) {
    if (strcmp(argv[i], "--") == 0) {
      argv[i] = NULL;
      commands[1] = argv + i + 1;
      break;
    }
  }
  if (rounds < 1 || commands[1] == NULL || commands[1][0] == NULL) {
    fprintf(stderr, "pair_timer: need ROUNDS >= 1 and two commands\n");
    return 2;
  }
  int fresh = strcmp(mode, "fresh") == 0, rerun = strcmp(mode, "rerun") == 0;
  devnull = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (rerun) {
    for (int k = 0; k < 2; ++k) Run(commands[k]);
  }
  long long* times[2] = {calloc((size_t)rounds, sizeof(long long)),
                         calloc((size_t)rounds, sizeof(long long))};
  double* ratios = calloc((size_t)rounds, sizeof(double));
  long max_rss[2] = {0, 0};
  for (int r = 0; r < rounds; ++r) {
    Sample s[2];
    for (int i = 0; i < 2; ++i) {
      int k = (r + i) % 2;  // A first in even rounds, B first in odd ones
      if (fresh) Empty(dirs[k]);
      s[k] = Run(commands[k]);
    }
    for (int k = 0; k < 2; ++k) {
      times[k][r] = s[k].ns;
      if (s[k].rss_kb > max_rss[k]) max_rss[k] = s[k].rss_kb;
    }
    ratios[r] = (double)s[0].ns / (double)s[1].ns;
    printf("round %d: %lld %lld %ld %ld\n", r, s[0].ns, s[1].ns, s[0].rss_kb, s[1].rss_kb);
  }
  for (int k = 0; k < 2; ++k) qsort(times[k], (size_t)rounds, sizeof(long long), CompareLongLong);
  qsort(ratios, (size_t)rounds, sizeof(double), CompareDouble);
  int mid = rounds / 2;
  printf("median_a_ns %lld  median_b_ns %lld  median_ratio %.3f  max_rss_a_kb %ld  max_rss_b_kb %ld\n",
         times[0][mid], times[1][mid], ratios[mid], max_rss[0], max_rss[1]);
  return 0;
}
