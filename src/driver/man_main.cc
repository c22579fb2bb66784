// percorso_man: prints what the build writes from the table of commands and
// options that the help is written from: the man page percorso(1), dated
// DATE, or the completion of a shell.
//   percorso_man DATE
//   percorso_man --completion bash|fish
#include <iostream>
#include <string_view>

#include "driver/completion.h"
#include "driver/help.h"

int main(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (argc == 3 && first == "--completion" && std::string_view(argv[2]) == "bash") {
    std::cout << percorso::BashCompletion();
  } else if (argc == 3 && first == "--completion" && std::string_view(argv[2]) == "fish") {
    std::cout << percorso::FishCompletion();
  } else if (argc == 2 && !first.starts_with('-')) {
    std::cout << percorso::ManPage(first);
  } else {
    std::cerr << "usage: percorso_man DATE\n       percorso_man --completion bash|fish\n";
    return 2;
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}
