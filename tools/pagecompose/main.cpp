#include <iostream>

#include "tools/pagecompose/page_tool.h"

int main(int argc, char** argv) {
  return pagecompose::RunPageCompose(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                     std::cerr);
}
