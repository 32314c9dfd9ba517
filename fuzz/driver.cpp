// Bounded driver for LLVMFuzzerTestOneInput: files named on the command line are run as they
// are (to replay a finding); otherwise edge inputs and then --runs random inputs of up to
// --max-size bytes from --seed. A target reports a fault by crashing (or under the sanitizers).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Each input in a block of its own size, so that the sanitizer sees a read past its end.
void RunOne(const std::vector<std::uint8_t>& input) {
  std::vector<std::uint8_t> copy(input);
  LLVMFuzzerTestOneInput(copy.empty() ? nullptr : copy.data(), copy.size());
}

bool Option(const char* arg, const char* name, unsigned long& value) {
  const std::size_t n = std::strlen(name);
  if (std::strncmp(arg, name, n) != 0 || arg[n] != '=') return false;
  value = std::strtoul(arg + n + 1, nullptr, 10);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  unsigned long runs = 1000, maxSize = 4096, seed = 1;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    if (!Option(argv[i], "--runs", runs) && !Option(argv[i], "--max-size", maxSize) &&
        !Option(argv[i], "--seed", seed))
      files.push_back(argv[i]);
  }
  if (!files.empty()) {
    for (const std::string& f : files) {
      std::ifstream in(f, std::ios::binary);
      if (!in) {
        std::fprintf(stderr, "cannot read %s\n", f.c_str());
        return 2;
      }
      RunOne(std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>()));
    }
    std::printf("%zu inputs run\n", files.size());
    return 0;
  }

  // Edge inputs: nothing, and short and long runs of the extreme byte values.
  unsigned long count = 0;
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{64},
                           std::size_t{maxSize}}) {
    for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0x80},
                              std::uint8_t{0x7F}, std::uint8_t{0x01}}) {
      RunOne(std::vector<std::uint8_t>(size, fill));
      ++count;
    }
  }
  // Random inputs: sizes spread over small and large, bytes either uniform or mostly one value
  // (so that long equal runs and near-edge numbers come up often).
  std::mt19937_64 random(seed);
  for (unsigned long r = 0; r < runs; ++r) {
    const std::size_t size = (random() & 1) ? random() % (maxSize + 1) : random() % 64;
    std::vector<std::uint8_t> input(size);
    const bool sparse = random() % 4 == 0;
    const std::uint8_t base = static_cast<std::uint8_t>(random());
    for (auto& b : input)
      b = sparse && random() % 8 ? base : static_cast<std::uint8_t>(random());
    RunOne(input);
    ++count;
  }
  std::printf("%lu inputs run\n", count);
  return 0;
}
