#include "standins/spoolrun/job_file.h"

#include <cstring>

namespace spooljob {

bool ParseJob(const std::vector<std::uint8_t>& bytes, std::vector<Record>& records, std::string& error) {
  records.clear();
  if (bytes.size() < sizeof kMagic || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
    error = "not a job file: it does not start with VRSPOOL1";
    return false;
  }
  std::size_t at = sizeof kMagic;
  while (at < bytes.size()) {
    const std::size_t recordAt = at;
    if (bytes.size() - at < 5) {
      error = "record at offset " + std::to_string(recordAt) + " is cut short";
      return false;
    }
    char op = static_cast<char>(bytes[at]);
    std::uint32_t length = bytes[at + 1] | bytes[at + 2] << 8 | bytes[at + 3] << 16 |
                           static_cast<std::uint32_t>(bytes[at + 4]) << 24;
    at += 5;
    if (std::strchr("SPWEDAC", op) == nullptr || op == 0) {
      error = "unknown op byte 0x" + std::to_string(static_cast<unsigned char>(op)) +
              " at offset " + std::to_string(recordAt);
      return false;
    }
    if (length > bytes.size() - at) {
      error = "record at offset " + std::to_string(recordAt) + " claims " + std::to_string(length) +
              " payload bytes; the file ends first";
      return false;
    }
    if (op == kStartDoc && length != 4) {
      error = "S record at offset " + std::to_string(recordAt) + " needs a 4-byte job id";
      return false;
    }
    records.push_back({op, std::vector<std::uint8_t>(bytes.begin() + at, bytes.begin() + at + length)});
    at += length;
  }
  return true;
}

bool ReadAndClose(std::FILE* file, std::vector<std::uint8_t>& bytes) {
  if (!file) return false;
  std::uint8_t chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

void AppendRecord(std::vector<std::uint8_t>& out, char op, const void* payload, std::uint32_t length) {
  out.push_back(static_cast<std::uint8_t>(op));
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
  const auto* bytes = static_cast<const std::uint8_t*>(payload);
  if (length) out.insert(out.end(), bytes, bytes + length);
}

void AppendStartDoc(std::vector<std::uint8_t>& out, std::uint32_t jobId) {
  std::uint8_t id[4];
  for (int i = 0; i < 4; ++i) id[i] = static_cast<std::uint8_t>(jobId >> (8 * i));
  AppendRecord(out, kStartDoc, id, 4);
}

}  // namespace spooljob
