#include "tools/nautrec/NmeaReplay.h"

#include <cstdlib>
#include <optional>
#include <vector>

#include "app/base/NumberFormat.h"

namespace velmara::nautrec {
namespace {

std::vector<std::string_view> SplitFields(std::string_view body) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= body.size(); ++i) {
    if (i == body.size() || body[i] == ',') {
      fields.push_back(body.substr(start, i - start));
      start = i + 1;
    }
  }
  return fields;
}

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return std::nullopt;
}

// "ddmm.mmmm" with its hemisphere letter; nullopt when unreadable.
std::optional<double> Coordinate(std::string_view value, std::string_view hemisphere, int degreeDigits) {
  if (value.size() < static_cast<std::size_t>(degreeDigits) + 2) return std::nullopt;
  const auto degrees = ParseInteger(value.substr(0, degreeDigits));
  const auto minutes = ParseFloat(value.substr(degreeDigits));
  if (!degrees || !minutes || *minutes < 0 || *minutes >= 60) return std::nullopt;
  double result = *degrees + *minutes / 60.0;
  if (hemisphere == "S" || hemisphere == "W") result = -result;
  else if (hemisphere != "N" && hemisphere != "E") return std::nullopt;
  return result;
}

}  // namespace

NmeaReplay::Line NmeaReplay::Refuse(std::string problem) {
  ++malformed_;
  lastProblem_ = std::move(problem);
  return Line::Malformed;
}

NmeaReplay::Line NmeaReplay::Feed(std::string_view line, VesselState& state) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' ')) line.remove_suffix(1);
  if (line.empty() || (line[0] != '$' && line[0] != '!')) return Line::Ignored;
  std::string_view body = line.substr(1);
  if (const auto star = body.find('*'); star != std::string_view::npos) {
    if (star + 3 != body.size()) return Refuse("checksum field malformed");
    const auto high = HexDigit(body[star + 1]), low = HexDigit(body[star + 2]);
    if (!high || !low) return Refuse("checksum not hexadecimal");
    unsigned sum = 0;
    for (char c : body.substr(0, star)) sum ^= static_cast<unsigned char>(c);
    if (sum != static_cast<unsigned>(*high * 16 + *low)) return Refuse("bad checksum");
    body = body.substr(0, star);
  }
  const std::vector<std::string_view> f = SplitFields(body);
  if (f[0].size() < 5) return Refuse("address field too short");
  const std::string_view sentence = f[0].substr(f[0].size() - 3);
  auto needs = [&](std::size_t count) { return f.size() >= count; };

  if (sentence == "GGA") {
    if (!needs(7)) return Refuse("GGA too short");
    const auto lat = Coordinate(f[2], f[3], 2), lon = Coordinate(f[4], f[5], 3);
    const auto quality = ParseInteger(f[6]);
    if (!quality) return Refuse("GGA fix quality unreadable");
    if (*quality == 0 || !lat || !lon) {
      state.status |= StatusNoNewPosition;
    } else {
      state.lat = *lat;
      state.lon = *lon;
      state.status &= ~StatusNoNewPosition;
    }
    ++accepted_;
    return Line::PositionFix;
  }
  if (sentence == "RMC") {
    if (!needs(10)) return Refuse("RMC too short");
    const auto lat = Coordinate(f[3], f[4], 2), lon = Coordinate(f[5], f[6], 3);
    if (f[2] != "A" || !lat || !lon) {
      state.status |= StatusNoNewPosition;
    } else {
      state.lat = *lat;
      state.lon = *lon;
      state.status &= ~StatusNoNewPosition;
      if (const auto sog = ParseFloat(f[7])) state.speedKnots = *sog;
      if (const auto cog = ParseFloat(f[8])) state.heading = *cog;
    }
    const bool dateReadable = f[9].size() == 6 && ParseInteger(f[9]).has_value();
    if (dateReadable) state.status &= ~StatusInvalidGpsDate;
    else state.status |= StatusInvalidGpsDate;
    ++accepted_;
    return Line::PositionFix;
  }
  if (sentence == "HDT") {
    if (!needs(2)) return Refuse("HDT too short");
    const auto heading = ParseFloat(f[1]);
    if (!heading) return Refuse("HDT heading unreadable");
    state.heading = *heading;
  } else if (sentence == "VTG") {
    if (!needs(6)) return Refuse("VTG too short");
    if (const auto course = ParseFloat(f[1])) state.heading = *course;
    if (const auto speed = ParseFloat(f[5])) state.speedKnots = *speed;
  } else if (sentence == "DPT") {
    if (!needs(2)) return Refuse("DPT too short");
    const auto depth = ParseFloat(f[1]);
    if (!depth) return Refuse("DPT depth unreadable");
    const auto offset = needs(3) ? ParseFloat(f[2]) : std::nullopt;
    depth_ = *depth + (offset && *offset > 0 ? *offset : 0.0);  // a positive offset is to the water line
  } else if (sentence == "DBT") {
    if (!needs(5)) return Refuse("DBT too short");
    const auto metres = ParseFloat(f[3]);
    if (!metres) return Refuse("DBT depth unreadable");
    depth_ = *metres;
  } else {
    return Line::Ignored;
  }
  ++accepted_;
  return Line::Accepted;
}

}  // namespace velmara::nautrec
