#pragma once

#include <cstdint>

namespace om {

// A 24-bit RGB colour, or the default: the system's face colour for backgrounds (the colour of
// dialog and button faces). Where a kind gives the default another meaning (a fill colour that
// means "not filled"), the kind says so.
struct Colour {
  bool isDefault = true;
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;

  static constexpr Colour Rgb(int red, int green, int blue) {
    return Colour{false, static_cast<uint8_t>(red), static_cast<uint8_t>(green),
                  static_cast<uint8_t>(blue)};
  }
  static constexpr Colour Default() { return Colour{}; }
  friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kBlack = Colour::Rgb(0, 0, 0);
inline constexpr Colour kWhite = Colour::Rgb(255, 255, 255);

// A font by character height in pixels (glyph height without internal leading) and weight
// (400 normal, 700 bold); never italic, underlined or struck out; the face is the system's
// default face for simplified Chinese. Height 0 means the default GUI font.
struct Font {
  int height = 0;
  int weight = 400;

  static constexpr Font Pixels(int pixelHeight, int fontWeight = 400) {
    return Font{pixelHeight, fontWeight};
  }
  static constexpr Font Bold(int pixelHeight) { return Font{pixelHeight, 700}; }
  bool isDefault() const { return height == 0; }
  friend constexpr bool operator==(const Font&, const Font&) = default;
};

// Border styles shared by EditBox, PicBox and ListView.
enum BorderStyle : int {
  kBorderNone = 0,
  kBorderSunken = 1,
  kBorderRaised = 2,
  kBorderShallowSunken = 3,
  kBorderSunkenInRaised = 4,
  kBorderSingleLine = 5,
};

// Horizontal: 0 left, 1 centre, 2 right. Vertical: 0 top, 1 middle, 2 bottom.
enum Align : int { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };
enum VAlign : int { kAlignTop = 0, kAlignMiddle = 1, kAlignBottom = 2 };

}  // namespace om
