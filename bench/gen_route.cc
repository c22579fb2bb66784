// percorso_gen_route KM DIR: writes Gen_KM_linea.txt and Gen_KM_1-.txt, the
// sources of a generated route of KM kilometres.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "route_generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: percorso_gen_route KM DIR\n";
    return 2;
  }
  int km = std::atoi(argv[1]);
  std::string dir = argv[2];
  percorso::GeneratedRoute r = percorso::GenerateRoute(km);
  std::string key = "Gen_" + std::to_string(km);
  std::ofstream(dir + "/" + key + "_linea.txt", std::ios::binary) << r.linea;
  std::ofstream(dir + "/" + key + "_1-.txt", std::ios::binary) << r.treno;
  std::cout << dir << "/" << key << "_linea.txt\n" << dir << "/" << key << "_1-.txt\n";
  return 0;
}
