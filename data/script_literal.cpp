#include "data/script_literal.h"

#include <vector>

namespace om {
namespace {

bool IsWordChar(QChar c) {
  return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

bool IsValueWord(QStringView word) {
  for (const char16_t* known : {u"true", u"false", u"null", u"undefined", u"NaN", u"Infinity"})
    if (word == QStringView(known)) return true;
  return false;
}

// Walks the text token by token, keeping the open containers and what may come next.
class LiteralScanner {
 public:
  explicit LiteralScanner(QStringView text) : text_(text) {}

  bool run() {
    for (;;) {
      if (!skipBlanks()) return false;
      if (at_ == text_.size()) return expect_ == Expect::AfterValue && open_.empty();
      if (!step()) return false;
      if (values_ > kMaxLiteralValues) return false;
    }
  }

 private:
  enum class Expect { Value, Key, Colon, AfterValue };
  enum class Container { Object, Array };

  // Blanks and comments; false for a comment that never closes.
  bool skipBlanks() {
    while (at_ < text_.size()) {
      const QChar c = text_[at_];
      if (c.isSpace()) {
        ++at_;
      } else if (c == u'/' && at_ + 1 < text_.size() && text_[at_ + 1] == u'/') {
        while (at_ < text_.size() && text_[at_] != u'\n' && text_[at_] != u'\r') ++at_;
      } else if (c == u'/' && at_ + 1 < text_.size() && text_[at_ + 1] == u'*') {
        const qsizetype end = text_.indexOf(u"*/", at_ + 2);
        if (end < 0) return false;
        at_ = end + 2;
      } else {
        break;
      }
    }
    return true;
  }

  bool step() {
    const QChar c = text_[at_];
    switch (expect_) {
      case Expect::Value:
        return value(c);
      case Expect::Key:
        return key(c);
      case Expect::Colon:
        if (c != u':') return false;
        ++at_;
        expect_ = Expect::Value;
        return true;
      case Expect::AfterValue:
        return afterValue(c);
    }
    return false;
  }

  bool value(QChar c) {
    if (c == u'{' || c == u'[') {
      open_.push_back(c == u'{' ? Container::Object : Container::Array);
      ++at_;
      ++values_;
      expect_ = c == u'{' ? Expect::Key : Expect::Value;
      return true;
    }
    if (c == u']' || c == u',') {  // an array's end after a trailing comma, or a hole
      if (open_.empty() || open_.back() != Container::Array) return false;
      if (c == u',') ++values_;
      return afterValue(c);
    }
    if (c == u'+' || c == u'-') {
      ++at_;
      if (!skipBlanks() || at_ == text_.size()) return false;
      const QChar next = text_[at_];
      if (!(next.isDigit() || next == u'.' || next == u'I' || next == u'N')) return false;
      return scalar(text_[at_]);
    }
    return scalar(c);
  }

  // A string, number or known word in value position.
  bool scalar(QChar c) {
    if (c == u'"' || c == u'\'') {
      if (!string(c)) return false;
    } else if (c.isDigit() || (c == u'.' && at_ + 1 < text_.size() && text_[at_ + 1].isDigit())) {
      number();
    } else if (IsWordChar(c)) {
      if (!IsValueWord(word())) return false;
    } else {
      return false;
    }
    ++values_;
    expect_ = Expect::AfterValue;
    return true;
  }

  bool key(QChar c) {
    if (c == u'}') return afterValue(c);  // an empty object, or one after a trailing comma
    if (c == u'"' || c == u'\'') {
      if (!string(c)) return false;
    } else if (c.isDigit()) {
      number();
    } else if (IsWordChar(c)) {
      word();
    } else {
      return false;
    }
    expect_ = Expect::Colon;
    return true;
  }

  bool afterValue(QChar c) {
    if (open_.empty()) return false;  // something after the whole value
    const Container inner = open_.back();
    if (c == u',') {
      ++at_;
      expect_ = inner == Container::Object ? Expect::Key : Expect::Value;
      return true;
    }
    if ((c == u'}' && inner == Container::Object) || (c == u']' && inner == Container::Array)) {
      ++at_;
      open_.pop_back();
      expect_ = Expect::AfterValue;
      return true;
    }
    return false;
  }

  // A quoted string; false when it never closes.
  bool string(QChar quote) {
    for (++at_; at_ < text_.size(); ++at_) {
      if (text_[at_] == u'\\') {
        ++at_;
      } else if (text_[at_] == quote) {
        ++at_;
        return true;
      }
    }
    return false;
  }

  // Digits, letters (hexadecimal digits, exponents), points, and a sign after an exponent.
  void number() {
    while (at_ < text_.size()) {
      const QChar c = text_[at_];
      const bool sign =
          (c == u'+' || c == u'-') && (text_[at_ - 1] == u'e' || text_[at_ - 1] == u'E');
      if (!(IsWordChar(c) || c == u'.' || sign)) break;
      ++at_;
    }
  }

  QStringView word() {
    const qsizetype start = at_;
    while (at_ < text_.size() && IsWordChar(text_[at_])) ++at_;
    return text_.mid(start, at_ - start);
  }

  QStringView text_;
  qsizetype at_ = 0;
  std::vector<Container> open_;
  Expect expect_ = Expect::Value;
  qsizetype values_ = 0;
};

}  // namespace

bool IsPlainLiteral(QStringView text) {
  return LiteralScanner(text).run();
}

}  // namespace om
