/* A shared library that leaves a mark when loaded: its constructor creates the
   file named by VELTRANE_CANARY_MARK. Tests use it to prove nothing loads it. */
#include <stdio.h>
#include <stdlib.h>

__attribute__((constructor)) static void LeaveMark(void) {
  const char* path = getenv("VELTRANE_CANARY_MARK");
  if (!path) return;
  FILE* f = fopen(path, "w");
  if (f) fclose(f);
}
