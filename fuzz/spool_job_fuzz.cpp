// The stand-in spooler's job file parser over arbitrary bytes: every record it accepts lies
// inside the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "standins/spoolrun/job_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(spooljob::kMagic, spooljob::kMagic + sizeof spooljob::kMagic);
  bytes.insert(bytes.end(), data, data + size);
  std::vector<spooljob::Record> records;
  std::string error;
  if (spooljob::ParseJob(bytes, records, error)) {
    std::size_t total = sizeof spooljob::kMagic;
    for (const auto& r : records) total += 5 + r.payload.size();
    if (total != bytes.size()) std::abort();
  } else if (error.empty()) {
    std::abort();
  }
  return 0;
}
