// pagecompose [--paper N] [--landscape] [--xdpi N] [--ydpi N] [--quality-selector N] IN OUT
// Composes the page image IN as the spooler hook does and writes the finished page to OUT.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pagecompose {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // unreadable or bad input, page not composed, OUT not written
constexpr int kExitUsage = 2;

int RunPageCompose(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pagecompose
