// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string_view>

#include "grading/field.h"

namespace grading {

// One sieve of the nest with the three fields of its column.
struct SieveColumn {
  std::string_view aperture;  // nominal aperture in millimetres, as the window labels it
  Field mass;                 // mass retained, typed by the user
  Field partial;              // partial percentage retained
  Field cumulative;           // cumulative percentage retained
};

// The six sieves, coarsest first: every stage walks them in this order.
inline constexpr std::array<SieveColumn, 6> kSieveColumns = {{
    {"4.75", Field::s475, Field::sb475, Field::lsb475},
    {"2.36", Field::s236, Field::sb236, Field::lsb236},
    {"1.18", Field::s118, Field::sb118, Field::lsb118},
    {"0.6", Field::s06, Field::sb06, Field::lsb06},
    {"0.3", Field::s03, Field::sb03, Field::lsb03},
    {"0.15", Field::s015, Field::sb015, Field::lsb015},
}};

}  // namespace grading
