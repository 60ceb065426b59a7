#pragma once

#include <gtest/gtest.h>

#include <QJSEngine>
#include <QString>
#include <string>

#include "data/json_helper_script.h"

namespace om {

// A bare engine loaded with the helper script the way a JSON document loads it (the engine's
// own JSON object and date serialiser removed first), for reading script results directly.
class ScriptEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(eval("delete this.JSON; delete Date.prototype.toJSON").isError());
    load();
  }

  void load() {
    const std::string_view script = JsonHelperScript();
    QJSValue r = engine_.evaluate(QString::fromLatin1(script.data(), qsizetype(script.size())));
    ASSERT_FALSE(r.isError()) << r.toString().toStdString();
  }

  QJSValue eval(const std::string& code) { return engine_.evaluate(QString::fromStdString(code)); }

  // The result as UTF-8 text; "<error: ...>" when the code threw.
  std::string text(const std::string& code) {
    QStringList trace;
    QJSValue r = engine_.evaluate(QString::fromStdString(code), QString(), 1, &trace);
    if (!trace.isEmpty() || r.isError()) return "<error: " + r.toString().toStdString() + ">";
    return r.toString().toStdString();
  }

  QJSEngine engine_;
};

}  // namespace om
