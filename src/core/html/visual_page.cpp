#include "html/visual_page.h"

#include <algorithm>

#include "base/sjis.h"

namespace quelt {
namespace {

void Take(PageColour& to, const BodyColour& from) {
  to.apply = from.set;
  if (from.set) to.colour = from.colour;
}

BodyColour BodyColourOf(const PageColour& c) { return {c.apply, c.apply ? c.colour : 0}; }

}  // namespace

PageTagSettings PageSheetOfBody(const BodySettings& body, PageTagSettings last) {
  last.title = body.title;
  last.backgroundImage = body.backgroundImage;
  Take(last.background, body.background);
  Take(last.text, body.text);
  Take(last.link, body.link);
  Take(last.visitedLink, body.visitedLink);
  Take(last.activeLink, body.activeLink);
  return last;
}

BodySettings BodyOfPageSheet(const PageTagSettings& sheet) {
  BodySettings body;
  std::size_t end = 0;
  while (end < sheet.title.size()) {
    const std::size_t size = IsSjisLeadByte(static_cast<unsigned char>(sheet.title[end])) ? 2 : 1;
    if (end + size > kMaxVisualTitleBytes) break;
    end += size;
  }
  body.title = sheet.title.substr(0, std::min(end, sheet.title.size()));
  body.backgroundImage = sheet.backgroundImage;
  body.background = BodyColourOf(sheet.background);
  body.text = BodyColourOf(sheet.text);
  body.link = BodyColourOf(sheet.link);
  body.visitedLink = BodyColourOf(sheet.visitedLink);
  body.activeLink = BodyColourOf(sheet.activeLink);
  return body;
}

}  // namespace quelt
