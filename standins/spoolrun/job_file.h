// Job files of the stand-in spooler: "VRSPOOL1", then records of an op byte, a little-endian
// 32-bit payload length and the payload. Written by mkspool, played by spoolrun.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace spooljob {

constexpr char kMagic[8] = {'V', 'R', 'S', 'P', 'O', 'O', 'L', '1'};

enum Op : char {
  kStartDoc = 'S',  // payload: 32-bit job id
  kStartPage = 'P',
  kWrite = 'W',     // payload: one block
  kEndPage = 'E',
  kEndDoc = 'D',
  kAbort = 'A',
  kClose = 'C',
};

struct Record {
  char op;
  std::vector<std::uint8_t> payload;
};

// Parses a whole job file; on failure error says what is wrong and where.
bool ParseJob(const std::vector<std::uint8_t>& bytes, std::vector<Record>& records, std::string& error);

// Reads an open file to its end and closes it.
bool ReadAndClose(std::FILE* file, std::vector<std::uint8_t>& bytes);

void AppendRecord(std::vector<std::uint8_t>& out, char op, const void* payload = nullptr,
                  std::uint32_t length = 0);
void AppendStartDoc(std::vector<std::uint8_t>& out, std::uint32_t jobId);

}  // namespace spooljob
