#pragma once

#include <chrono>
#include <memory>

#include "app/text.h"

class QString;
class QJSValue;

namespace om {

// What TypeOf finds at a path.
enum class JsonType { None, String, Array, Object, Number, Boolean };

// One JSON value tree kept in a script engine of its own, read and changed by path.
//
// A path names a value relative to the root in the script's own member syntax: member names
// joined by full stops and array elements as an index in square brackets counted from 0, e.g.
// "newslist[3].date". The empty path names the root itself, and a path that starts with "["
// indexes a root array. Element indexes passed to the *Item operations count from 0 as well;
// a negative index fails.
//
// Every operation evaluates one short statement in the engine, under a time limit; a statement
// the engine rejects or that fails while it runs gives the empty text, 0, false or JsonType::None
// and raises nothing. The setters report whether their statement ran.
//
// Plain texts given to SetText are stored with U+2400 in place of each backslash and every text
// read out turns U+2400 back into a backslash, so a stored text reads back unchanged and is
// written out by ToJsonText as ready-escaped JSON string content.
//
// Threads: a document is created, used and released on one thread; copies share the engine
// (and the root) and stay on that thread. The engine needs a QCoreApplication to exist;
// without one the document has no engine and every operation fails.
class JsonDocument {
 public:
  // Texts of this many bytes and more are refused by Parse (json_document.cpp says why), and
  // so are texts other than plain literals (see data/script_literal.h).
  static constexpr int kMaxTextBytes = 4 * 1024 * 1024;
  static constexpr std::chrono::milliseconds kDefaultTimeLimit{2000};

  JsonDocument();

  // True when the engine exists (a QCoreApplication was there when the document was made).
  bool HasEngine() const;
  // Time limit of every evaluation on this document's engine (shared with copies).
  void SetTimeLimit(std::chrono::milliseconds limit);

  // Loads a JSON text (a plain script literal: member names without quotes and texts in
  // apostrophes load too, code does not) as the new root. True when the root
  // then holds a value other than null; a failed Parse leaves the root as it was.
  bool Parse(const Text& json);

  Text ToJsonText(const Text& path) const;
  Text GetText(const Text& path) const;
  JsonType TypeOf(const Text& path) const;
  bool IsNull(const Text& path) const;
  int ItemCount(const Text& path) const;
  // Member names of the object at the path, separated by carriage return and line feed.
  Text MemberNames(const Text& path) const;

  bool SetText(const Text& path, const Text& text);
  // `value` is script text: a JSON text, a number, true, false or null.
  bool SetValue(const Text& path, const Text& value);
  bool SetNull(const Text& path);
  bool SetEmptyObject(const Text& path);
  // Merges `value` into the target: arrays are appended to, objects merged member by member.
  bool Extend(const Text& path, const Text& value);
  // Appends `value` to the array at the path, making the target a new array when it is none.
  bool Append(const Text& path, const Text& value);

  Text ItemText(const Text& path, int index) const;
  Text ItemJsonText(const Text& path, int index) const;
  bool SetItem(const Text& path, int index, const Text& value);
  bool RemoveItem(const Text& path, int index);
  bool DeleteMember(const Text& path);

 private:
  struct Engine;

  bool run(const QString& statement, QJSValue* result = nullptr) const;
  bool read(const QString& expression, QJSValue* result) const;
  Text textOf(const QString& expression) const;

  std::shared_ptr<Engine> engine_;
};

}  // namespace om
