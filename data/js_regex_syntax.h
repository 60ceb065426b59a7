#pragma once

#include <QRegularExpression>
#include <QString>

namespace om {

// Rewrites a pattern of the JavaScript/VBScript regex dialect into the PCRE2 pattern that means
// the same, where the two dialects differ in ways the program can meet:
//  - a line feed is the only line break, so a full stop matches everything but a line feed;
//  - a brace that does not open a repetition count ({n}, {n,}, {n,m}) is a literal brace, and
//    so is every closing brace outside one;
//  - without the multi-line option "$" matches only at the very end, not before a final line
//    feed;
//  - a backslash before a letter that is no escape of the dialect (\A, \e, \i, ...) and \x
//    without two hex digits give the letter itself;
//  - \uXXXX is a UTF-16 code unit, \v a vertical tab, "[]" matches nothing and "[^]" anything,
//    "[" inside a class is literal.
// \w, \d and \s keep their ASCII meaning because the Unicode-properties option stays off.
QString translateJsPattern(const QString& pattern, bool multiLine);

// The replacement text for one match, in the component's replacement syntax: $1..$99 (two
// digits when such a group exists, else one), $& the match, $` the text before it, $' the
// text after it, $$ a dollar sign. Anything else is copied as it is.
QString expandJsReplacement(const QString& replacement, const QRegularExpressionMatch& match,
                            const QString& subject, int groupCount);

}  // namespace om
