#pragma once

#include <string>
#include "app/text.h"
#include "net/http_settings.h"
#include "net/sources/endpoints.h"
#include "net/sources/fetched.h"

namespace om {

// The Sogou epidemic page: the four national figures once more, with their rises against the
// day before.
//
// The figures block is the text between "分\"," (the end of the page's time text, which ends
// in the minute mark) and the next "},". Each figure is read after its member marker; the
// rises after "diagnosedAdd", "suspectAdd", "deathAdd" and "curedAdd" in the same block.
//
// Which rise is shown: every figure's own, each after "较昨日↑" in the small label under its
// figure; the confirmed rise is the headline one. The Sogou figures stand in for the Baidu
// summary while the Baidu page fails.
struct SogouFigures {
  Text confirmed;  // "diagnosed"
  Text cured;      // "cured"
  Text suspected;  // "suspect"
  Text dead;       // "death"
  Text confirmedRise;
  Text curedRise;
  Text suspectedRise;
  Text deadRise;

  bool isEmpty() const {
    return confirmed.isEmpty() && cured.isEmpty() && suspected.isEmpty() && dead.isEmpty();
  }
};

// The figures block; empty when either marker is missing.
Text SogouFiguresBlock(const Text& page);

// The figures of a whole page (GBK text); all empty without the block.
SogouFigures ParseSogouPage(const Text& page);

// "较昨日↑" followed by the rise; empty for an empty rise.
Text RiseText(const Text& rise);

std::string SogouPageAddress(const Endpoints& endpoints);

// Fetches the page and parses it. Fails when the page cannot be fetched or holds no figure.
Fetched<SogouFigures> FetchSogou(const Endpoints& endpoints, const TransferSettings& settings = {});

}  // namespace om
