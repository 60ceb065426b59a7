#include "data/regex_object.h"

#include <QRegularExpression>
#include <algorithm>
#include <vector>

#include "data/js_regex_syntax.h"
#include "data/qt_text.h"

namespace om {

// The pattern and options of the last search; copies of the object share it.
struct RegexObject::Component {
  QRegularExpression regex;
  bool global = false;
  bool searched = false;
  int matchLimit = 0;
};

struct RegexObject::Matches {
  struct Match {
    QString text;
    qsizetype position = 0;
    std::vector<QString> groups;  // group 1 at index 0; a null string for a group not taking part
  };
  std::vector<Match> list;
  int groupCount = 0;

  const Match* at(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return nullptr;
    return &list[static_cast<size_t>(index)];
  }
};

namespace {

const QString& quotePlaceholder() {
  static const QString placeholder = QString::fromUtf8("#引号");
  return placeholder;
}

}  // namespace

RegexObject::RegexObject() : component_(std::make_shared<Component>()) {}

void RegexObject::SetMatchLimit(int limit) {
  component_->matchLimit = std::max(0, limit);
}

bool RegexObject::Search(const Text& pattern, const Text& subject, bool ignoreCase, bool multiLine,
                         bool /*singleLine*/, bool global) {
  // The single-line option has no counterpart on the component the program was written for,
  // so setting it never changed a result; it is accepted and ignored.
  QString source = toQString(pattern);
  source.replace(quotePlaceholder(), QStringLiteral("\""));
  QRegularExpression::PatternOptions options = QRegularExpression::NoPatternOption;
  if (ignoreCase) options |= QRegularExpression::CaseInsensitiveOption;
  if (multiLine) options |= QRegularExpression::MultilineOption;
  component_->regex = QRegularExpression(translateJsPattern(source, multiLine), options);
  component_->global = global;
  component_->searched = true;

  auto matches = std::make_shared<Matches>();
  matches_ = matches;
  if (!component_->regex.isValid()) return false;

  matches->groupCount = component_->regex.captureCount();
  const QString text = toQString(subject);
  auto keep = [&](const QRegularExpressionMatch& m) {
    Matches::Match entry{m.captured(0), m.capturedStart(0), {}};
    for (int g = 1; g <= matches->groupCount; ++g) entry.groups.push_back(m.captured(g));
    matches->list.push_back(std::move(entry));
  };
  if (global) {
    auto it = component_->regex.globalMatch(text);
    const auto limit = static_cast<size_t>(component_->matchLimit);
    while (it.hasNext() && (limit == 0 || matches->list.size() < limit)) keep(it.next());
  } else {
    const QRegularExpressionMatch m = component_->regex.match(text);
    if (m.hasMatch()) keep(m);
  }
  return true;
}

Text RegexObject::ReplaceText(const Text& text, const Text& replacement) const {
  const Component& c = *component_;
  if (!c.searched || !c.regex.isValid()) return Text();
  const QString subject = toQString(text);
  const QString with = toQString(replacement);
  const int groupCount = c.regex.captureCount();
  QString out;
  qsizetype copied = 0;
  auto apply = [&](const QRegularExpressionMatch& m) {
    out += QStringView(subject).mid(copied, m.capturedStart(0) - copied);
    out += expandJsReplacement(with, m, subject, groupCount);
    copied = m.capturedEnd(0);
  };
  if (c.global) {
    auto it = c.regex.globalMatch(subject);
    while (it.hasNext()) apply(it.next());
  } else {
    const QRegularExpressionMatch m = c.regex.match(subject);
    if (m.hasMatch()) apply(m);
  }
  out += QStringView(subject).mid(copied);
  return fromQString(out);
}

int RegexObject::MatchCount() const {
  return matches_ ? static_cast<int>(matches_->list.size()) : 0;
}

Text RegexObject::MatchText(int match) const {
  const Matches::Match* m = matches_ ? matches_->at(match) : nullptr;
  return m ? fromQString(m->text) : Text();
}

int RegexObject::MatchPosition(int match) const {
  const Matches::Match* m = matches_ ? matches_->at(match) : nullptr;
  return m ? static_cast<int>(m->position) : 0;
}

Text RegexObject::GroupText(int match, int group) const {
  const Matches::Match* m = matches_ ? matches_->at(match) : nullptr;
  if (!m || group < 1 || static_cast<size_t>(group) > m->groups.size()) return Text();
  return fromQString(m->groups[static_cast<size_t>(group) - 1]);
}

int RegexObject::GroupCount(int match) const {
  const Matches::Match* m = matches_ ? matches_->at(match) : nullptr;
  return m ? static_cast<int>(m->groups.size()) : 0;
}

}  // namespace om
