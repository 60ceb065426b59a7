#include "net/sources/markers.h"
#include "net/sources/sogou_source.h"

namespace om {

Text SogouFiguresBlock(const Text& page) {
  return CutBetween(page, T("分\","), T("},"));
}

SogouFigures ParseSogouPage(const Text& page) {
  Text block = SogouFiguresBlock(page);
  SogouFigures figures;
  if (block.isEmpty()) return figures;
  figures.confirmed = CountAfter(block, NumberMember("diagnosed"));
  figures.cured = CountAfter(block, NumberMember("cured"));
  figures.suspected = CountAfter(block, NumberMember("suspect"));
  figures.dead = CountAfter(block, NumberMember("death"));
  figures.confirmedRise = CountAfter(block, NumberMember("diagnosedAdd"));
  figures.curedRise = CountAfter(block, NumberMember("curedAdd"));
  figures.suspectedRise = CountAfter(block, NumberMember("suspectAdd"));
  figures.deadRise = CountAfter(block, NumberMember("deathAdd"));
  return figures;
}

Text RiseText(const Text& rise) {
  return rise.isEmpty() ? Text() : T("较昨日↑") + rise;
}

}  // namespace om
