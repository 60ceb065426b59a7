#include "ui/artwork.h"

#include <QFile>
#include <QString>

namespace om {

ImageBytes Artwork(std::string_view name) {
  QFile file(QStringLiteral(":/artwork/") +
             QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return ImageBytes(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace om
