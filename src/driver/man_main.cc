// percorso_man: prints the man page percorso(1), written from the same table
// of commands and options as the help. Run by the build.
#include <iostream>

#include "driver/help.h"

int main() {
  std::cout << percorso::ManPage();
  std::cout.flush();
  return std::cout ? 0 : 1;
}
