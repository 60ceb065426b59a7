#include "demo/link_recorder.h"

#include <QDesktopServices>

namespace om {

namespace {

// The web schemes, and others a link could carry that must never reach the desktop: were one
// let through, it is recorded, so a test sees it.
QStringList Schemes() {
  return {QStringLiteral("http"), QStringLiteral("https"),      QStringLiteral("file"),
          QStringLiteral("ftp"),  QStringLiteral("javascript"), QStringLiteral("mailto")};
}

}  // namespace

LinkRecorder::LinkRecorder() {
  for (const QString& scheme : Schemes()) QDesktopServices::setUrlHandler(scheme, this, "record");
}

LinkRecorder::~LinkRecorder() {
  for (const QString& scheme : Schemes()) QDesktopServices::unsetUrlHandler(scheme);
}

void LinkRecorder::record(const QUrl& url) {
  links_.append(url.toString());
}

}  // namespace om
