#pragma once

#include <memory>

#include "app/text.h"

namespace om {

// One regular-expression search over a text, with its matches and groups read one by one.
// Patterns use the syntax of the JavaScript/VBScript regex component (lazy repetition, groups,
// ASCII \w, \d and \s, braces that stand for themselves when they are no repetition count);
// they run on PCRE2 through QRegularExpression after a small translation.
//
// Match and group indexes count from 0 for matches and from 1 for groups; positions count
// from 0 in UTF-16 code units of the searched text. A rejected pattern, an index beyond the
// last entry or a reading before any search gives the empty text, 0 or false.
//
// Copies share the pattern and options and the matches of the last search made before the
// copy; a later search replaces the matches of the object it runs on only. An object is used on
// one thread at a time.
class RegexObject {
 public:
  RegexObject();

  // A global search stops after this many matches (0, the default: it finds them all), so a
  // caller that keeps only the first entries of a long answer does not pay for the rest.
  void SetMatchLimit(int limit);
  // Runs the pattern over the subject. Every "#引号" in the pattern stands for a double quote.
  // The single-line option is accepted and ignored: a full stop never matches a line feed.
  // False when the pattern is rejected; the object then holds no matches.
  bool Search(const Text& pattern, const Text& subject, bool ignoreCase = false,
              bool multiLine = false, bool singleLine = false, bool global = false);

  // The text with the matches of the last search's pattern replaced (every match when that
  // search was global, else the first). The replacement may use $1..$99, $&, $`, $' and $$.
  Text ReplaceText(const Text& text, const Text& replacement) const;

  int MatchCount() const;
  Text MatchText(int match) const;
  int MatchPosition(int match) const;
  // The text group `group` (from 1) captured in the match; empty when it took no part.
  Text GroupText(int match, int group) const;
  // The number of capture groups of the pattern, as seen by the match.
  int GroupCount(int match) const;

 private:
  struct Component;
  struct Matches;
  std::shared_ptr<Component> component_;
  std::shared_ptr<const Matches> matches_;
};

}  // namespace om
