// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// Writes the windows' table of scenarios as JSON, for the tests in
// JavaScript and Python:  scenarios_json OUTPUT

#include <fstream>
#include <string>
#include <vector>

#include "tests/window/scenarios.h"

namespace {

// The texts hold no control characters: quotes and backslashes alone.
std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' || c == '\\' ? std::string{'\\', c} : std::string{c};
  return quoted + '"';
}

std::string List(const std::vector<std::string>& words) {
  std::string list = "[";
  for (const std::string& word : words) list += (list.size() > 1 ? ", " : "") + Quoted(word);
  return list + "]";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::ofstream out(argv[1]);
  out << "{\"tabStops\": [";
  const char* comma = "";
  for (const scenarios::Stop& stop : scenarios::kTabStops) {
    out << comma << "\n  {\"name\": " << Quoted(stop.name) << ", \"heard\": " << Quoted(stop.heard)
        << ", \"readOnly\": " << (stop.read_only ? "true" : "false") << "}";
    comma = ",";
  }
  out << "],\n\"places\": [";
  comma = "";
  for (const scenarios::Place& place : scenarios::kPlaces) {
    out << comma << "\n  {\"name\": " << Quoted(place.name) << ", \"rect\": [" << place.left << ", "
        << place.top << ", " << place.width << ", " << place.height
        << "], \"caption\": " << Quoted(place.caption) << "}";
    comma = ",";
  }
  out << "],\n\"client\": [" << scenarios::kClient.width << ", " << scenarios::kClient.height
      << "],\n\"massBoxes\": " << List(scenarios::Words(scenarios::kMassBoxes))
      << ",\n\"resultBoxes\": " << List(scenarios::Words(scenarios::kResultBoxes))
      << ",\n\"scenarios\": [";
  comma = "";
  for (const scenarios::Scenario& row : scenarios::kScenarios) {
    out << comma << "\n  {\"name\": " << Quoted(row.name)
        << ", \"before\": " << List(scenarios::Words(row.before))
        << ", \"masses\": " << List(scenarios::Words(row.masses))
        << ", \"shown\": " << List(scenarios::Shown(row)) << ", \"notice\": " << Quoted(row.notice)
        << ", \"message\": " << Quoted(row.message) << ", \"select\": " << Quoted(row.select)
        << ", \"heard\": " << Quoted(row.heard) << ", \"ear\": " << (row.ear ? "true" : "false")
        << "}";
    comma = ",";
  }
  out << "]}\n";
  return out ? 0 : 1;
}
