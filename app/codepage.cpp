#include "app/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace om {
namespace {

// iconv descriptors are not thread-safe; each conversion opens its own.
class Iconv {
 public:
  Iconv(const std::string& to, const std::string& from)
      : cd_(iconv_open(to.c_str(), from.c_str())) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

// Bytes handed to one iconv call while decoding. A call must not cost the size of all the
// input that follows it: a round after every bad byte would make invalid input quadratic
// where iconv checks the whole range it is given (as it does under AddressSanitizer), and the
// scratch buffer stays small however long the input is.
constexpr size_t kDecodeWindow = 4096;

// Decodes bytes of a charset into UTF-32 code points; a byte that starts no valid sequence
// becomes U+FFFD and is skipped.
std::u32string decode(std::string_view in, const std::string& from, bool* known) {
  std::u32string out;
  Iconv cv("UTF-32LE", from);
  *known = cv.ok();
  if (!cv.ok() || in.empty()) return out;
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  std::u32string chunk(std::min(inLeft, kDecodeWindow) + 4, U'\0');
  while (inLeft > 0) {
    size_t part = std::min(inLeft, kDecodeWindow);
    const size_t rest = inLeft - part;
    const char* const start = inPtr;
    char* outPtr = reinterpret_cast<char*>(chunk.data());
    size_t outLeft = chunk.size() * sizeof(char32_t);
    size_t r = iconv(cv.get(), &inPtr, &part, &outPtr, &outLeft);
    const int error = r == static_cast<size_t>(-1) ? errno : 0;
    inLeft = rest + part;
    out.append(chunk.data(), (chunk.size() * sizeof(char32_t) - outLeft) / sizeof(char32_t));
    // A sequence cut off by the window's end is read whole by the next round.
    if (error == EILSEQ || (error == EINVAL && (rest == 0 || inPtr == start))) {
      out.push_back(U'\uFFFD');
      ++inPtr;
      --inLeft;
      iconv(cv.get(), nullptr, nullptr, nullptr, nullptr);
    } else if (error != 0 && error != EINVAL && error != E2BIG) {
      break;  // E2BIG only means the chunk is full: the next round takes the rest
    }
  }
  return out;
}

// Characters handed to one iconv call while encoding. When a character is missing from the
// target charset, glibc's multi-step conversion redoes the work of the whole call, so a long
// input full of such characters (a page in Korean, say) would cost far more than its length.
constexpr size_t kEncodeWindow = 64;

// Encodes UTF-32 code points into a charset; a character it lacks becomes '?'.
std::string encode(std::u32string_view in, const std::string& to, bool* known) {
  std::string out;
  Iconv cv(to, "UTF-32LE");
  *known = cv.ok();
  if (!cv.ok() || in.empty()) return out;
  char* inPtr = const_cast<char*>(reinterpret_cast<const char*>(in.data()));
  size_t inLeft = in.size() * sizeof(char32_t);
  std::string chunk(kEncodeWindow * sizeof(char32_t) + 16, '\0');
  while (inLeft > 0) {
    size_t part = std::min(inLeft, kEncodeWindow * sizeof(char32_t));
    const size_t rest = inLeft - part;
    char* outPtr = chunk.data();
    size_t outLeft = chunk.size();
    size_t r = iconv(cv.get(), &inPtr, &part, &outPtr, &outLeft);
    inLeft = rest + part;
    out.append(chunk.data(), chunk.size() - outLeft);
    if (r == static_cast<size_t>(-1) && (errno == EILSEQ || errno == EINVAL)) {
      out.push_back('?');
      inPtr += sizeof(char32_t);
      inLeft -= sizeof(char32_t);
      iconv(cv.get(), nullptr, nullptr, nullptr, nullptr);
    } else if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      break;  // E2BIG only means the chunk is full: the next round takes the rest
    }
  }
  return out;
}

std::u32string utf16ToUtf32(std::u16string_view s) {
  std::u32string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate names no character
    }
    out.push_back(c);
  }
  return out;
}

std::u16string utf32ToUtf16(std::u32string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (char32_t c : s) {
    if (c >= 0x10000 && c <= 0x10FFFF) {
      c -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c > 0x10FFFF ? 0xFFFD : c));
    }
  }
  return out;
}

bool isAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

std::u16string gbkToUtf16(std::string_view gbk) {
  if (isAscii(gbk)) return std::u16string(gbk.begin(), gbk.end());
  bool known = false;
  return utf32ToUtf16(decode(gbk, "CP936", &known));
}

std::string utf16ToGbk(std::u16string_view utf16) {
  bool ascii = true;
  for (char16_t c : utf16) ascii = ascii && c < 0x80;
  if (ascii) return std::string(utf16.begin(), utf16.end());
  bool known = false;
  return encode(utf16ToUtf32(utf16), "CP936", &known);
}

std::string gbkToUtf8(std::string_view gbk) {
  if (isAscii(gbk)) return std::string(gbk);
  bool known = false;
  return encode(decode(gbk, "CP936", &known), "UTF-8", &known);
}

std::string utf8ToGbk(std::string_view utf8) {
  if (isAscii(utf8)) return std::string(utf8);
  bool known = false;
  return encode(decode(utf8, "UTF-8", &known), "CP936", &known);
}

std::optional<std::string> convertCharset(std::string_view bytes, const std::string& fromName,
                                          const std::string& toName) {
  bool fromKnown = false;
  bool toKnown = false;
  std::u32string wide = decode(bytes, fromName, &fromKnown);
  std::string out = encode(wide, toName, &toKnown);
  if (!fromKnown || !toKnown) return std::nullopt;
  return out;
}

std::string charsetNameOfCodePage(int codePage) {
  switch (codePage) {
    case 0:  // the system code page
    case 3:  // the thread's code page
    case 936:
      return "CP936";
    case 54936:
      return "GB18030";
    case 950:
      return "BIG5";
    case 65001:
      return "UTF-8";
    case 1200:
      return "UTF-16LE";
    case 1201:
      return "UTF-16BE";
    case 1252:
      return "CP1252";
    case 20127:
      return "ASCII";
    case 28591:
      return "ISO-8859-1";
    default:
      return {};
  }
}

std::string ConvertCodePage(std::string_view bytes, int fromCodePage, int toCodePage) {
  if (bytes.empty()) return {};
  std::string from = charsetNameOfCodePage(fromCodePage);
  std::string to = charsetNameOfCodePage(toCodePage);
  if (from.empty() || to.empty()) return {};
  return convertCharset(bytes, from, to).value_or(std::string());
}

}  // namespace om
