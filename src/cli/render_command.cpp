// zephlo-tool render: draws a mission's map to a PNG file, with no display.
#include "cli/pictures.h"
#include "cli/tool.h"
#include "core/map/battlefield.h"
#include "core/map/filters.h"
#include "core/map/map_cache.h"
#include "render/map_painter.h"

#include <QGuiApplication>
#include <QPainter>

#include <charconv>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <tuple>

namespace zephlo::tool {

namespace {

constexpr int kMaxImageSide = 16384;

std::optional<int> parseInt(const std::string& s) {
  int v = 0;
  const char* end = s.data() + s.size();
  auto [ptr, ec] = std::from_chars(s.data(), end, v);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return v;
}

std::optional<double> parseDouble(const std::string& s) {
  try {
    std::size_t used = 0;
    const double v = std::stod(s, &used);
    if (used != s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
  } catch (...) {
    return std::nullopt;
  }
}

// "A<sep>B" as two numbers.
template <class T, class Parse>
std::optional<std::pair<T, T>> parsePair(const std::string& s, char sep, Parse parse) {
  const auto at = s.find(sep);
  if (at == std::string::npos) return std::nullopt;
  auto a = parse(s.substr(0, at)), b = parse(s.substr(at + 1));
  if (!a || !b) return std::nullopt;
  return std::make_pair(*a, *b);
}

struct RenderArgs {
  std::string in, out;
  ViewMode mode = ViewMode::XY;
  int width = 1280, height = 800;
  int zoom = kInitialZoom;
  std::optional<std::pair<double, double>> centre;
  bool fit = false;
  int region = 1, order = 1, current = 0;
  bool names = false, allWaypoints = false, noGrid = false, iconsOnly = false;
};

// Fills args or returns the usage message.
std::string parseRenderArgs(const Args& a, RenderArgs& r) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::string& o = a[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= a.size()) return std::nullopt;
      return a[++i];
    };
    auto intIn = [&](int& target, int lo, int hi) -> std::string {
      auto v = value();
      auto n = v ? parseInt(*v) : std::nullopt;
      if (!n || *n < lo || *n > hi)
        return o + " takes a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
      target = *n;
      return {};
    };
    std::string err;
    if (o == "--view") {
      auto v = value();
      if (v == "xy")
        r.mode = ViewMode::XY;
      else if (v == "xz")
        r.mode = ViewMode::XZ;
      else if (v == "yz")
        r.mode = ViewMode::YZ;
      else
        err = "--view takes xy, xz or yz";
    } else if (o == "--size") {
      auto v = value();
      auto wh = v ? parsePair<int>(*v, 'x', parseInt) : std::nullopt;
      if (!wh || wh->first < 1 || wh->second < 1 || wh->first > kMaxImageSide ||
          wh->second > kMaxImageSide)
        err = "--size takes WIDTHxHEIGHT, each from 1 to " + std::to_string(kMaxImageSide);
      else
        std::tie(r.width, r.height) = *wh;
    } else if (o == "--zoom") {
      err = intIn(r.zoom, kMinZoom, kMaxZoom);
    } else if (o == "--centre" || o == "--center") {
      auto v = value();
      r.centre = v ? parsePair<double>(*v, ',', parseDouble) : std::nullopt;
      if (!r.centre) err = "--centre takes H,V in map units";
    } else if (o == "--fit") {
      r.fit = true;
    } else if (o == "--region") {
      err = intIn(r.region, 1, 4);
    } else if (o == "--order") {
      err = intIn(r.order, 1, 4);
    } else if (o == "--current") {
      err = intIn(r.current, 0, 65535);
    } else if (o == "--names") {
      r.names = true;
    } else if (o == "--all-waypoints") {
      r.allWaypoints = true;
    } else if (o == "--no-grid") {
      r.noGrid = true;
    } else if (o == "--icons-only") {
      r.iconsOnly = true;
    } else if (o.size() > 1 && o[0] == '-') {
      err = "render: unknown option '" + o + "'";
    } else {
      files.push_back(o);
    }
    if (!err.empty()) return err;
  }
  if (files.size() != 2) return "render takes two arguments: FILE OUT.png";
  if (r.fit && r.centre) return "--centre and --fit cannot be used together";
  r.in = files[0];
  r.out = files[1];
  return {};
}

