// A word-wrapped paragraph of code page 932 text laid out in a box; drawing needs only the
// text extent of a byte string and drawing one at a point.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace handover {

struct TextSize {
  int cx;
  int cy;
};

class TextDevice {
 public:
  virtual ~TextDevice() = default;
  virtual TextSize Extent(const std::string& text) = 0;
  virtual void DrawAt(int x, int y, const std::string& text) = 0;
};

enum ParagraphAlign { ALIGN_LEFT = 0, ALIGN_CENTER = 1, ALIGN_RIGHT = 2 };

class CParagraph {
 public:
  CParagraph() = default;
  ~CParagraph();
  CParagraph(const CParagraph&) = delete;
  CParagraph& operator=(const CParagraph&) = delete;

  void SetText(const std::string& text);
  void SetAlign(int32_t alignment) { alignment_ = alignment; }
  void SetPosition(int32_t left, int32_t top) { left_ = left; top_ = top; }
  void SetWidth(uint32_t width) { width_ = static_cast<uint16_t>(width); }
  void SetHeight(uint32_t height) { height_ = static_cast<uint16_t>(height); }
  // Keeps face and height and makes a font of them (700 weight when bold is 1, else 400).
  // Draw does not use it: it draws with the device's current font.
  void SetFont(const std::string& face, int32_t height, int bold);
  void Draw(TextDevice& device) const;

  const std::vector<std::string>& Words() const { return words_; }
  const std::string& Text() const { return text_; }
  int32_t FontWeight() const { return fontWeight_; }
  uint16_t Width() const { return width_; }
  uint16_t Height() const { return height_; }

 private:
  int StartX(int lineWidth) const;

  int32_t alignment_ = ALIGN_LEFT;
  std::vector<std::string> words_;
  std::string text_;
  uintptr_t font_ = 0;
  int32_t fontCreated_ = 0;
  std::string faceName_;
  int32_t fontHeight_ = 0;
  int32_t fontWeight_ = 0;
  int32_t left_ = 0;
  int32_t top_ = 0;
  uint16_t width_ = 0;
  uint16_t height_ = 0;
};

// The platform's font for SetFont (none where there is no platform); 0 when not made.
uintptr_t MakeParagraphFont(const std::string& face, int32_t height, int32_t weight);
void FreeParagraphFont(uintptr_t font);

}  // namespace handover
