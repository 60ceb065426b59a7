#include "data/json_document.h"

#include <QCoreApplication>
#include <QHash>
#include <QJSEngine>
#include <QJSValue>
#include <QString>
#include <QStringList>

#include "data/eval_watchdog.h"
#include "data/expression_shape.h"
#include "data/json_helper_script.h"
#include "data/qt_text.h"
#include "data/script_literal.h"

namespace om {
namespace {

// Parse hands the fetched text to the engine as script source. The engine keeps the source,
// its UTF-16 copy, the compiled literal and the tree at once, up to tens of bytes for every
// byte of the text, so the cap keeps one hostile or broken answer from taking hundreds of
// megabytes; the real answers are well below a megabyte. Every other statement is the program's own
// and far shorter.
constexpr qsizetype kMaxStatementChars = JsonDocument::kMaxTextBytes + 1024;

const QString kRoot = QStringLiteral("json__root");
const QString kStaging = QStringLiteral("json__parsed");
const QString kReadOut = QStringLiteral(".replace(str_reg, '\\\\')");

// The rewriting of a plain text into the body of a script literal in apostrophes.
QString scriptLiteralBody(const Text& text) {
  const QString plain = toQString(text);
  QString out;
  out.reserve(plain.size() + 8);
  for (QChar c : plain) {
    switch (c.unicode()) {
      case u'\\':
        out += QStringLiteral("\\\\");
        break;
      case u'\'':
        out += QStringLiteral("\\'");
        break;
      case u'"':
        out += QStringLiteral("\\\"");
        break;
      case u'\r':
        out += QStringLiteral("\\r");
        break;
      case u'\n':
        out += QStringLiteral("\\n");
        break;
      default:
        out += c;
    }
  }
  return out;
}

// The target expression of a path.
QString target(const Text& path) {
  if (path.isEmpty()) return kRoot;
  const QString p = toQString(path);
  return p.startsWith(u'[') ? kRoot + p : kRoot + u'.' + p;
}

QString number(int index) {
  return QString::number(index);
}

}  // namespace

struct JsonDocument::Engine {
  std::unique_ptr<QJSEngine> js;
  std::chrono::milliseconds timeLimit = kDefaultTimeLimit;
  // Compiled read expressions by shape; see read().
  QHash<QString, QJSValue> readers;
  // A read of the program's own runs in no time unless the tree itself runs script (getters,
  // say): once a read runs out of time the tree is taken for hostile, and later reads fail at
  // once until a Parse brings a new tree. Otherwise one answer could hold its task for the
  // time limit on every field it has.
  bool hostileTree = false;
};

namespace {
constexpr qsizetype kMaxReaders = 256;
}  // namespace

JsonDocument::JsonDocument() : engine_(std::make_shared<Engine>()) {
  // QJSEngine aborts the process when no application object exists; a document without an
  // engine fails every operation quietly instead.
  if (!QCoreApplication::instance()) return;
  engine_->js = std::make_unique<QJSEngine>();
  // The engine's own JSON object and date serialiser go first, so that the helper script
  // installs its serialiser: the output is then the same as on the engines the script was
  // written for, whatever this engine's version. No extensions are installed: the script sees
  // the language's built-ins only, no host objects.
  const std::string_view script = JsonHelperScript();
  const bool ready =
      run(QStringLiteral("delete this.JSON; delete Date.prototype.toJSON")) &&
      run(QString::fromLatin1(script.data(), static_cast<qsizetype>(script.size()))) &&
      run(QStringLiteral("var ") + kRoot + QStringLiteral(" = {}, ") + kStaging +
          QStringLiteral(" = null, str_Code = String.fromCharCode(9216), "
                         "str_reg = new RegExp(str_Code, 'g')"));
  if (!ready) engine_->js.reset();
}

bool JsonDocument::HasEngine() const {
  return engine_->js != nullptr;
}

void JsonDocument::SetTimeLimit(std::chrono::milliseconds limit) {
  engine_->timeLimit = limit;
}

bool JsonDocument::run(const QString& statement, QJSValue* result) const {
  QJSEngine* js = engine_->js.get();
  if (!js || statement.size() > kMaxStatementChars) return false;
  QStringList trace;
  QJSValue value;
  {
    EvalWatchdog::Guard guard(js, engine_->timeLimit);
    value = js->evaluate(statement, QString(), 1, &trace);
  }
  // A thrown value leaves a stack trace; a rejected statement or an interrupted run gives an
  // error object.
  if (!trace.isEmpty() || value.isError()) return false;
  if (result) *result = value;
  return true;
}

bool JsonDocument::read(const QString& expression, QJSValue* result) const {
  // The engine compiles every text it evaluates, which costs far more than running a path
  // read. Sources read the same member of element after element, so each read expression is
  // compiled once per shape into a function that takes the element indexes as arguments and
  // tells a thrown error from a value; the reads are then calls. The function reads exactly
  // what the expression would.
  Engine& engine = *engine_;
  if (!engine.js || engine.hostileTree) return false;
  const ExpressionShape shape = shapeOf(expression);
  auto found = engine.readers.constFind(shape.text);
  QJSValue reader;
  if (found != engine.readers.constEnd()) {
    reader = *found;
  } else {
    const QString source = QStringLiteral("(function (") + shapeParameters(shape.indexes.size()) +
                           QStringLiteral(") { try { return [") + shape.text +
                           QStringLiteral("\n]; } catch (e) { return null; } })");
    if (!run(source, &reader) || !reader.isCallable()) return false;
    if (engine.readers.size() >= kMaxReaders) engine.readers.clear();
    engine.readers.insert(shape.text, reader);
  }
  QJSValueList arguments;
  for (int index : shape.indexes) arguments.append(QJSValue(index));
  QJSValue value;
  const auto started = std::chrono::steady_clock::now();
  {
    EvalWatchdog::Guard guard(engine.js.get(), engine.timeLimit);
    value = reader.call(arguments);
  }
  if (!value.isArray()) {  // null: the expression threw; an error: interrupted
    if (std::chrono::steady_clock::now() - started >= engine.timeLimit) engine.hostileTree = true;
    return false;
  }
  if (result) *result = value.property(0);
  return true;
}

Text JsonDocument::textOf(const QString& expression) const {
  QJSValue value;
  if (!read(expression, &value)) return Text();
  return fromQString(value.toString());
}

bool JsonDocument::Parse(const Text& json) {
  if (json.length() >= kMaxTextBytes || !HasEngine()) return false;
  // Only a plain literal reaches the engine: script in a fetched text could loop inside one
  // built-in call, where the time limit cannot reach it, or take gigabytes in a second.
  const QString text = toQString(json);
  if (!IsPlainLiteral(text)) return false;
  // The text is evaluated as an expression in parentheses; the line feed ends a comment the
  // text may close with. It lands in a staging variable so that a failure keeps the root.
  QJSValue loaded;
  const bool ok = run(kStaging + QStringLiteral(" = (") + text + QStringLiteral("\n)")) &&
                  run(kStaging + QStringLiteral(" != null"), &loaded) && loaded.toBool() &&
                  run(kRoot + QStringLiteral(" = ") + kStaging);
  run(kStaging + QStringLiteral(" = null"));
  if (ok) engine_->hostileTree = false;
  return ok;
}

Text JsonDocument::ToJsonText(const Text& path) const {
  return textOf(QStringLiteral("JSON.stringify(") + target(path) + u')' + kReadOut);
}

Text JsonDocument::GetText(const Text& path) const {
  return textOf(target(path) + kReadOut);
}

JsonType JsonDocument::TypeOf(const Text& path) const {
  QJSValue kind;
  if (!read(QStringLiteral("Object.prototype.toString.call(") + target(path) + u')', &kind))
    return JsonType::None;
  static const std::pair<QString, JsonType> kinds[] = {
      {QStringLiteral("[object String]"), JsonType::String},
      {QStringLiteral("[object Array]"), JsonType::Array},
      {QStringLiteral("[object Object]"), JsonType::Object},
      {QStringLiteral("[object Number]"), JsonType::Number},
      {QStringLiteral("[object Boolean]"), JsonType::Boolean},
  };
  const QString name = kind.toString();
  for (const auto& [known, type] : kinds)
    if (name == known) return type;
  return JsonType::None;
}

bool JsonDocument::IsNull(const Text& path) const {
  QJSValue value;
  return read(target(path) + QStringLiteral(" == null"), &value) && value.toBool();
}

int JsonDocument::ItemCount(const Text& path) const {
  QJSValue value;
  if (!read(QStringLiteral("get__count(") + target(path) + u')', &value)) return 0;
  return value.toInt();
}

Text JsonDocument::MemberNames(const Text& path) const {
  return textOf(QStringLiteral("get__name_All(") + target(path) + u')');
}

bool JsonDocument::SetText(const Text& path, const Text& text) {
  return run(target(path) + QStringLiteral(" = '") + scriptLiteralBody(text) +
             QStringLiteral("'.replace(/\\\\/g, str_Code)"));
}

bool JsonDocument::SetValue(const Text& path, const Text& value) {
  return run(target(path) + QStringLiteral(" = ") + toQString(value));
}

bool JsonDocument::SetNull(const Text& path) {
  return run(target(path) + QStringLiteral(" = null"));
}

bool JsonDocument::SetEmptyObject(const Text& path) {
  return run(target(path) + QStringLiteral(" = {}"));
}

bool JsonDocument::Extend(const Text& path, const Text& value) {
  const QString p = target(path);
  return run(p + QStringLiteral(" = get__extend(") + p + QStringLiteral(", ") + toQString(value) +
             u')');
}

bool JsonDocument::Append(const Text& path, const Text& value) {
  const QString p = target(path);
  return run(QStringLiteral("if (Object.prototype.toString.call(") + p +
             QStringLiteral(") != '[object Array]') { ") + p + QStringLiteral(" = new Array() } ") +
             p + QStringLiteral(".push(") + toQString(value) + u')');
}

Text JsonDocument::ItemText(const Text& path, int index) const {
  if (index < 0) return Text();
  return textOf(target(path) + u'[' + number(index) + u']' + kReadOut);
}

Text JsonDocument::ItemJsonText(const Text& path, int index) const {
  if (index < 0) return Text();
  return textOf(QStringLiteral("JSON.stringify(") + target(path) + u'[' + number(index) +
                QStringLiteral("])") + kReadOut);
}

bool JsonDocument::SetItem(const Text& path, int index, const Text& value) {
  if (index < 0) return false;
  return run(target(path) + u'[' + number(index) + QStringLiteral("] = ") + toQString(value));
}

bool JsonDocument::RemoveItem(const Text& path, int index) {
  // A negative index would count from the end in splice; callers' indexes count from 0.
  if (index < 0) return false;
  return run(target(path) + QStringLiteral(".splice(") + number(index) + QStringLiteral(", 1)"));
}

bool JsonDocument::DeleteMember(const Text& path) {
  return run(QStringLiteral("delete ") + target(path));
}

}  // namespace om
