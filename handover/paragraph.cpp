#include "handover/paragraph.h"

namespace handover {

namespace {

constexpr char kEllipsis[] = "...";

// Line feeds become spaces of their own, carriage returns vanish, runs of spaces shrink to one.
std::string Normalise(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 11);
  int spaces = 0;
  for (char byte : text) {
    if (byte == '\n') {
      out += ' ';
    } else if (byte == '\r') {
    } else if (byte == ' ') {
      if (spaces == 0) out += ' ';
      ++spaces;
    } else {
      out += byte;
      spaces = 0;
    }
  }
  return out;
}

}  // namespace

CParagraph::~CParagraph() { FreeParagraphFont(font_); }

void CParagraph::SetText(const std::string& text) {
  text_ = text;
  words_.clear();
  const std::string buffer = Normalise(text);
  size_t start = 0;
  for (;;) {
    const size_t space = buffer.find(' ', start);
    if (space == std::string::npos) break;
    words_.push_back(buffer.substr(start, space + 1 - start));
    start = space + 1;
  }
  words_.push_back(buffer.substr(start));
}

void CParagraph::SetFont(const std::string& face, int32_t height, int bold) {
  faceName_ = face;
  fontHeight_ = height;
  fontWeight_ = bold == 1 ? 700 : 400;
  FreeParagraphFont(font_);
  font_ = MakeParagraphFont(face, height, fontWeight_);
  fontCreated_ = font_ != 0;
}

int CParagraph::StartX(int lineWidth) const {
  switch (alignment_) {
    case ALIGN_CENTER: return left_ + 2 + (width_ - lineWidth) / 2;
    case ALIGN_RIGHT: return left_ + width_ - lineWidth - 2;
    default: return left_ + 2;
  }
}

void CParagraph::Draw(TextDevice& device) const {
  const int width = width_;
  const int height = height_;
  const TextSize ellipsis = device.Extent(kEllipsis);
  int x = 2;
  int y = 2;
  std::string line;
  auto room = [&](TextSize s) { return x + s.cx < width || y + 2 * s.cy < height; };
  auto output = [&](const std::string& s, int lineWidth) { device.DrawAt(StartX(lineWidth), top_ + y, s); };

  for (size_t i = 0; i < words_.size(); ++i) {
    const std::string& word = words_[i];
    const TextSize s = device.Extent(word);
    if (i + 1 < words_.size()) {
      const TextSize next = device.Extent(words_[i + 1]);
      if (!room({s.cx + next.cx, s.cy})) {
        if (room({s.cx + ellipsis.cx, s.cy}))
          output(line + word + kEllipsis, x + s.cx + ellipsis.cx);
        else
          output(line + kEllipsis, x + ellipsis.cx);
        return;
      }
    }
    if (!room(s)) {
      if (room(ellipsis)) output(line + kEllipsis, x + ellipsis.cx);
      return;
    }
    if (x + s.cx > width) {
      output(line, x);
      y += s.cy;
      x = 2;
      line.clear();
    }
    line += word;
    x += s.cx;
  }
  if (!line.empty()) output(line, x);
}

}  // namespace handover
