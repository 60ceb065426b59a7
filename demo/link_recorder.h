#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

namespace om {

// Takes the place of the browser while it lives: every link the program hands to the desktop
// (http, https and a few schemes that must never get there) is recorded instead of opened.
// Window thread only.
class LinkRecorder : public QObject {
  Q_OBJECT

 public:
  LinkRecorder();
  ~LinkRecorder() override;

  const QStringList& links() const { return links_; }

 public slots:
  void record(const QUrl& url);

 private:
  QStringList links_;
};

}  // namespace om
