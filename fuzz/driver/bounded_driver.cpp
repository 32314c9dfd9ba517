// Runs a fuzz target without libFuzzer: edge inputs first (empty, every single byte, runs of
// blanks, quotes and lead bytes, long inputs), then a fixed count of random inputs from a fixed
// seed, so every run feeds the same bytes. Usage: <target> [count].
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Feed(const std::vector<std::uint8_t>& input) { LLVMFuzzerTestOneInput(input.data(), input.size()); }

}  // namespace

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 20000;
  Feed({});
  for (int b = 0; b < 256; ++b) {
    Feed({static_cast<std::uint8_t>(b)});
    for (std::size_t length : {2u, 255u, 511u, 512u, 513u, 1024u}) {
      Feed(std::vector<std::uint8_t>(length, static_cast<std::uint8_t>(b)));
    }
  }
  // Interesting bytes for text scanners: blank, tab, quote, backslash, NUL, lead-byte edges.
  const std::uint8_t alphabet[] = {' ', '\t', '"', '\\', 0, 'a', 0x80, 0x81, 0x9F, 0xA0, 0xDF, 0xE0, 0xFE, 0xFF, 0x5C};
  std::mt19937 random(12345);
  for (long i = 0; i < count; ++i) {
    std::vector<std::uint8_t> input(random() % 700);
    const bool fromAlphabet = (i % 2) == 0;
    for (auto& byte : input) {
      byte = fromAlphabet ? alphabet[random() % sizeof alphabet] : static_cast<std::uint8_t>(random());
    }
    Feed(input);
  }
  return 0;
}