int cmdRender(const Args& a) {
  RenderArgs r;
  if (std::string err = parseRenderArgs(a, r); !err.empty()) return usageError(err);
  const auto format = pictureFormatFor(r.out);
  if (!format) return usageError(unwritableFormat(r.out));
  auto doc = load(r.in);
  if (!doc) return kExitBadInput;
  const int count = static_cast<int>(doc->flightGroups.size());
  if (r.current != 0 && r.current >= count)
    return usageError("--current " + std::to_string(r.current) + ": " + r.in + " has " +
                      std::to_string(count) + " flight groups");

  const MapCache cache(*doc, r.region, r.order);
  MapView view;
  view.resize(r.width, r.height);
  view.mode = r.mode;
  view.currentRegion = r.region;
  view.currentOrder = r.order;
  view.currentFG = r.current;
  view.namesOn = r.names;
  view.waypoints = r.allWaypoints ? WaypointDisplay::All : WaypointDisplay::None;
  view.gridOn = !r.noGrid;
  view.iconsOnly = r.iconsOnly;
  MapFilters filters;
  filters.pressAll();
  view.shown = applyFilters(*doc, cache, filters, r.region);
  view.setZoom(r.zoom);
  if (r.fit)
    fitToBattlefield(view, computeBattlefield(*doc, view));
  else if (r.centre)
    view.centreOn(r.centre->first, r.centre->second);

  ensureGuiApplication();
  QImage image(r.width, r.height, QImage::Format_RGB32);
  {
    QPainter p(&image);
    paintMap(p, {*doc, cache}, view, MapOptions{});
  }
  return writePicture(image, r.out, *format);
}

} // namespace

std::vector<Command> renderCommands() {
  return {
      {"render",
       "  render FILE OUT.png [--view xy|xz|yz] [--size WxH] [--zoom Z]\n"
       "         [--centre H,V | --fit] [--region N] [--order N] [--current FG]\n"
       "         [--names] [--all-waypoints] [--no-grid] [--icons-only]\n"
       "                       draw the mission's map to a PNG image (zoom in pixels\n"
       "                       per km, centre in map units; default 1280x800, X-Y,\n"
       "                       zoom 32, centred on the origin)\n",
       cmdRender,
       "Usage: zephlo-tool render FILE OUT.png [OPTIONS]\n"
       "Draw the mission's map as the editor shows it, without a display. The picture\n"
       "takes the format its name's extension asks for (.png, .jpg, .bmp ...; PNG for\n"
       "'-').\n"
       "\nOptions:\n"
       "  --view xy|xz|yz      the two axes shown (default xy)\n"
       "  --size WxH           the picture's size in pixels (default 1280x800)\n"
       "  --zoom Z             pixels per kilometre, 4 to 2000 (default 32)\n"
       "  --centre H,V         the point in the middle, in map units (160 to the km)\n"
       "  --fit                fit the view to every flight group shown\n"
       "  --region N           the region shown, 1 to 4 (default 1)\n"
       "  --order N            the order whose waypoints are shown, 1 to 4 (default 1)\n"
       "  --current FG         the flight group drawn as the current one (default 0)\n"
       "  --names              write the flight groups' names\n"
       "  --all-waypoints      show every flight group's waypoints\n"
       "  --no-grid            leave the grid out\n"
       "  --icons-only         icons without wireframes\n"
       "\nExit status: 0, 2 bad arguments or FILE could not be read, 3 OUT could not\n"
       "be written.\n"},
  };
}

} // namespace zephlo::tool
