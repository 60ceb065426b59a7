#include "data/js_regex_syntax.h"

namespace om {
namespace {

bool isDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

bool isHex(QChar c) {
  return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isAsciiLetter(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A backslash and a letter that is no escape of the component's dialect.
bool isIdentityEscape(QChar c) {
  static const QString kEscapeLetters = QStringLiteral("dDwWsSbBnrtfvcxu");
  return isAsciiLetter(c) && !kEscapeLetters.contains(c);
}

// Length of the repetition count that starts at `at` ("{2}", "{2,}", "{2,5}"), or 0 when the
// brace there is a literal one.
qsizetype countQuantifierLength(const QString& p, qsizetype at) {
  qsizetype i = at + 1;
  const qsizetype n = p.size();
  qsizetype digits = 0;
  while (i < n && isDigit(p[i])) ++i, ++digits;
  if (digits == 0) return 0;
  if (i < n && p[i] == u',') {
    ++i;
    while (i < n && isDigit(p[i])) ++i;
  }
  if (i < n && p[i] == u'}') return i + 1 - at;
  return 0;
}

// Appends the escape that starts at p[i] (a backslash) and returns how many characters it
// took.
qsizetype appendEscape(const QString& p, qsizetype i, QString& out) {
  const qsizetype n = p.size();
  if (i + 1 >= n) {
    out += u'\\';  // a lone trailing backslash: left for PCRE2 to reject
    return 1;
  }
  const QChar next = p[i + 1];
  if (next == u'u' && i + 5 < n && isHex(p[i + 2]) && isHex(p[i + 3]) && isHex(p[i + 4]) &&
      isHex(p[i + 5])) {
    out += QStringLiteral("\\x{") + p.mid(i + 2, 4) + u'}';
    return 6;
  }
  if (next == u'v') {
    out += QStringLiteral("\\x0B");
    return 2;
  }
  if (next == u'x' && !(i + 3 < n && isHex(p[i + 2]) && isHex(p[i + 3]))) {
    out += u'x';  // no two hex digits: the letter itself
    return 2;
  }
  if (isIdentityEscape(next)) {
    // A letter with no escape meaning in the component stands for itself; PCRE2 would read
    // many of them (\A, \e, \h, \Q, \z, ...) as escapes of its own or reject them.
    out += next;
    return 2;
  }
  out += u'\\';
  out += next;
  return 2;
}

}  // namespace

QString translateJsPattern(const QString& p, bool multiLine) {
  // (*LF): a line feed alone ends a line, whatever newline default PCRE2 was built with.
  QString out = QStringLiteral("(*LF)");
  out.reserve(p.size() + 16);
  bool inClass = false;
  const qsizetype n = p.size();
  for (qsizetype i = 0; i < n;) {
    const QChar c = p[i];
    if (c == u'\\') {
      i += appendEscape(p, i, out);
    } else if (inClass) {
      if (c == u']') inClass = false;
      out += (c == u'[') ? QStringLiteral("\\[") : QString(c);
      ++i;
    } else if (c == u'[') {
      if (p.mid(i, 2) == QStringLiteral("[]")) {
        out += QStringLiteral("(?!)");
        i += 2;
      } else if (p.mid(i, 3) == QStringLiteral("[^]")) {
        out += QStringLiteral("[\\s\\S]");
        i += 3;
      } else {
        inClass = true;
        out += c;
        ++i;
        if (i < n && p[i] == u'^') out += p[i++];
        // A "]" right after the opening bracket would be literal in PCRE2 but ends an empty
        // class in the component; the two cases above already took it.
      }
    } else if (c == u'{') {
      const qsizetype len = countQuantifierLength(p, i);
      if (len > 0) {
        out += p.mid(i, len);
        i += len;
      } else {
        out += QStringLiteral("\\{");
        ++i;
      }
    } else if (c == u'}') {
      out += QStringLiteral("\\}");
      ++i;
    } else if (c == u'$' && !multiLine) {
      out += QStringLiteral("\\z");
      ++i;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

QString expandJsReplacement(const QString& r, const QRegularExpressionMatch& match,
                            const QString& subject, int groupCount) {
  QString out;
  const qsizetype n = r.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = r[i];
    if (c != u'$' || i + 1 >= n) {
      out += c;
      continue;
    }
    const QChar next = r[i + 1];
    if (next == u'$') {
      out += u'$';
      ++i;
    } else if (next == u'&') {
      out += match.captured(0);
      ++i;
    } else if (next == u'`') {
      out += subject.left(match.capturedStart(0));
      ++i;
    } else if (next == u'\'') {
      out += subject.mid(match.capturedEnd(0));
      ++i;
    } else if (isDigit(next)) {
      const int one = next.unicode() - u'0';
      const bool hasSecond = i + 2 < n && isDigit(r[i + 2]);
      const int two = hasSecond ? one * 10 + (r[i + 2].unicode() - u'0') : 0;
      if (hasSecond && two >= 1 && two <= groupCount) {
        out += match.captured(two);
        i += 2;
      } else if (one >= 1 && one <= groupCount) {
        out += match.captured(one);
        i += 1;
      } else {
        out += c;  // "$0" or a group the pattern lacks: the dollar stays as it is
      }
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace om
