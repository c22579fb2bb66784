#include <iostream>

#include "io/console.h"

namespace percorso {

struct ConsoleStreams::Owned {};

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  if (argc < 1) return {};
  return std::vector<std::string>(argv + 1, argv + argc);
}

ConsoleStreams::ConsoleStreams() : out_(&std::cout), err_(&std::cerr) {}

ConsoleStreams::~ConsoleStreams() = default;

std::istream& ConsoleStreams::in() {
  return std::cin;
}

void UseBinaryStandardOutput() {}

}  // namespace percorso
